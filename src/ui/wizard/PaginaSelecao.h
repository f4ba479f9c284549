#pragma once

#include "ui/wizard/Pagina.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// The choice of the month's SPED file.
class TPaginaSelecao : public TPagina {
    Q_OBJECT
public:
    explicit TPaginaSelecao(TFMain& main);
    void AoMostrar() override;
    void cbNaoAtualizarClick();

    QLineEdit* edCaminhoArquivo;
    QPushButton* btSelecionarArquivo;
    QCheckBox* cbNaoAtualizar;
};
