#include "ui/common/Dialogos.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
bool g_teste = false;
std::deque<bool> g_respostas;
std::deque<QString> g_arquivos;
std::vector<TDialogos::TRegistro> g_historico;

QWidget* Janela() { return QApplication::activeWindow(); }

bool Resposta(bool padrao) {
    if (g_respostas.empty()) return padrao;
    bool r = g_respostas.front();
    g_respostas.pop_front();
    return r;
}

QString RespostaArquivo() {
    if (g_arquivos.empty()) return {};
    QString r = g_arquivos.front();
    g_arquivos.pop_front();
    return r;
}
} // namespace

QMessageBox* TDialogos::CriarCaixaConfirmar(const QString& mensagem, bool simPadrao, const QString& titulo) {
    auto* box = new QMessageBox(QMessageBox::Question, titulo, mensagem, QMessageBox::Yes | QMessageBox::No, Janela());
    box->setObjectName("Confirmar");
    box->setWindowModality(Qt::ApplicationModal);
    box->button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    box->button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    box->setDefaultButton(simPadrao ? QMessageBox::Yes : QMessageBox::No);
    return box;
}

bool TDialogos::Confirmar(const QString& mensagem, bool simPadrao, const QString& titulo) {
    if (g_teste) {
        g_historico.push_back({"confirmar", titulo, mensagem});
        return Resposta(simPadrao);
    }
    QMessageBox* box = CriarCaixaConfirmar(mensagem, simPadrao, titulo);
    int r = box->exec();
    delete box;
    return r == QMessageBox::Yes;
}

void TDialogos::Erro(const QString& titulo, const QString& mensagem) {
    if (g_teste) {
        g_historico.push_back({"erro", titulo, mensagem});
        return;
    }
    QMessageBox box(QMessageBox::Critical, titulo, mensagem, QMessageBox::Ok, Janela());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void TDialogos::Informar(const QString& mensagem) {
    if (g_teste) {
        g_historico.push_back({"informar", QStringLiteral("Informação..."), mensagem});
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Informação..."), mensagem, QMessageBox::Ok, Janela());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void TDialogos::MostrarErro(const QString& mensagem) { Erro(QStringLiteral("Erro..."), mensagem); }

bool TDialogos::PerguntarErro(const QString& titulo, const QString& mensagem) {
    if (g_teste) {
        g_historico.push_back({"perguntar-erro", titulo, mensagem});
        return Resposta(false);
    }
    QMessageBox box(QMessageBox::Critical, titulo, mensagem, QMessageBox::Yes | QMessageBox::No, Janela());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

QString TDialogos::AbrirArquivo(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro) {
    if (g_teste) {
        g_historico.push_back({"arquivo", titulo, pasta});
        return RespostaArquivo();
    }
    return QFileDialog::getOpenFileName(pai, titulo, pasta, filtro);
}

QString TDialogos::SalvarArquivo(QWidget* pai, const QString& titulo, const QString& caminho, const QString& filtro) {
    if (g_teste) {
        g_historico.push_back({"salvar", titulo, caminho});
        return RespostaArquivo();
    }
    return QFileDialog::getSaveFileName(pai, titulo, caminho, filtro);
}

QString TDialogos::SelecionarDiretorio(QWidget* pai) {
    if (g_teste) {
        g_historico.push_back({"diretorio", QString(), QString()});
        return RespostaArquivo().trimmed();
    }
    return QFileDialog::getExistingDirectory(pai, QString(), QString()).trimmed();
}

void TDialogos::AtivarModoTeste() { g_teste = true; }
bool TDialogos::ModoTeste() { return g_teste; }
void TDialogos::Responder(bool r) { g_respostas.push_back(r); }
void TDialogos::ResponderArquivo(const QString& c) { g_arquivos.push_back(c); }
std::vector<TDialogos::TRegistro>& TDialogos::Historico() { return g_historico; }
void TDialogos::Limpar() {
    g_historico.clear();
    g_respostas.clear();
    g_arquivos.clear();
}
