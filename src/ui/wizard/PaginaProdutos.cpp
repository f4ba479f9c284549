#include "ui/wizard/PaginaProdutos.h"

#include "core/app/DmTorvane.h"
#include "core/app/Query.h"
#include "ui/common/Dialogos.h"
#include "ui/common/ErroGeral.h"
#include "ui/common/Formatos.h"
#include "ui/common/Grade.h"
#include "ui/common/Imagens.h"
#include "ui/common/TextoQt.h"
#include "ui/selection/FPesqProduto.h"
#include "ui/wizard/ExibicaoEtapas.h"
#include "ui/wizard/FMain.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <utility>
#include <vector>

namespace {

const char* const kSQLProdutos =
    "SELECT  produto.produto_id,  produto.barras,  produto.descricao FROM  temp_produtos JOIN  produto ON  "
    "produto.produto_id = temp_produtos.produto_id ORDER BY  produto.descricao ";

constexpr int kMargem = 8;
constexpr int kTopoGrade = 40;
constexpr int kLarguraGrade = 803;
constexpr int kAlturaGradeComContagem = 311;
constexpr int kAlturaGradeSemContagem = 331;

} // namespace

TPaginaProdutos::TPaginaProdutos(TFMain& main) : TPagina(main, "tabProdutos") {
    ExecutarPesquisa = [](TFPesqProduto& f) { return f.exec(); };
    QProdutos = std::make_unique<TQuery>(main.dm().DBLocal());

    btPesquisar = new QPushButton(QStringLiteral("Pesquisar produto"), this);
    btPesquisar->setObjectName("btPesquisar");
    btPesquisar->setGeometry(kMargem, 8, 130, 25);
    btRemover = new QPushButton(QStringLiteral("Remover produto"), this);
    btRemover->setObjectName("btRemover");
    btRemover->setGeometry(kMargem + 136, 8, 120, 25);
    btRemover->setEnabled(false);

    PopupRemover = new QMenu(this);
    PopupRemover->setObjectName("PopupRemover");
    RemoverTodos = PopupRemover->addAction(QStringLiteral("Remover todos os produtos"));
    RemoverTodos->setObjectName("RemoverTodos");
    RemoverTodos->setToolTip(QStringLiteral("Remover todos os produtos da grade"));
    RemoverTodos->setStatusTip(RemoverTodos->toolTip());
    PopupRemover->setToolTipsVisible(true);
    btRemoverMais = new QToolButton(this);
    btRemoverMais->setObjectName("btRemoverMais");
    btRemoverMais->setArrowType(Qt::DownArrow);
    btRemoverMais->setPopupMode(QToolButton::InstantPopup);
    btRemoverMais->setMenu(PopupRemover);
    btRemoverMais->setGeometry(kMargem + 256, 8, 18, 25);
    btRemoverMais->setEnabled(false);
    btRemoverMais->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));

    DBGridProdutos = new TGrade(this);
    DBGridProdutos->setObjectName("DBGridProdutos");
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSize(8);
    DBGridProdutos->setFont(fonte);
    DBGridProdutos->setFocusPolicy(Qt::ClickFocus); // skipped by Tab
    DBGridProdutos->DefinirColunas({
        {"produto_id", "produto_id", QStringLiteral("ID"), 80, Qt::AlignRight | Qt::AlignVCenter},
        {"barras", "barras", QStringLiteral("Código de barras"), 150},
        {"descricao", "descricao", QStringLiteral("Descrição"), 548},
    });
    DBGridProdutos->setGeometry(kMargem, kTopoGrade, kLarguraGrade, kAlturaGradeSemContagem);

    pnQuantidadeProdutos = new QFrame(this);
    pnQuantidadeProdutos->setObjectName("pnQuantidadeProdutos");
    pnQuantidadeProdutos->setGeometry(kMargem, kTopoGrade + kAlturaGradeComContagem, kLarguraGrade,
                                      kAlturaGradeSemContagem - kAlturaGradeComContagem);
    auto* layQ = new QHBoxLayout(pnQuantidadeProdutos);
    layQ->setContentsMargins(4, 0, 4, 0);
    lbQuantidadeProdutos = new QLabel(pnQuantidadeProdutos);
    lbQuantidadeProdutos->setObjectName("lbQuantidadeProdutos");
    QFont negrito = lbQuantidadeProdutos->font();
    negrito.setBold(true);
    lbQuantidadeProdutos->setFont(negrito);
    layQ->addWidget(lbQuantidadeProdutos);
    layQ->addStretch(1);
    pnQuantidadeProdutos->setVisible(false);

    pnAnimatorGradeProdutos = new QFrame(this);
    pnAnimatorGradeProdutos->setObjectName("pnAnimatorGradeProdutos");
    pnAnimatorGradeProdutos->setFrameShape(QFrame::Box);
    pnAnimatorGradeProdutos->setAutoFillBackground(true);
    QPalette pal = pnAnimatorGradeProdutos->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pnAnimatorGradeProdutos->setPalette(pal);
    auto* layA = new QHBoxLayout(pnAnimatorGradeProdutos);
    layA->setContentsMargins(10, 6, 10, 6);
    RxGIFAnimator = new TAnimacao(pnAnimatorGradeProdutos, 16);
    RxGIFAnimator->setObjectName("RxGIFAnimator");
    auto* aguarde =
        new QLabel(QStringLiteral("Aguarde por favor, atualizando a grade..."), pnAnimatorGradeProdutos);
    aguarde->setObjectName("lbAguardeGrade");
    layA->addWidget(RxGIFAnimator);
    layA->addWidget(aguarde, 1);
    const int larguraAnimacao = 300, alturaAnimacao = 34;
    pnAnimatorGradeProdutos->setGeometry(kMargem + (kLarguraGrade - larguraAnimacao) / 2,
                                         kTopoGrade + (kAlturaGradeSemContagem - alturaAnimacao) / 2,
                                         larguraAnimacao, alturaAnimacao);
    pnAnimatorGradeProdutos->setVisible(false);

    setTabOrder(btPesquisar, btRemover);
    setTabOrder(btRemover, btRemoverMais);

    connect(btPesquisar, &QPushButton::clicked, this,
            [this] { erro_geral::Proteger([this] { btPesquisarClick(); }); });
    connect(btRemover, &QPushButton::clicked, this,
            [this] { erro_geral::Proteger([this] { btRemoverClick(); }); });
    connect(RemoverTodos, &QAction::triggered, this,
            [this] { erro_geral::Proteger([this] { RemoverTodosClick(); }); });
    connect(DBGridProdutos, &TGrade::tituloClicado, this, [this](int coluna) {
        erro_geral::Proteger([this, coluna] { DBGridProdutosTitleClick(coluna); });
    });
}

