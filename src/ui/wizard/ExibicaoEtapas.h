#pragma once

#include "core/app/Progresso.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;
class QWidget;

// The step display of the long operations: the running step's label shows its percentage every
// half second; a finished step shows its past-tense text and its check mark.
class TExibicaoEtapas : public QObject, public IProgresso {
    Q_OBJECT
public:
    explicit TExibicaoEtapas(QWidget* janela);

    void IniciarEtapa(QLabel* label);
    void ConcluirEtapa(const QString& texto, QLabel* label, QWidget* imagem);
    void Timer1Timer();

    // IProgresso
    void AtualizarTela() override;
    void DefinirProgresso(int percentual) override { Progresso = percentual; }

    QLabel* EtapaAtual() const { return m_etapaAtual; }
    QTimer* Timer1() { return &m_timer; }
    int Progresso = 0;

private:
    QWidget* m_janela;
    QPointer<QLabel> m_etapaAtual;
    QTimer m_timer;
};
