#pragma once

#include "ui/wizard/Pagina.h"

// The SPED update page.
class TPaginaAjustarSPED : public TPagina {
    Q_OBJECT
public:
    explicit TPaginaAjustarSPED(TFMain& main);
    void ReiniciarEtapasSPED() {}
};
