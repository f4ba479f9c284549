#include "ui/selection/FPesqProduto.h"

#include "core/app/DmTorvane.h"
#include "core/app/Query.h"
#include "core/app/Texto.h"
#include "ui/common/Dialogos.h"
#include "ui/common/ErroGeral.h"
#include "ui/common/Grade.h"
#include "ui/common/Teclado.h"
#include "ui/common/TextoQt.h"
#include "ui/selection/FFiltroGenerico2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// One lookup filter: its buttons, the lookup table it chooses from and the hints of its button.
struct TDefinicaoFiltro {
    const char* botao;
    const char* legenda;
    const char* limpar;
    const char* tabela;
    const char* campoId;
    const char* campoDescricao;
    const char* titulo;
    const char* dicaDefinido;
    const char* dicaVazio;
};

const TDefinicaoFiltro kFiltros[TFPesqProduto::kQuantidadeFiltros] = {
    {"btnFiltroGrupo", "&Grupos", "btnLimparFiltroGrupos", "grupo", "grupo_id", "desc_arvore", "Grupo",
     "Produtos com Grupo: ", "Todos os Grupos"},
    {"btnFiltroEspecificacao", "&Especificações", "btnLimparFiltroEspecificacao", "espec", "espec_id",
     "descricao", "Especificação", "Produtos com Especificação: ", "Todas as Especificações"},
    {"btnFiltroFabricantes", "&Fabricantes", "btnLimparFiltroFabricante", "fabricantes", "fabricantes_id",
     "descricao", "Fabricante", "Produtos com Fabricante: ", "Todos os Fabricantes"},
    {"btnFiltroPrincipio", "Princípio &Ativo", "btnLimparFiltroPrincipio", "principio_ativo",
     "principio_ativo_id", "descricao", "Princípio Ativo",
     "Produtos com Princípio Ativo: ", "Todos os Princípios Ativos"},
    {"btnFiltroClasseTerap", "&Classe Terapêutica", "btnLimparFiltroClasseTerapeutica", "classe_terapeutica",
     "classe_terapeutica_id", "descricao", "Classe Terapêutica",
     "Produtos com Classe Terapêutica: ", "Todas as Classes Terapêuticas"},
    {"btnFiltroGrupoPrecos", "G&rupo Preços", "btnLimparFiltroGrupoPreco", "grupo_precos", "grupo_precos_id",
     "descricao", "Grupo Preços", "Produtos com Grupo de Preço: ", "Todos os Grupos de Preço"},
};

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

