#include "ui/wizard/FMain.h"

#include "core/app/ConfigSistemaQOR.h"
#include "core/app/Data.h"
#include "core/app/DmTorvane.h"
#include "core/app/Relogio.h"
#include "core/calc/CalculoRessarcimento.h"
#include "core/calc/TabelasTrabalho.h"
#include "ui/common/Balao.h"
#include "ui/common/Dialogos.h"
#include "ui/common/ErroGeral.h"
#include "ui/common/Imagens.h"
#include "ui/common/Teclado.h"
#include "ui/common/TextoQt.h"
#include "ui/wizard/ExibicaoEtapas.h"
#include "ui/wizard/PaginaAjustarSPED.h"
#include "ui/wizard/PaginaCalcular.h"
#include "ui/wizard/PaginaProdutos.h"
#include "ui/wizard/PaginaRelatorios.h"
#include "ui/wizard/PaginaResultados.h"
#include "ui/wizard/PaginaSelecao.h"

#include <QAbstractItemView>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const QString kAtencao = QStringLiteral("Atenção!");
}

TFMain::TFMain(TdmTorvane& dm, QWidget* pai) : QWidget(pai), m_dm(dm) {
    setObjectName("FMain");
    setWindowTitle(QStringLiteral("Assistente para cálculo de ressarcimento de ICMS ST"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSize(8);
    setFont(fonte);
    setFixedSize(819, 490);

    m_etapas = new TExibicaoEtapas(this);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addWidget(CriarCabecalho());

    auto* pnDados = new QWidget(this);
    pnDados->setObjectName("pnDados");
    auto* layDados = new QVBoxLayout(pnDados);
    layDados->setContentsMargins(0, 0, 0, 0);
    PageControl1 = new QStackedWidget(pnDados);
    PageControl1->setObjectName("PageControl1");
    layDados->addWidget(PageControl1);
    lay->addWidget(pnDados, 1);
    lay->addWidget(CriarRodape());

    tabHome = CriarHome();
    tabProdutos = new TPaginaProdutos(*this);
    tabCalcular = new TPaginaCalcular(*this);
    tabResultados = new TPaginaResultados(*this);
    tabSelecao = new TPaginaSelecao(*this);
    tabAjustarSPED = new TPaginaAjustarSPED(*this);
    tabRelatorios = new TPaginaRelatorios(*this);
    for (QWidget* p : std::initializer_list<QWidget*>{tabHome, tabProdutos, tabCalcular, tabResultados, tabSelecao,
                                                      tabAjustarSPED, tabRelatorios})
        PageControl1->addWidget(p);

    if (QScreen* tela = QGuiApplication::primaryScreen()) move(tela->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);

    erro_geral::Proteger([this] { FormCreate(); });
}

TFMain::~TFMain() {
    qApp->removeEventFilter(this);
    FormDestroy();
}

QWidget* TFMain::CriarCabecalho() {
    auto* pn = new QWidget(this);
    pn->setObjectName("pnCabecalho");
    pn->setFixedHeight(60);
    pn->setAutoFillBackground(true);
    QPalette pal = pn->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pn->setPalette(pal);
    auto* lay = new QHBoxLayout(pn);
    lay->setContentsMargins(12, 6, 8, 6);
    auto* textos = new QVBoxLayout;
    textos->setSpacing(2);
    auto* titulo = new QLabel(QStringLiteral("Ressarcimento de ICMS ST"), pn);
    titulo->setObjectName("lbTitulo");
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    f.setBold(true);
    titulo->setFont(f);
    auto* sub = new QLabel(QStringLiteral("Assistente de cálculo de ressarcimento para ICMS ST conforme portaria CAT 158/15"), pn);
    sub->setObjectName("lbSubtitulo");
    textos->addWidget(titulo);
    textos->addWidget(sub);
    lay->addLayout(textos, 1);
    auto* logo = new QLabel(pn);
    logo->setObjectName("imgLogo");
    logo->setPixmap(imagens::Logo(46));
    lay->addWidget(logo);
    return pn;
}

QWidget* TFMain::CriarRodape() {
    auto* pn = new QWidget(this);
    pn->setObjectName("pnRodape");
    pn->setFixedHeight(51);
    auto* lay = new QHBoxLayout(pn);
    lay->setContentsMargins(8, 8, 12, 8);
    lay->addStretch(1);
    btVoltar = new QPushButton(QStringLiteral("Voltar"), pn);
    btVoltar->setObjectName("btVoltar");
    btAvancar = new QPushButton(QStringLiteral("Avançar (F3)"), pn);
    btAvancar->setObjectName("btAvancar");
    btFechar = new QPushButton(QStringLiteral("Fechar (Esc)"), pn);
    btFechar->setObjectName("btFechar");
    for (QPushButton* b : {btVoltar, btAvancar, btFechar}) {
        b->setMinimumSize(100, 30);
        b->setAutoDefault(false);
        lay->addWidget(b);
    }
    setTabOrder(btVoltar, btAvancar);
    setTabOrder(btAvancar, btFechar);
    connect(btVoltar, &QPushButton::clicked, this, [this] { erro_geral::Proteger([this] { btVoltarClick(); }); });
    connect(btAvancar, &QPushButton::clicked, this, [this] { erro_geral::Proteger([this] { btAvancarClick(); }); });
    connect(btFechar, &QPushButton::clicked, this, [this] { erro_geral::Proteger([this] { btFecharClick(); }); });
    return pn;
}

QWidget* TFMain::CriarHome() {
    auto* pg = new QWidget;
    pg->setObjectName("tabHome");
    auto* lay = new QHBoxLayout(pg);
    lay->setContentsMargins(0, 0, 0, 0);
    auto* figura = new QLabel(pg);
    figura->setObjectName("imgHome");
    figura->setPixmap(imagens::Lateral(190, 379, QStringLiteral("Ressarcimento de ICMS ST")));
    lay->addWidget(figura);
    auto* conteudo = new QVBoxLayout;
    conteudo->setContentsMargins(24, 30, 24, 24);
    auto* lb = new QLabel(QStringLiteral("Data da posição de estoque"), pg);
    lb->setObjectName("lbDataInventario");
    dtDataInventario = new QDateEdit(pg);
    dtDataInventario->setObjectName("dtDataInventario");
    dtDataInventario->setCalendarPopup(true);
    dtDataInventario->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtDataInventario->setFixedWidth(120);
    lb->setBuddy(dtDataInventario);
    conteudo->addWidget(lb, 0, Qt::AlignLeft);
    conteudo->addWidget(dtDataInventario, 0, Qt::AlignLeft);
    conteudo->addStretch(1);
    lay->addLayout(conteudo, 1);
    return pg;
}

void TFMain::FormCreate() {
    TabelasTemporarias.clear();
    FilialId = TConfigSistemaQOR::ObterCodigoFilial();
    dtDataInventario->setDate(QDate(2016, 2, 22));
    std::string codigo =
        m_dm.ObterValor("SELECT cod_regime_tribut FROM filial WHERE filial_id = " + std::to_string(FilialId), "")
            .AsString();
    RegimeFilial = TMapTypesFiliais::Mapear(codigo);
    tabelas::CriarTabelasPermanentes(m_dm, TabelasTemporarias);
    tabResultados->PosicionarFiltros();
}

void TFMain::FormDestroy() {
    tabelas::RemoverTabelas(m_dm, TabelasTemporarias);
    TabelasTemporarias.clear();
    m_dm.DBLocal().Fechar();
}

void TFMain::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_mostrada) {
        m_mostrada = true;
        FormShow();
    }
}

