#include "ui/review/FInformacaoLegenda.h"

#include "ui/common/Dialogos.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TFInformacaoLegenda::TFInformacaoLegenda(QWidget* dono) : QDialog(dono) {
    setObjectName("FInformacaoLegenda");
    setWindowTitle(QStringLiteral("Informação..."));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    auto* lay = new QVBoxLayout(this);
    auto* figura = new QLabel(this);
    figura->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    lay->addWidget(figura, 0, Qt::AlignLeft);
    const struct {
        const char* titulo;
        const char* texto;
    } itens[] = {
        {"Estoque regular",
         "Item com estoque comprovado por documento fiscal igual ao saldo de estoque na data de inventário. Ou seja, o "
         "estoque do produto pode ser comprovado por documentos fiscais de entrada."},
        {"Estoque parcialmente comprovado",
         "O item possui quantidade de estoque maior do que a quantidade que pode ser comprovada por documentos fiscais de "
         "entrada."},
        {"Estoque não comprovado",
         "Quantidade em estoque do item não pode ser justificada por documentos fiscais de entrada. Há saldo em estoque "
         "mas não há documentos fiscais."},
        {"Item sem valor de imposto a restituir",
         "Item cuja apuração de ICMS retido para ressarcimento resultou em 0 (zero). Ou seja, nenhum imposto a "
         "restituir."},
    };
    for (const auto& i : itens) {
        auto* t = new QLabel(QString::fromUtf8(i.titulo), this);
        QFont f = t->font();
        f.setBold(true);
        t->setFont(f);
        auto* e = new QLabel(QString::fromUtf8(i.texto), this);
        e->setWordWrap(true);
        lay->addWidget(t);
        lay->addWidget(e);
    }
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName("btOK");
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    lay->addWidget(btOK, 0, Qt::AlignRight);
    setFixedSize(460, 360);
}

void TFInformacaoLegenda::Exibir(QWidget* dono) {
    TFInformacaoLegenda f(dono);
    if (TDialogos::ModoTeste()) {
        TDialogos::Historico().push_back({"legenda", f.windowTitle(), QString()});
        return;
    }
    f.exec();
}
