#pragma once

#include "ui/wizard/Pagina.h"

class QPushButton;

// The selected products page (being completed).
class TPaginaProdutos : public TPagina {
    Q_OBJECT
public:
    explicit TPaginaProdutos(TFMain& main);
    void AoMostrar() override;
    // whether the products grid is bound to a query holding at least one row
    bool GradeTemRegistros() const;
    QPushButton* btPesquisar;
};