void TFMain::FormShow() {
    AtivarPagina(pgHome);
    AtualizarBotoes();
}

TData TFMain::DataInventario() const {
    QDate d = dtDataInventario->date();
    return TData{d.year(), d.month(), d.day()};
}

int TFMain::PaginaAtiva() const { return PageControl1->currentIndex(); }

void TFMain::AtualizarBotoes() {
    int i = PaginaAtiva();
    btVoltar->setEnabled(i >= 1);
    btAvancar->setEnabled(i < pgRelatorios);
    btFechar->setEnabled(true);
}

void TFMain::AtivarPagina(int indice) {
    PageControl1->setCurrentIndex(indice);
    switch (indice) {
    case pgHome: tabHomeShow(); break;
    default:
        if (auto* p = qobject_cast<TPagina*>(PageControl1->widget(indice))) p->AoMostrar();
    }
}

void TFMain::tabHomeShow() {
    if (dtDataInventario->isEnabled() && dtDataInventario->isVisible()) dtDataInventario->setFocus();
}

void TFMain::btAvancarClick() {
    struct TFinal {
        TFMain* m;
        ~TFinal() { m->AtualizarBotoes(); }
    } final{this};
    switch (PaginaAtiva()) {
    case pgHome: {
        TMomento agora = TRelogio::Agora();
        if (DataInventario() > agora.data) {
            TBalao::Mostrar(dtDataInventario, kAtencao,
                            QStringLiteral("A data selecionada é inválida.\r\nPor favor, informe uma data menor ou igual a atual."));
            dtDataInventario->setFocus();
            return;
        }
        AtivarPagina(pgProdutos);
        break;
    }
    case pgProdutos:
        if (!tabProdutos->GradeTemRegistros()) {
            TBalao::Mostrar(tabProdutos->btPesquisar, kAtencao,
                            QStringLiteral("É necessário incluir ao menos um item para cálculo do ressarcimento."));
            tabProdutos->btPesquisar->setFocus();
            return;
        }
        AtivarPagina(pgCalcular);
        break;
    case pgCalcular:
        tabCalcular->ReiniciarEtapas();
        AtivarPagina(pgResultados);
        break;
    case pgResultados: {
        TCalculoRessarcimento calculo(m_dm, FilialId, DataInventario(), *m_etapas);
        if (!calculo.ExisteItemRestituir()) {
            TDialogos::Informar(QStringLiteral("Não há item para restituição de ICMS Retido."));
            return;
        }
        if (!TDialogos::Confirmar(QStringLiteral("Confirma a apuração?"), true, QStringLiteral("Confirmação...")))
            return;
        AtivarPagina(RegimeFilial == TTipoFilial::tfSN ? pgRelatorios : pgSelecao);
        break;
    }
    case pgSelecao:
        if (tabSelecao->cbNaoAtualizar->isChecked()) {
            AtivarPagina(pgRelatorios);
        } else if (!tabSelecao->edCaminhoArquivo->text().trimmed().isEmpty()) {
            AtivarPagina(pgAjustarSPED);
        } else {
            TBalao::Mostrar(tabSelecao->btSelecionarArquivo, kAtencao,
                            QStringLiteral("Informe o arquivo de SPED a ser incluída a restituição do imposto."));
        }
        break;
    case pgAjustarSPED:
        tabAjustarSPED->ReiniciarEtapasSPED();
        AtivarPagina(pgRelatorios);
        break;
    default:
        break; // the last page
    }
}

