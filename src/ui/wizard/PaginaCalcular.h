#pragma once

#include "ui/wizard/Pagina.h"

class QLabel;
class TAnimacao;

// The calculation page: showing it runs the four steps of the calculation with their progress.
class TPaginaCalcular : public TPagina {
    Q_OBJECT
public:
    explicit TPaginaCalcular(TFMain& main);

    void AoMostrar() override { tabCalcularShow(); }
    void tabCalcularShow();
    void ReiniciarEtapas();
    // true when the last run went through all four steps
    bool Concluido() const { return m_concluido; }

    QLabel* imgLoading;
    TAnimacao* RxGIFAnimator;
    QLabel* lbAguarde;
    QLabel *imgCheckSaldo, *lbCheckSaldo;
    QLabel *imgCheckDocumentos, *lbCheckDocumentos;
    QLabel *imgCheckValores, *lbCheckValores;
    QLabel *imgCheckTotais, *lbCheckTotais;

private:
    bool m_concluido = false;
};
