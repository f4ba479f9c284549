#pragma once

#include "ui/wizard/Pagina.h"

// The report page.
class TPaginaRelatorios : public TPagina {
    Q_OBJECT
public:
    explicit TPaginaRelatorios(TFMain& main);
};
