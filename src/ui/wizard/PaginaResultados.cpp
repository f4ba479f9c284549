#include "ui/wizard/PaginaResultados.h"

#include "core/app/DmTorvane.h"
#include "core/review/ConsultaApuracao.h"
#include "ui/common/ErroGeral.h"
#include "ui/common/Formatos.h"
#include "ui/common/Grade.h"
#include "ui/common/Imagens.h"
#include "ui/common/TextoQt.h"
#include "ui/review/FDetalhes.h"
#include "ui/review/FInformacaoLegenda.h"
#include "ui/wizard/ExibicaoEtapas.h"
#include "ui/wizard/FMain.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Paints the results grid: the row colours, then the status squares of the two picture columns
// in the colours of the legend's swatches.
class TDelegateApuracao : public TDelegateCores {
public:
    TDelegateApuracao(TPaginaResultados* pagina, QObject* pai) : TDelegateCores(pai), m_pagina(pagina) {}
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        TDelegateCores::paint(p, o, i);
        TQuery* q = m_pagina->DBGridApuracao->Query();
        if (!q || !q->Ativa() || q->Vazia() || i.row() >= q->QuantidadeRegistros()) return;
        const QString nome = m_pagina->DBGridApuracao->Modelo()->Colunas()[static_cast<size_t>(i.column())].nome;
        QFrame* quadrado = nullptr;
        if (nome == QLatin1String("img")) {
            int64_t status = q->Valor(i.row(), "status").AsInteger();
            quadrado = status == 0 ? m_pagina->shRegular : status == 1 ? m_pagina->shParcial : m_pagina->shIrregular;
        } else if (nome == QLatin1String("img2")) {
            if (q->Valor(i.row(), "status_tem_imposto").AsString() == "N") quadrado = m_pagina->shSemImposto;
        }
        if (!quadrado) return;
        QColor cor = quadrado->palette().color(QPalette::Window);
        p->save();
        p->setPen(cor);
        p->setBrush(cor);
        p->drawRect(QRect(QPoint(o.rect.left() + 5, o.rect.top() + 3), QPoint(o.rect.left() + 15, o.rect.top() + 13)));
        p->restore();
    }

private:
    TPaginaResultados* m_pagina;
};

} // namespace

TPaginaResultados::~TPaginaResultados() {
    DBGridApuracao->Vincular(nullptr);
}

QFrame* TPaginaResultados::CriarQuadrado(const char* nome, const QColor& cor) {
    auto* q = new QFrame(this);
    q->setObjectName(nome);
    q->setFixedSize(11, 11);
    q->setAutoFillBackground(true);
    QPalette pal = q->palette();
    pal.setColor(QPalette::Window, cor);
    q->setPalette(pal);
    q->setFrameShape(QFrame::Box);
    q->setLineWidth(1);
    q->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 1px solid black; }").arg(nome, cor.name()));
    return q;
}

