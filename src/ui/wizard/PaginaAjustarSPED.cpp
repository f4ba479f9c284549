#include "ui/wizard/PaginaAjustarSPED.h"

#include <QLabel>
#include <QVBoxLayout>

TPaginaAjustarSPED::TPaginaAjustarSPED(TFMain& main) : TPagina(main, "tabAjustarSPED") {
    auto* lay = new QVBoxLayout(this);
    auto* lb = new QLabel(QStringLiteral("Carregando arquivo de SPED"), this);
    lb->setObjectName("lbCheckCarregar");
    lay->addWidget(lb);
    lay->addStretch(1);
}
