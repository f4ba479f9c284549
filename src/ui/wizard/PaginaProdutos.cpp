#include "ui/wizard/PaginaProdutos.h"

#include <QPushButton>
#include <QVBoxLayout>

TPaginaProdutos::TPaginaProdutos(TFMain& main) : TPagina(main, "tabProdutos") {
    auto* lay = new QVBoxLayout(this);
    btPesquisar = new QPushButton(QStringLiteral("Pesquisar produto"), this);
    btPesquisar->setObjectName("btPesquisar");
    lay->addWidget(btPesquisar, 0, Qt::AlignLeft);
    lay->addStretch(1);
}

void TPaginaProdutos::AoMostrar() {
    if (btPesquisar->isEnabled()) btPesquisar->setFocus();
}

bool TPaginaProdutos::GradeTemRegistros() const { return false; }
