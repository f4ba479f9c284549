#include "ui/review/FDetalhes.h"

#include "core/app/DmTorvane.h"
#include "core/review/ConsultaApuracao.h"
#include "ui/common/Dialogos.h"
#include "ui/common/Formatos.h"
#include "ui/common/Grade.h"
#include "ui/common/Imagens.h"
#include "ui/common/TextoQt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFDetalhes::TFDetalhes(QWidget* dono, TdmTorvane& dm, long long produtoId)
    : QDialog(dono), ProdutoId(produtoId), m_dm(dm) {
    setObjectName("FDetalhes");
    setWindowTitle(QStringLiteral("Detalhes da apuração do item"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 6);

    auto* cab = new QWidget(this);
    cab->setAutoFillBackground(true);
    QPalette pal = cab->palette();
    pal.setColor(QPalette::Window, Qt::white);
    cab->setPalette(pal);
    auto* layCab = new QHBoxLayout(cab);
    auto* textos = new QVBoxLayout;
    lbProduto = new QLabel(QStringLiteral("Descrição do produto"), cab);
    lbProduto->setObjectName("lbProduto");
    QFont f = lbProduto->font();
    f.setBold(true);
    f.setPixelSize(16);
    lbProduto->setFont(f);
    textos->addWidget(lbProduto);
    textos->addWidget(new QLabel(QStringLiteral("Documentos fiscais que comprovam o estoque do produto"), cab));
    layCab->addLayout(textos, 1);
    auto* logo = new QLabel(cab);
    logo->setPixmap(imagens::Logo(40));
    layCab->addWidget(logo);
    lay->addWidget(cab);

    auto* gb = new QGroupBox(QStringLiteral(" Totais "), this);
    auto* layT = new QGridLayout(gb);
    struct {
        QLineEdit** ed;
        const char* nome;
        const char* titulo;
        const char* inicial;
    } caixas[] = {
        {&edSaldo, "edSaldo", "Saldo em estoque", "0"},
        {&edQuantidadeComprovada, "edQuantidadeComprovada", "Qtd. comprovada por doc.", "0"},
        {&edValorUnitario, "edValorUnitario", "Valor unitário médio", nullptr},
        {&edValorTotal, "edValorTotal", "Valor total do item", nullptr},
        {&edValorTotalBase, "edValorTotalBase", "Valor total base de cálculo", nullptr},
        {&edValorTotalImposto, "edValorTotalImposto", "Valor total do imposto a restituir", nullptr},
    };
    int c = 0;
    for (auto& x : caixas) {
        *x.ed = new QLineEdit(gb);
        (*x.ed)->setObjectName(x.nome);
        (*x.ed)->setReadOnly(true);
        (*x.ed)->setAlignment(Qt::AlignRight);
        (*x.ed)->setText(x.inicial ? QString::fromUtf8(x.inicial) : FormatarDinheiroSimples(TDinheiro()));
        layT->addWidget(new QLabel(QString::fromUtf8(x.titulo), gb), 0, c);
        layT->addWidget(*x.ed, 1, c);
        ++c;
    }
    lay->addWidget(gb);

    DBGrid = new TGrade(this);
    DBGrid->setObjectName("DBGrid");
    const auto dir = Qt::AlignRight | Qt::AlignVCenter;
    const auto cen = Qt::AlignHCenter | Qt::AlignVCenter;
    DBGrid->DefinirColunas({
        {"num_nota", "num_nota", "Número", 0},
        {"modelo", "modelo", "Modelo", 55, cen},
        {"data_emissao", "data_emissao", "Data emissão", 85, cen, TFormatoColuna::Data},
        {"cnpj_emit", "cnpj_emit", "CNPJ", 120},
        {"nome_emit", "nome_emit", "Razão Social", 250},
        {"ie_emit", "ie_emit", "Inscrição Estadual", 100},
        {"chave", "chave", "Chave de acesso", 350},
        {"quantidade_comprovada", "quantidade_comprovada", "Quantidade", 0, dir, TFormatoColuna::Inteiro},
        {"vl_item", "vl_item", "Vl. total produto", 85, dir, TFormatoColuna::Milhar2},
        {"vl_bc_icms_ret", "vl_bc_icms_ret", "B. Cálc. Total ICMS Ret.", 120, dir, TFormatoColuna::Milhar2},
        {"aliq_icms_ret", "aliq_icms_ret", "Diferencial de alíquota", 115, dir, TFormatoColuna::Milhar2},
        {"vl_icms_ret", "vl_icms_ret", "Imposto a restituir", 100, dir, TFormatoColuna::Milhar2},
    });
    lay->addWidget(DBGrid, 1);

    btFechar = new QPushButton(QStringLiteral("Fechar (Esc)"), this);
    btFechar->setObjectName("btFechar");
    btFechar->setAutoDefault(false);
    connect(btFechar, &QPushButton::clicked, this, &QDialog::accept);
    auto* rod = new QHBoxLayout;
    rod->addStretch(1);
    rod->addWidget(btFechar);
    rod->setContentsMargins(6, 0, 6, 0);
    lay->addLayout(rod);
    setFixedSize(900, 460);

    CarregarProduto();
    CarregarTotais();
    AbrirDocumentos();
}

TFDetalhes::~TFDetalhes() { DBGrid->Vincular(nullptr); }

void TFDetalhes::CarregarProduto() {
    lbProduto->setText(Q(m_dm.ObterValor(consulta_detalhes::Produto(ProdutoId), "").AsString()));
}

void TFDetalhes::CarregarTotais() {
    auto q = m_dm.AbrirQuery(consulta_detalhes::Totais(ProdutoId));
    if (q->Vazia()) {
        // no document: the quantities show nothing and the values 0.00
        edSaldo->clear();
        edQuantidadeComprovada->clear();
        return;
    }
    edSaldo->setText(Q(q->Valor("quantidade_estoque").AsString()));
    edQuantidadeComprovada->setText(Q(q->Valor("quantidade_comprovada").AsString()));
    edValorUnitario->setText(FormatarDinheiroSimples(q->Valor("vl_unit_medio").AsDinheiro()));
    edValorTotal->setText(FormatarDinheiroSimples(q->Valor("vl_total_item").AsDinheiro()));
    edValorTotalBase->setText(FormatarDinheiroSimples(q->Valor("vl_bc_icms_ret_total").AsDinheiro()));
    edValorTotalImposto->setText(FormatarDinheiroSimples(q->Valor("vl_icms_ret_total").AsDinheiro()));
}

void TFDetalhes::AbrirDocumentos() {
    QDocumentos = std::make_unique<TQuery>(m_dm.DBLocal());
    QDocumentos->DefinirSQL(consulta_detalhes::Documentos(ProdutoId));
    DBGrid->Vincular(QDocumentos.get());
    QDocumentos->Abrir();
}

void TFDetalhes::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    DBGrid->setFocus();
}

void TFDetalhes::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        if (btFechar->isEnabled()) btFechar->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFDetalhes::Exibir(QWidget* dono, TdmTorvane& dm, long long produtoId) {
    TFDetalhes f(dono, dm, produtoId);
    if (TDialogos::ModoTeste()) {
        TDialogos::Historico().push_back({"detalhes", f.windowTitle(), f.lbProduto->text()});
        return;
    }
    f.exec();
}