TPaginaResultados::TPaginaResultados(TFMain& main) : TPagina(main, "tabResultados") {
    QApuracao = std::make_unique<TQuery>(main.dm().DBLocal());
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(6, 4, 6, 2);
    lay->setSpacing(4);

    auto* topo = new QHBoxLayout;
    gbPesquisa = new QGroupBox(QStringLiteral(" Pesquisa "), this);
    gbPesquisa->setObjectName("gbPesquisa");
    auto* layP = new QGridLayout(gbPesquisa);
    layP->setContentsMargins(6, 4, 6, 6);
    layP->addWidget(new QLabel(QStringLiteral("Código ou descrição do produto"), gbPesquisa), 0, 0, 1, 3);
    edFiltro = new QLineEdit(gbPesquisa);
    edFiltro->setObjectName("edFiltro");
    edFiltro->setMinimumWidth(150);
    btExibirFiltros = new QToolButton(gbPesquisa);
    btExibirFiltros->setObjectName("btExibirFiltros");
    btExibirFiltros->setText(QStringLiteral("Filtros"));
    btExibirFiltros->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btExibirFiltros->setLayoutDirection(Qt::RightToLeft);
    btExibirFiltros->setIcon(QIcon(imagens::Seta(false)));
    btFiltrar = new QPushButton(QStringLiteral("Pesquisar"), gbPesquisa);
    btFiltrar->setObjectName("btFiltrar");
    lbFiltroAtivado = new QLabel(QStringLiteral("<a href=\"#\" style=\"color: blue;\">Filtro(s) Ativado(s)</a>"), gbPesquisa);
    lbFiltroAtivado->setObjectName("lbFiltroAtivado");
    lbFiltroAtivado->setCursor(Qt::PointingHandCursor);
    QFont pequena = lbFiltroAtivado->font();
    pequena.setPointSize(7);
    lbFiltroAtivado->setFont(pequena);
    lbFiltroAtivado->setVisible(false);
    layP->addWidget(edFiltro, 1, 0);
    layP->addWidget(btExibirFiltros, 1, 1);
    layP->addWidget(btFiltrar, 1, 2);
    layP->addWidget(lbFiltroAtivado, 2, 1, 1, 2, Qt::AlignLeft);
    topo->addWidget(gbPesquisa, 1);

    auto* gbLegenda = new QGroupBox(QStringLiteral(" Legenda "), this);
    gbLegenda->setObjectName("gbLegenda");
    auto* layL = new QGridLayout(gbLegenda);
    layL->setContentsMargins(6, 4, 6, 6);
    layL->setHorizontalSpacing(6);
    layL->setVerticalSpacing(2);
    shRegular = CriarQuadrado("shRegular", QColor(54, 154, 235));
    shParcial = CriarQuadrado("shParcial", QColor(255, 255, 128));
    shIrregular = CriarQuadrado("shIrregular", QColor(255, 72, 72));
    shSemImposto = CriarQuadrado("shSemImposto", QColor(128, 128, 128));
    struct {
        QFrame* q;
        const char* texto;
        int linha, coluna;
    } legendas[] = {{shRegular, "Estoque regular", 0, 0},
                    {shParcial, "Estoque parcialmente comprovado", 1, 0},
                    {shIrregular, "Estoque não comprovado", 0, 2},
                    {shSemImposto, "Item sem valor de imposto a restituir", 1, 2}};
    for (auto& l : legendas) {
        l.q->setParent(gbLegenda);
        layL->addWidget(l.q, l.linha, l.coluna);
        layL->addWidget(new QLabel(QString::fromUtf8(l.texto), gbLegenda), l.linha, l.coluna + 1);
    }
    ImageHelp = new QLabel(gbLegenda);
    ImageHelp->setObjectName("ImageHelp");
    ImageHelp->setPixmap(imagens::Ajuda(16));
    ImageHelp->setCursor(Qt::PointingHandCursor);
    ImageHelp->installEventFilter(this);
    layL->addWidget(ImageHelp, 0, 4, Qt::AlignRight | Qt::AlignTop);
    gbLegenda->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    topo->addWidget(gbLegenda);
    lay->addLayout(topo);

    DBGridApuracao = new TGrade(this);
    DBGridApuracao->setObjectName("DBGridApuracao");
    DBGridApuracao->setItemDelegate(new TDelegateApuracao(this, DBGridApuracao));
    const auto dir = Qt::AlignRight | Qt::AlignVCenter;
    DBGridApuracao->DefinirColunas({
        {"img", "", "", 21},
        {"img2", "", "", 21},
        {"produto_id", "produto_id", "ID", 70, dir, TFormatoColuna::Inteiro},
        {"descricao", "descricao", "Descrição", 200},
        {"ncm", "ncm", "NCM", 0},
        {"barras", "barras", "Código de barras", 100},
        {"quantidade_estoque", "quantidade_estoque", "Qtd. estoque", 74, dir, TFormatoColuna::Inteiro},
        {"quantidade_comprovada", "quantidade_comprovada", "Qtd. comprovada", 94, dir, TFormatoColuna::Inteiro},
        {"vl_bc_icms_ret_total", "vl_bc_icms_ret_total", "BC cálc. imposto retido", 122, dir, TFormatoColuna::Milhar2},
        {"aliq_icms_ret", "aliq_icms_ret", "Diferencial de alíquota", 118, dir, TFormatoColuna::Milhar2},
        {"vl_icms_ret_total", "vl_icms_ret_total", "Imposto a restituir", 100, dir, TFormatoColuna::Milhar2},
    });
    DBGridApuracao->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    lay->addWidget(DBGridApuracao, 1);

    auto* rodape = new QHBoxLayout;
    rodape->setSpacing(0);
    lbRodapeApuracaoQtd = new QLabel(this);
    lbRodapeApuracaoQtd->setObjectName("lbRodapeApuracaoQtd");
    lbRodapeApuracao = new QLabel(QStringLiteral("   |   Dê um duplo clique sobre o item para visualizar os documentos fiscais"), this);
    lbRodapeApuracao->setObjectName("lbRodapeApuracao");
    rodape->addWidget(lbRodapeApuracaoQtd);
    rodape->addWidget(lbRodapeApuracao);
    rodape->addStretch(1);
    lay->addLayout(rodape);

    // the drop-down filter panel, over the page
    pnFiltros = new QFrame(this);
    pnFiltros->setObjectName("pnFiltros");
    pnFiltros->setFrameShape(QFrame::StyledPanel);
    pnFiltros->setAutoFillBackground(true);
    auto* layF = new QVBoxLayout(pnFiltros);
    auto* gbStatus = new QGroupBox(QStringLiteral(" Filtrar por status "), pnFiltros);
    auto* layS = new QVBoxLayout(gbStatus);
    cbFiltroRegular = new QCheckBox(QStringLiteral("Produtos em situação regular"), gbStatus);
    cbFiltroParcial = new QCheckBox(QStringLiteral("Estoque parcialmente comprovado por documento fiscal"), gbStatus);
    cbFiltroIrregular = new QCheckBox(QStringLiteral("Produto não considerado para o cálculo de ressarcimento"), gbStatus);
    auto* gbValores = new QGroupBox(QStringLiteral(" Filtrar por valores "), pnFiltros);
    auto* layV = new QVBoxLayout(gbValores);
    cbFiltroQuantidade = new QCheckBox(QStringLiteral("Quantidade em estoque maior que zero"), gbValores);
    cbFiltroImposto = new QCheckBox(QStringLiteral("Valor de imposto a restituir maior que zero"), gbValores);
    cbFiltroRegular->setObjectName("cbFiltroRegular");
    cbFiltroParcial->setObjectName("cbFiltroParcial");
    cbFiltroIrregular->setObjectName("cbFiltroIrregular");
    cbFiltroQuantidade->setObjectName("cbFiltroQuantidade");
    cbFiltroImposto->setObjectName("cbFiltroImposto");
    layS->addWidget(cbFiltroRegular);
    layS->addWidget(cbFiltroParcial);
    layS->addWidget(cbFiltroIrregular);
    layV->addWidget(cbFiltroQuantidade);
    layV->addWidget(cbFiltroImposto);
    btFecharFiltro = new QPushButton(QStringLiteral("Fechar"), pnFiltros);
    btFecharFiltro->setObjectName("btFecharFiltro");
    layF->addWidget(gbStatus);
    layF->addWidget(gbValores);
    layF->addWidget(btFecharFiltro, 0, Qt::AlignRight);
    pnFiltros->adjustSize();
    pnFiltros->setVisible(false);

    auto proteger = [](auto f) { return [f] { erro_geral::Proteger(f); }; };
    connect(btFiltrar, &QPushButton::clicked, this, proteger([this] { btFiltrarClick(); }));
    connect(btExibirFiltros, &QToolButton::clicked, this, [this] { AlternarFiltros(); });
    connect(lbFiltroAtivado, &QLabel::linkActivated, this, [this] { AlternarFiltros(); });
    connect(btFecharFiltro, &QPushButton::clicked, this, [this] { OcultarFiltros(); });
    for (QCheckBox* cb : {cbFiltroRegular, cbFiltroParcial, cbFiltroIrregular, cbFiltroQuantidade, cbFiltroImposto})
        connect(cb, &QCheckBox::clicked, this, [this] { AtualizarIndicadorFiltro(); });
    connect(DBGridApuracao, &TGrade::tituloClicado, this,
            [this](int c) { erro_geral::Proteger([this, c] { DBGridApuracaoTitleClick(c); }); });
    connect(DBGridApuracao, &QAbstractItemView::doubleClicked, this,
            [this] { erro_geral::Proteger([this] { DBGridApuracaoDblClick(); }); });
}