TFPesqProduto::TFPesqProduto(QWidget* dono, TdmTorvane& dm) : QDialog(dono), m_dm(dm) {
    setObjectName("FPesqProduto");
    setWindowTitle(QStringLiteral("460 Pesquisa de Produto"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSize(8);
    setFont(fonte);
    ExecutarFiltro = [](TFFiltroGenerico2& f) { return f.exec(); };
    CDSProduto = std::make_unique<TQuery>(dm.DBLocal());

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(4);

    auto* cabecalho = new QWidget(this);
    cabecalho->setObjectName("pnCabecalho");
    cabecalho->setAutoFillBackground(true);
    QPalette pal = cabecalho->palette();
    pal.setColor(QPalette::Window, Qt::white);
    cabecalho->setPalette(pal);
    auto* layCab = new QHBoxLayout(cabecalho);
    layCab->setContentsMargins(10, 6, 10, 6);
    lbTitulo = new QLabel(QStringLiteral("Pesquisa de Produtos"), cabecalho);
    lbTitulo->setObjectName("lbTitulo");
    QFont grande = lbTitulo->font();
    grande.setBold(true);
    grande.setPixelSize(16);
    lbTitulo->setFont(grande);
    layCab->addWidget(lbTitulo);
    lay->addWidget(cabecalho);

    auto* corpo = new QVBoxLayout;
    corpo->setContentsMargins(8, 0, 8, 0);
    corpo->setSpacing(4);
    auto* topo = new QHBoxLayout;
    gbFiltros = new QGroupBox(QStringLiteral(" Filtros "), this);
    gbFiltros->setObjectName("gbFiltros");
    auto* layF = new QGridLayout(gbFiltros);
    layF->setContentsMargins(6, 4, 6, 6);
    layF->setHorizontalSpacing(2);
    layF->setVerticalSpacing(4);
    for (int i = 0; i < kQuantidadeFiltros; ++i) {
        const TDefinicaoFiltro& d = kFiltros[i];
        auto* b = new QPushButton(U(d.legenda), gbFiltros);
        b->setObjectName(d.botao);
        b->setAutoDefault(false);
        b->setMinimumWidth(150);
        auto* l = new QToolButton(gbFiltros);
        l->setObjectName(d.limpar);
        l->setText(QStringLiteral("X"));
        l->setToolTip(QStringLiteral("Limpar Filtro"));
        l->setFixedSize(22, 23);
        BotaoFiltro[i] = b;
        BotaoLimpar[i] = l;
        const int linha = i / 3, coluna = (i % 3) * 3;
        layF->addWidget(b, linha, coluna);
        layF->addWidget(l, linha, coluna + 1);
        if (i % 3 != 2)
            layF->setColumnMinimumWidth(coluna + 2, 8);
        const auto filtro = static_cast<TFiltro>(i);
        connect(b, &QPushButton::clicked, this,
                [this, filtro] { erro_geral::Proteger([this, filtro] { btnFiltroClick(filtro); }); });
        connect(l, &QToolButton::clicked, this,
                [this, filtro] { erro_geral::Proteger([this, filtro] { LimparFiltro(filtro); }); });
    }
    auto* lbDescricao = new QLabel(QStringLiteral("Descrição Produto"), gbFiltros);
    lbDescricao->setObjectName("lbDescricaoProduto");
    EdProd = new QLineEdit(gbFiltros);
    EdProd->setObjectName("EdProd");
    EdProd->setMaxLength(60);
    lbDescricao->setBuddy(EdProd);
    btnPesquisar = new QPushButton(QStringLiteral("&Pesquisar (F4)"), gbFiltros);
    btnPesquisar->setObjectName("btnPesquisar");
    btnPesquisar->setAutoDefault(false);
    layF->addWidget(lbDescricao, 2, 0, 1, 8);
    layF->addWidget(EdProd, 3, 0, 1, 6);
    layF->addWidget(btnPesquisar, 3, 6, 1, 2);
    topo->addWidget(gbFiltros, 1);

    pnlMarcacao = new QGroupBox(QStringLiteral(" Legenda "), this);
    pnlMarcacao->setObjectName("pnlMarcacao");
    auto* layL = new QGridLayout(pnlMarcacao);
    layL->setContentsMargins(8, 4, 8, 6);
    auto* teclas = new QLabel(
        QStringLiteral("F5 - Marcar/Desmarcar     F6 - Marcar Todos     F7 - Desmarcar Todos"), pnlMarcacao);
    teclas->setObjectName("lbTeclas");
    auto* quadrado = new QFrame(pnlMarcacao);
    quadrado->setObjectName("shMarcados");
    quadrado->setFixedSize(14, 14);
    quadrado->setStyleSheet(
        QStringLiteral("QFrame#shMarcados { background: rgb(255, 128, 128); border: 1px solid black; }"));
    auto* marcados = new QLabel(QStringLiteral("Registros marcados"), pnlMarcacao);
    marcados->setObjectName("lbRegistrosMarcados");
    layL->addWidget(teclas, 0, 0, 1, 2);
    layL->addWidget(quadrado, 1, 0);
    layL->addWidget(marcados, 1, 1);
    layL->setColumnStretch(1, 1);
    layL->setRowStretch(2, 1);
    pnlMarcacao->setVisible(false);
    topo->addWidget(pnlMarcacao, 0, Qt::AlignTop);
    corpo->addLayout(topo);

    GridProdutos = new TGrade(this);
    GridProdutos->setObjectName("GridProdutos");
    const auto direita = Qt::AlignRight | Qt::AlignVCenter;
    GridProdutos->DefinirColunas({
        {"produto_id", "produto_id", U("Cód. Produto"), 100, direita},
        {"barras", "barras", U("Cód. Barras"), 110},
        {"descricao", "descricao", U("Descrição"), 330},
        {"desc_grupo", "desc_grupo", U("Grupo"), 200},
        {"desc_grupo_preco", "desc_grupo_preco", U("Grupo de Preços"), 200},
        {"desc_espec", "desc_espec", U("Especificação"), 200},
        {"desc_fabricante", "desc_fabricante", U("Fabricantes"), 200},
        {"desc_principio", "desc_principio", U("Princípio Ativo"), 200},
        {"desc_classe", "desc_classe", U("Classe Terapêutica"), 200},
    });
    GridProdutos->Delegate()->marcada = [this](int linha) { return Marcada(linha); };
    GridProdutos->Vincular(CDSProduto.get());
    corpo->addWidget(GridProdutos, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    ButOk = new QPushButton(QStringLiteral("&OK (F3)"), this);
    ButOk->setObjectName("ButOk");
    ButFechar = new QPushButton(QStringLiteral("&Cancelar (ESC)"), this);
    ButFechar->setObjectName("ButFechar");
    for (QPushButton* b : {ButOk, ButFechar}) {
        b->setAutoDefault(false);
        b->setMinimumSize(110, 28);
        botoes->addWidget(b);
    }
    corpo->addLayout(botoes);
    lay->addLayout(corpo, 1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    m_painelStatus = new QLabel(StatusBar1);
    m_painelStatus->setObjectName("pnStatus");
    StatusBar1->addWidget(m_painelStatus, 1);
    lay->addWidget(StatusBar1);

    QWidget* ordem[] = {BotaoFiltro[0], BotaoLimpar[0], BotaoFiltro[1], BotaoLimpar[1], BotaoFiltro[2],
                        BotaoLimpar[2], BotaoFiltro[3], BotaoLimpar[3], BotaoFiltro[4], BotaoLimpar[4],
                        BotaoFiltro[5], BotaoLimpar[5], EdProd,         btnPesquisar,   GridProdutos,
                        ButOk,          ButFechar};
    for (size_t i = 0; i + 1 < std::size(ordem); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);

    connect(btnPesquisar, &QPushButton::clicked, this,
            [this] { erro_geral::Proteger([this] { btnPesquisarClick(); }); });
    connect(ButOk, &QPushButton::clicked, this, [this] { erro_geral::Proteger([this] { ButOkClick(); }); });
    connect(ButFechar, &QPushButton::clicked, this,
            [this] { erro_geral::Proteger([this] { ButFecharClick(); }); });

    setFixedSize(960, 560);
    EdProd->setFocus();
    FormCreate();
    qApp->installEventFilter(this);
}

TFPesqProduto::~TFPesqProduto() {
    qApp->removeEventFilter(this);
    GridProdutos->Vincular(nullptr);
}

void TFPesqProduto::FormCreate() {
    ProdutosSelecionados.clear();
    ModoMarcacao = false;
    LimparFiltros();
}

void TFPesqProduto::AtivarMarcacao() {
    pnlMarcacao->setVisible(true);
    ModoMarcacao = true;
}

std::string& TFPesqProduto::ValorFiltro(TFiltro filtro) {
    switch (filtro) {
    case fGrupos:
        return Filtros.FiltroGrupos;
    case fEspecificacoes:
        return Filtros.FiltroEspecificacoes;
    case fFabricantes:
        return Filtros.FiltroFabricantes;
    case fPrincipios:
        return Filtros.FiltroPrincipios;
    case fClassesTerapeuticas:
        return Filtros.FiltroClassesTerapeuticas;
    case fGruposPreco:
        break;
    }
    return Filtros.FiltroGruposPreco;
}

const std::string& TFPesqProduto::Filtro(TFiltro filtro) const {
    return const_cast<TFPesqProduto*>(this)->ValorFiltro(filtro);
}

void TFPesqProduto::DefinirFiltro(TFiltro filtro, const std::string& ids, const std::string& descricao) {
    consulta_produtos::ValidarListaIds(ids);
    ValorFiltro(filtro) = ids;
    QPushButton* b = BotaoFiltro[filtro];
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setToolTip(U(kFiltros[filtro].dicaDefinido) + QStringLiteral("\r\n") + Q(descricao));
    BotaoLimpar[filtro]->setEnabled(true);
}

void TFPesqProduto::LimparFiltro(TFiltro filtro) {
    ValorFiltro(filtro).clear();
    QPushButton* b = BotaoFiltro[filtro];
    QFont f = b->font();
    f.setBold(false);
    b->setFont(f);
    b->setToolTip(U(kFiltros[filtro].dicaVazio));
    BotaoLimpar[filtro]->setEnabled(false);
}

void TFPesqProduto::LimparFiltros() {
    for (TFiltro f :
         {fGrupos, fEspecificacoes, fPrincipios, fClassesTerapeuticas, fFabricantes, fGruposPreco})
        LimparFiltro(f);
}

void TFPesqProduto::btnFiltroClick(TFiltro filtro) {
    const TDefinicaoFiltro& d = kFiltros[filtro];
    std::string ids = ValorFiltro(filtro);
    std::string descricao;
    TFFiltroGenerico2 lookup(this, m_dm, d.campoId, d.campoDescricao, d.tabela, QStringLiteral("Código"),
                             U(d.titulo), ids, descricao, "apagado");
    const int resultado = ExecutarFiltro(lookup);
    if (resultado != QDialog::Accepted || lookup.NadaSelecionado || ids.empty())
        LimparFiltro(filtro); // no restriction: every row, none, or the choice was cancelled
    else
        DefinirFiltro(filtro, ids, descricao);
}

bool TFPesqProduto::FiltroDefinido() const {
    return Filtros.Algum() || !texto::ApararEspacos(S(EdProd->text())).empty();
}

bool TFPesqProduto::ExisteRegistro() const {
    return CDSProduto->Ativa() && !CDSProduto->Vazia();
}

bool TFPesqProduto::Marcada(int linha) const {
    if (!ExisteRegistro() || linha < 0 || linha >= CDSProduto->QuantidadeRegistros())
        return false;
    return CDSProduto->Valor(linha, "marcado").AsString() == "S";
}

QString TFPesqProduto::TextoStatus() const {
    return m_painelStatus->text();
}

void TFPesqProduto::Pesquisar(const std::string& marca) {
    const int numero = CDSProduto->Ativa() ? CDSProduto->NumeroRegistro() : 0;
    CDSProduto->Fechar();
    CDSProduto->DefinirSQL(consulta_produtos::MontarSQLPesquisa(marca, Filtros, S(EdProd->text())));
    CDSProduto->Abrir();
    // the same row number as before, at most the last row
    if (numero > 1)
        CDSProduto->IrPara(numero);
    GridProdutos->SeguirCursor();
    m_painelStatus->setText(QStringLiteral("Registros encontrados: ") +
                            QString::number(CDSProduto->QuantidadeRegistros()));
}

void TFPesqProduto::btnPesquisarClick() {
    if (!FiltroDefinido()) {
        TDialogos::Informar(QStringLiteral("Defina um filtro para a pesquisa."));
        return;
    }
    Pesquisar("N");
    if (!ExisteRegistro())
        TDialogos::Informar(QStringLiteral("Nenhum Produto encontrado."));
    else
        GridProdutos->setFocus();
}

void TFPesqProduto::EdProdKeyDown(int tecla) {
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return;
    if (!texto::ApararEspacos(S(EdProd->text())).empty())
        btnPesquisarClick();
    else
        TDialogos::Informar(QStringLiteral("Digite a descrição do produto"));
}

void TFPesqProduto::MarcarDesmarcar() {
    if (!ModoMarcacao || !ExisteRegistro())
        return;
    const std::string id = CDSProduto->Valor("produto_id").AsString();
    if (CDSProduto->Valor("marcado").AsString() == "N") {
        CDSProduto->DefinirValor("marcado", TValor("S"));
        ProdutosSelecionados.insert(id);
    } else {
        CDSProduto->DefinirValor("marcado", TValor("N"));
        ProdutosSelecionados.erase(id);
    }
    GridProdutos->viewport()->update();
}

void TFPesqProduto::AdicionarTodosSelecionados() {
    const int numero = CDSProduto->NumeroRegistro();
    GridProdutos->setUpdatesEnabled(false);
    for (int i = 0; i < CDSProduto->QuantidadeRegistros(); ++i)
        ProdutosSelecionados.insert(CDSProduto->Valor(i, "produto_id").AsString());
    CDSProduto->IrPara(numero);
    GridProdutos->setUpdatesEnabled(true);
    GridProdutos->SeguirCursor();
}

void TFPesqProduto::MarcarTodos() {
    if (!ModoMarcacao || !ExisteRegistro())
        return;
    Pesquisar("S");
    AdicionarTodosSelecionados();
}

void TFPesqProduto::DesmarcarTodos() {
    if (!ModoMarcacao || !ExisteRegistro())
        return;
    ProdutosSelecionados.clear();
    Pesquisar("N");
}

void TFPesqProduto::ButOkClick() {
    if (!ExisteRegistro())
        return;
    if (ModoMarcacao && ProdutosSelecionados.empty()) {
        TDialogos::Informar(QStringLiteral("Nenhum produto selecionado!"));
        return;
    }
    accept();
}

void TFPesqProduto::ButFecharClick() {
    reject();
}

bool TFPesqProduto::FormKeyDown(int tecla, QWidget* foco) {
    switch (tecla) {
    case Qt::Key_F3:
        ButOk->click();
        return true;
    case Qt::Key_F4:
        btnPesquisar->click();
        return true;
    case Qt::Key_F5:
        erro_geral::Proteger([this] { MarcarDesmarcar(); });
        return true;
    case Qt::Key_F6:
        erro_geral::Proteger([this] { MarcarTodos(); });
        return true;
    case Qt::Key_F7:
        erro_geral::Proteger([this] { DesmarcarTodos(); });
        return true;
    case Qt::Key_Escape:
        ButFechar->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (foco == EdProd) {
            erro_geral::Proteger([this, tecla] { EdProdKeyDown(tecla); });
        } else if (auto* botao = qobject_cast<QAbstractButton*>(foco); botao && botao->window() == this) {
            botao->click(); // Enter presses the focused button
        }
        return true;
    }
    default:
        return false;
    }
}

bool TFPesqProduto::eventFilter(QObject* alvo, QEvent* evento) {
    QWidget* w = nullptr;
    QKeyEvent* k = TeclaDaJanela(alvo, evento, this, &w);
    return k && FormKeyDown(k->key(), w);
}
