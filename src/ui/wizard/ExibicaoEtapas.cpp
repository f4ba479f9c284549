#include "ui/wizard/ExibicaoEtapas.h"

#include <QApplication>
#include <QLabel>
#include <QThread>

TExibicaoEtapas::TExibicaoEtapas(QWidget* janela) : QObject(janela), m_janela(janela) {
    m_timer.setObjectName("Timer1");
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &TExibicaoEtapas::Timer1Timer);
    m_timer.start();
}

void TExibicaoEtapas::AtualizarTela() {
    QApplication::processEvents();
    if (m_janela) m_janela->repaint();
}

void TExibicaoEtapas::IniciarEtapa(QLabel* label) {
    AtualizarTela();
    Progresso = 0;
    m_etapaAtual = label;
    label->setText(label->text().remove(u'.'));
    label->setVisible(true);
    m_timer.start();
    AtualizarTela();
    QThread::msleep(1);
}

void TExibicaoEtapas::ConcluirEtapa(const QString& texto, QLabel* label, QWidget* imagem) {
    Q_UNUSED(label);
    AtualizarTela();
    m_timer.stop();
    if (m_etapaAtual) m_etapaAtual->setText(texto);
    if (imagem) imagem->setVisible(true);
    AtualizarTela();
    QThread::msleep(1);
}

void TExibicaoEtapas::Timer1Timer() {
    QLabel* l = m_etapaAtual;
    if (!l) return;
    if (l->sizeHint().width() > 660) l->setText(l->text().remove(u'.'));
    QString novo;
    if (Progresso >= 0 && Progresso <= 100) novo = QStringLiteral("(%1%) ").arg(Progresso);
    QString atual = l->text();
    if (atual.startsWith(u'(')) {
        int espaco = atual.indexOf(u' ');
        atual = (espaco < 0 ? atual : atual.mid(espaco)).trimmed();
    }
    l->setText(novo + atual);
}
