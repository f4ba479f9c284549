#include "ui/wizard/PaginaRelatorios.h"

#include "ui/common/Imagens.h"

#include <QHBoxLayout>
#include <QLabel>

TPaginaRelatorios::TPaginaRelatorios(TFMain& main) : TPagina(main, "tabRelatorios") {
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    auto* figura = new QLabel(this);
    figura->setPixmap(imagens::Lateral(190, 379, QStringLiteral("Relatórios")));
    lay->addWidget(figura);
    auto* lb = new QLabel(QStringLiteral("Relatórios"), this);
    QFont f = lb->font();
    f.setBold(true);
    f.setPointSize(12);
    lb->setFont(f);
    lay->addWidget(lb, 1, Qt::AlignTop | Qt::AlignLeft);
}