TPaginaProdutos::~TPaginaProdutos() {
    DBGridProdutos->Vincular(nullptr);
}

void TPaginaProdutos::AoMostrar() {
    if (btPesquisar->isEnabled() && btPesquisar->isVisible())
        btPesquisar->setFocus();
}

bool TPaginaProdutos::GradeTemRegistros() const {
    return DBGridProdutos->TemRegistros();
}

void TPaginaProdutos::btPesquisarClick() {
    TFPesqProduto pesquisa(&m_main, m_main.dm());
    pesquisa.AtivarMarcacao();
    if (ExecutarPesquisa(pesquisa) != QDialog::Accepted)
        return;

    // the buttons that could start another action stay disabled while the products are added;
    // their states come back also when adding or refreshing fails
    struct TEstados {
        TPaginaProdutos* p;
        std::vector<std::pair<QPushButton*, bool>> botoes;
        bool restaurado = false;
        void Restaurar() {
            if (restaurado)
                return;
            restaurado = true;
            p->RxGIFAnimator->Parar();
            p->pnAnimatorGradeProdutos->setVisible(false);
            for (auto& [botao, habilitado] : botoes)
                botao->setEnabled(habilitado);
        }
        ~TEstados() { Restaurar(); }
    } estados{this, {}};
    for (QPushButton* b : {btPesquisar, m_main.btVoltar, m_main.btAvancar, m_main.btFechar})
        estados.botoes.emplace_back(b, b->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{btPesquisar, btRemover, btRemoverMais, m_main.btVoltar,
                                                      m_main.btAvancar, m_main.btFechar})
        w->setEnabled(false);
    pnAnimatorGradeProdutos->raise();
    pnAnimatorGradeProdutos->setVisible(true);
    RxGIFAnimator->Iniciar();

    const std::vector<std::string> ids(pesquisa.ProdutosSelecionados.begin(),
                                       pesquisa.ProdutosSelecionados.end());
    UltimaInclusao =
        inclusao_produtos::Incluir(m_main.dm(), ids, [this] { m_main.Etapas().AtualizarTela(); });
    AtualizarGradeProdutos();
    estados.Restaurar();

    if (UltimaInclusao.NaoIncluidos > 0)
        TDialogos::Informar(QString::number(UltimaInclusao.NaoIncluidos) +
                            QStringLiteral(" produto(s) não puderam ser incluídos."));
    if (m_main.btAvancar->isEnabled() && m_main.btAvancar->isVisible())
        m_main.btAvancar->setFocus();
}

void TPaginaProdutos::AtualizarGradeProdutos() {
    QProdutos->Fechar();
    QProdutos->DefinirSQL(kSQLProdutos);
    QProdutos->Abrir();
    DBGridProdutos->Vincular(QProdutos.get());
    // the order is back to the description
    DBGridProdutos->Cabecalho()->PintarTodos(Qt::white);

    const int quantidade = QProdutos->QuantidadeRegistros();
    btRemover->setEnabled(quantidade > 0);
    btRemoverMais->setEnabled(btRemover->isEnabled());
    pnQuantidadeProdutos->setVisible(btRemover->isEnabled());
    if (pnQuantidadeProdutos->isVisibleTo(this)) {
        DBGridProdutos->setFixedHeight(kAlturaGradeComContagem);
        lbQuantidadeProdutos->setText(quantidade == 1 ? QStringLiteral("1 produto incluído")
                                                      : FormatarMilhar(quantidade) +
                                                            QStringLiteral(" produtos incluídos"));
    } else {
        DBGridProdutos->setFixedHeight(kAlturaGradeSemContagem);
    }
}

void TPaginaProdutos::btRemoverClick() {
    if (!DBGridProdutos->TemRegistros())
        return;
    m_main.dm().ExecutarSQL("DELETE FROM temp_produtos WHERE produto_id = " +
                            std::to_string(QProdutos->Valor("produto_id").AsInteger()));
    AtualizarGradeProdutos();
}

void TPaginaProdutos::RemoverTodosClick() {
    if (!TDialogos::Confirmar(QStringLiteral("Deseja realmente remover todos os produtos da grade?"), true,
                              QStringLiteral("Confirmação...")))
        return;
    m_main.dm().ExecutarSQL("TRUNCATE TABLE temp_produtos");
    AtualizarGradeProdutos();
}

void TPaginaProdutos::DBGridProdutosTitleClick(int coluna) {
    OrdenarGrade(*DBGridProdutos, coluna, OrdemGradeProdutos);
}