void TPaginaResultados::PosicionarFiltros() {
    QPoint p = edFiltro->mapTo(this, QPoint(0, edFiltro->height() + 2));
    pnFiltros->move(p);
}

bool TPaginaResultados::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == ImageHelp && evento->type() == QEvent::MouseButtonRelease) {
        erro_geral::Proteger([this] { ImageHelpClick(); });
        return true;
    }
    return TPagina::eventFilter(alvo, evento);
}

void TPaginaResultados::AtualizarGradeApuracao() {
    TExibicaoEtapas& e = m_main.Etapas();
    e.AtualizarTela();
    TFiltrosApuracao f;
    f.texto = S(edFiltro->text());
    f.regular = cbFiltroRegular->isChecked();
    f.parcial = cbFiltroParcial->isChecked();
    f.irregular = cbFiltroIrregular->isChecked();
    f.quantidade = cbFiltroQuantidade->isChecked();
    f.imposto = cbFiltroImposto->isChecked();
    const std::string w = consulta_apuracao::Condicao(f);

    QApuracao->Fechar();
    QApuracao->DefinirSQL(consulta_apuracao::Comando(w));
    DBGridApuracao->Vincular(QApuracao.get());
    QApuracao->Abrir();
    DBGridApuracao->Modelo()->DefinirTitulo(0, QString());
    DBGridApuracao->Modelo()->DefinirTitulo(1, QString());

    const bool filtrado = !texto::Aparar(w).empty();
    const int n = QApuracao->QuantidadeRegistros();
    lbRodapeApuracaoQtd->setText(Q(consulta_apuracao::TextoContagem(n, S(FormatarMilhar(n)), filtrado)));
    QFont fonte = lbRodapeApuracaoQtd->font();
    fonte.setBold(filtrado);
    lbRodapeApuracaoQtd->setFont(fonte);
    if (DBGridApuracao->isEnabled() && DBGridApuracao->isVisible()) DBGridApuracao->setFocus();
    e.AtualizarTela();
}