void TFMain::btVoltarClick() {
    struct TFinal {
        TFMain* m;
        ~TFinal() { m->AtualizarBotoes(); }
    } final{this};
    switch (PaginaAtiva()) {
    case pgProdutos: AtivarPagina(pgHome); break;
    case pgCalcular:
        tabCalcular->ReiniciarEtapas();
        AtivarPagina(pgProdutos);
        break;
    case pgResultados: AtivarPagina(pgProdutos); break;
    case pgSelecao: AtivarPagina(pgResultados); break;
    case pgAjustarSPED:
        tabAjustarSPED->ReiniciarEtapasSPED();
        AtivarPagina(pgSelecao);
        break;
    case pgRelatorios: AtivarPagina(RegimeFilial == TTipoFilial::tfSN ? pgResultados : pgSelecao); break;
    default: break; // the first page
    }
}

void TFMain::btFecharClick() { close(); }

void TFMain::IniciarOperacaoLonga() { ++m_operacoesLongas; }

void TFMain::ConcluirOperacaoLonga() {
    if (m_operacoesLongas > 0) --m_operacoesLongas;
    if (m_operacoesLongas == 0 && m_fecharPendente) {
        m_fecharPendente = false;
        QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
    }
}

void TFMain::closeEvent(QCloseEvent* e) {
    if (OperacaoLongaEmAndamento()) {
        // the work goes on to its end; the question comes when it is done
        m_fecharPendente = true;
        e->ignore();
        return;
    }
    if (TDialogos::Confirmar(QStringLiteral("Deseja realmente finalizar o assistente?"), false,
                             QStringLiteral("Confirmação...")))
        e->accept();
    else
        e->ignore();
}

bool TFMain::eventFilter(QObject* alvo, QEvent* evento) {
    QWidget* w = nullptr;
    QKeyEvent* k = TeclaDaJanela(alvo, evento, this, &w);
    if (!k) return false;
    switch (k->key()) {
    case Qt::Key_F3:
        if (btAvancar->isEnabled()) btAvancar->click();
        return true;
    case Qt::Key_Escape:
        if (btFechar->isEnabled()) btFechar->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QWidget* foco = w;
        if (auto* botao = qobject_cast<QAbstractButton*>(foco)) {
            // Enter on a focused button presses it
            if (botao->isEnabled()) botao->click();
            return true;
        }
        if (qobject_cast<QTextEdit*>(foco) ||
            qobject_cast<QPlainTextEdit*>(foco) || qobject_cast<QAbstractItemView*>(foco))
            return false;
        // a date field's own edit line belongs to it
        focusNextChild();
        return true;
    }
    default:
        return false;
    }
}
