#include "ui/wizard/PaginaSelecao.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

TPaginaSelecao::TPaginaSelecao(TFMain& main) : TPagina(main, "tabSelecao") {
    auto* lay = new QGridLayout(this);
    lay->setContentsMargins(30, 30, 30, 30);
    auto* Label4 = new QLabel(QStringLiteral("Selecione o arquivo de SPED ICMS correspondente ao mês da data do inventário"), this);
    Label4->setObjectName("Label4");
    edCaminhoArquivo = new QLineEdit(this);
    edCaminhoArquivo->setObjectName("edCaminhoArquivo");
    edCaminhoArquivo->setReadOnly(true);
    btSelecionarArquivo = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton),
                                          QStringLiteral("Selecionar arquivo..."), this);
    btSelecionarArquivo->setObjectName("btSelecionarArquivo");
    cbNaoAtualizar = new QCheckBox(QStringLiteral("Não preciso atualizar o arquivo de SPED"), this);
    cbNaoAtualizar->setObjectName("cbNaoAtualizar");
    lay->addWidget(Label4, 0, 0, 1, 2);
    lay->addWidget(edCaminhoArquivo, 1, 0);
    lay->addWidget(btSelecionarArquivo, 1, 1);
    lay->addWidget(cbNaoAtualizar, 2, 0, 1, 2);
    lay->setRowStretch(3, 1);
    lay->setColumnStretch(0, 1);
    connect(cbNaoAtualizar, &QCheckBox::clicked, this, [this] { cbNaoAtualizarClick(); });
}

void TPaginaSelecao::AoMostrar() {
    if (edCaminhoArquivo->isEnabled()) edCaminhoArquivo->setFocus();
}

void TPaginaSelecao::cbNaoAtualizarClick() {
    bool marcado = cbNaoAtualizar->isChecked();
    edCaminhoArquivo->setEnabled(!marcado);
    btSelecionarArquivo->setEnabled(!marcado);
    QPalette pal = edCaminhoArquivo->palette();
    pal.setColor(QPalette::Base, marcado ? palette().color(QPalette::Button) : QColor(Qt::white));
    edCaminhoArquivo->setPalette(pal);
}