void TPaginaResultados::btFiltrarClick() {
    if (pnFiltros->isVisible()) OcultarFiltros();
    AtualizarGradeApuracao();
}

void TPaginaResultados::AlternarFiltros() {
    if (pnFiltros->isVisible())
        OcultarFiltros();
    else
        ExibirFiltros();
}

void TPaginaResultados::ExibirFiltros() {
    // the layout settles only once the page is on screen, so the place is taken again here
    PosicionarFiltros();
    pnFiltros->setVisible(true);
    pnFiltros->raise();
    btExibirFiltros->setIcon(QIcon(imagens::Seta(true)));
}

void TPaginaResultados::OcultarFiltros() {
    pnFiltros->setVisible(false);
    btExibirFiltros->setIcon(QIcon(imagens::Seta(false)));
}

void TPaginaResultados::AtualizarIndicadorFiltro() {
    bool algum = false;
    for (QCheckBox* cb : {cbFiltroRegular, cbFiltroParcial, cbFiltroIrregular, cbFiltroQuantidade, cbFiltroImposto})
        algum = algum || cb->isChecked();
    lbFiltroAtivado->setVisible(algum);
}

void TPaginaResultados::DBGridApuracaoTitleClick(int coluna) { OrdenarGrade(*DBGridApuracao, coluna, OrdemGradeApuracao); }

void TPaginaResultados::DBGridApuracaoDblClick() {
    if (!DBGridApuracao->TemRegistros()) return;
    TFDetalhes::Exibir(&m_main, m_main.dm(), QApuracao->Valor("produto_id").AsInteger());
}

void TPaginaResultados::ImageHelpClick() { TFInformacaoLegenda::Exibir(&m_main); }
