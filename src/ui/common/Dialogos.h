#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QMessageBox;
class QWidget;

// Every message box and chooser of the system goes through here, so that a test can answer the
// next one instead of a user.
class TDialogos {
public:
    // Yes/No question; Yes is the default button (Enter) when simPadrao is true.
    static bool Confirmar(const QString& mensagem, bool simPadrao, const QString& titulo);
    // "Informação..." box with an OK button
    static void Informar(const QString& mensagem);
    // "Erro..." box with an OK button
    static void MostrarErro(const QString& mensagem);
    // Error box captioned with the given title (the general error box, the retry box)
    static void Erro(const QString& titulo, const QString& mensagem);
    // Yes/No question with the error icon (the connection retry)
    static bool PerguntarErro(const QString& titulo, const QString& mensagem);
    // File and folder choosers: an empty text when the user cancels
    static QString AbrirArquivo(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro);
    static QString SalvarArquivo(QWidget* pai, const QString& titulo, const QString& caminho, const QString& filtro);
    static QString SelecionarDiretorio(QWidget* pai);

    // The question box as Confirmar builds it (tests check its default button)
    static QMessageBox* CriarCaixaConfirmar(const QString& mensagem, bool simPadrao, const QString& titulo);

    // --- for tests: no box is shown; questions take the queued answers (or their default)
    struct TRegistro {
        QString tipo; // "confirmar", "informar", "erro", "arquivo", "diretorio"
        QString titulo;
        QString mensagem;
    };
    static void AtivarModoTeste();
    static bool ModoTeste();
    static void Responder(bool resposta);           // next question
    static void ResponderArquivo(const QString& c); // next chooser (empty = cancel)
    static std::vector<TRegistro>& Historico();
    static void Limpar();
};
