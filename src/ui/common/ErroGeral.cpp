#include "ui/common/ErroGeral.h"

#include "ui/common/Dialogos.h"
#include "ui/common/TextoQt.h"

#include <QFileInfo>
#include <QFont>

namespace erro_geral {

QString TextoErro(const QString& mensagem) {
    QString t = mensagem;
    if (!t.isEmpty() && t.back().unicode() > u'.') t += u'.';
    return t;
}

QString TituloPrograma() {
    QString exe = QCoreApplication::applicationFilePath();
    QString nome = QFileInfo(exe).completeBaseName();
    return nome.isEmpty() ? QStringLiteral("ressarcimento-st") : nome;
}

void Mostrar(const QString& mensagem) { TDialogos::Erro(TituloPrograma(), TextoErro(mensagem)); }

void Mostrar(const std::exception& e) { Mostrar(Q(e.what())); }

bool Proteger(const std::function<void()>& corpo) {
    try {
        corpo();
        return true;
    } catch (const std::exception& e) {
        Mostrar(e);
    } catch (...) {
        Mostrar(QStringLiteral("Erro desconhecido"));
    }
    return false;
}

} // namespace erro_geral

void TAplicacao::AplicarAparencia() {
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSize(8);
    QApplication::setFont(fonte);
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& e) {
        erro_geral::Mostrar(e);
    } catch (...) {
        erro_geral::Mostrar(QStringLiteral("Erro desconhecido"));
    }
    return false;
}
