#include "ui/selection/FFiltroGenerico2.h"

#include "core/app/DmTorvane.h"
#include "core/app/Query.h"
#include "core/app/Texto.h"
#include "core/selection/ConsultaProdutos.h"
#include "ui/common/ErroGeral.h"
#include "ui/common/Grade.h"
#include "ui/common/Teclado.h"
#include "ui/common/TextoQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>

namespace {
const char* const kMarcado = "MARCADO";
}

TCoresCelula TDelegateFiltro::Cores(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const {
    bool selecionada = opcao.state & QStyle::State_Selected;
    if (marcada && marcada(indice.row())) {
        bool comFoco = opcao.widget && opcao.widget->hasFocus();
        QColor texto =
            selecionada && comFoco ? QColor(Qt::white) : QApplication::palette().color(QPalette::WindowText);
        return {QColor(255, 128, 128), texto};
    }
    return TColorGrid::ColorirLinha(selecionada, indice.row() + 1);
}

TFFiltroGenerico2::TFFiltroGenerico2(QWidget* dono, TdmTorvane& dm, const std::string& campoId,
                                     const std::string& campoDescricao, const std::string& tabela,
                                     const QString& tituloCodigo, const QString& tituloDescricao,
                                     std::string& IdsSelecionados, std::string& DescricaoSelecionados,
                                     const std::string& campoApagado)
    : QDialog(dono), m_campoId(campoId), m_campoDescricao(campoDescricao), m_ids(IdsSelecionados),
      m_descricao(DescricaoSelecionados) {
    setObjectName("FFiltroGenerico2");
    setWindowTitle(QStringLiteral("Filtro - Seleção de ") + tituloDescricao);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSize(8);
    setFont(fonte);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(8, 8, 8, 8);
    lay->setSpacing(4);
    lbTitulo = new QLabel(tituloDescricao + QStringLiteral(" (Código/Descrição)"), this);
    lbTitulo->setObjectName("lbTitulo");
    lay->addWidget(lbTitulo);
    EditPesquisa = new QLineEdit(this);
    EditPesquisa->setObjectName("EditPesquisa");
    lbTitulo->setBuddy(EditPesquisa);
    lay->addWidget(EditPesquisa);

    oGrid = new TGrade(this);
    oGrid->setObjectName("oGrid");
    oGrid->DefinirColunas({
        {Q(campoId), Q(campoId), tituloCodigo, 60, Qt::AlignRight | Qt::AlignVCenter},
        {Q(campoDescricao), Q(campoDescricao), tituloDescricao, 315},
    });
    Delegate = new TDelegateFiltro(oGrid);
    Delegate->marcada = [this](int linha) { return Marcada(linha); };
    oGrid->setItemDelegate(Delegate);
    lay->addWidget(oGrid, 1);

    auto* legenda = new QHBoxLayout;
    legenda->setSpacing(6);
    auto* teclas = new QLabel(QStringLiteral("F5 - Marca/Desmarca   F6 - Todos   F7 - Nenhum"), this);
    teclas->setObjectName("lbTeclas");
    auto* quadrado = new QFrame(this);
    quadrado->setObjectName("shMarcados");
    quadrado->setFixedSize(14, 14);
    quadrado->setStyleSheet(
        QStringLiteral("QFrame#shMarcados { background: rgb(255, 128, 128); border: 1px solid black; }"));
    auto* marcados = new QLabel(QStringLiteral("Marcados para Seleção"), this);
    marcados->setObjectName("lbMarcados");
    legenda->addWidget(quadrado);
    legenda->addWidget(marcados);
    legenda->addStretch(1);
    lay->addWidget(teclas);
    lay->addLayout(legenda);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName("btnOK");
    btnCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    btnCancelar->setObjectName("btnCancelar");
    for (QPushButton* b : {btnOK, btnCancelar}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(85);
        botoes->addWidget(b);
    }
    lay->addLayout(botoes);
    setTabOrder(EditPesquisa, oGrid);
    setTabOrder(oGrid, btnOK);
    setTabOrder(btnOK, btnCancelar);

    connect(EditPesquisa, &QLineEdit::textChanged, this,
            [this] { erro_geral::Proteger([this] { EditPesquisaChange(); }); });
    connect(btnOK, &QPushButton::clicked, this, [this] { erro_geral::Proteger([this] { btnOKClick(); }); });
    connect(btnCancelar, &QPushButton::clicked, this,
            [this] { erro_geral::Proteger([this] { btnCancelarClick(); }); });

    setFixedSize(430, 440);
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());

    // A failure here leaves the constructor: the opener shows no dialog.
    QrySelecao = std::make_unique<TQuery>(dm.BancodeDados());
    QrySelecao->LimparSQL();
    QrySelecao->DefinirSQL(
        consulta_produtos::MontarSQLFiltro(campoId, campoDescricao, tabela, IdsSelecionados, campoApagado));
    QrySelecao->Abrir();
    oGrid->Vincular(QrySelecao.get());

    qApp->installEventFilter(this);
}

TFFiltroGenerico2::~TFFiltroGenerico2() {
    qApp->removeEventFilter(this);
    oGrid->Vincular(nullptr);
}

bool TFFiltroGenerico2::Marcada(int linha) const {
    if (!QrySelecao || !QrySelecao->Ativa() || linha < 0 || linha >= QrySelecao->QuantidadeRegistros())
        return false;
    return QrySelecao->Valor(linha, kMarcado).AsString() == "S";
}

int TFFiltroGenerico2::QuantidadeMarcados() const {
    int n = 0;
    for (int i = 0; QrySelecao->Ativa() && i < QrySelecao->QuantidadeRegistros(); ++i)
        if (Marcada(i))
            ++n;
    return n;
}

void TFFiltroGenerico2::MarcarDesmarcar() {
    if (!QrySelecao->Ativa() || QrySelecao->Vazia())
        return;
    bool marcado = QrySelecao->Valor(kMarcado).AsString() == "S";
    QrySelecao->DefinirValor(kMarcado, TValor(marcado ? "N" : "S"));
    oGrid->viewport()->update();
}

void TFFiltroGenerico2::MarcarTodos(const std::string& marca) {
    if (!QrySelecao->Ativa() || QrySelecao->Vazia())
        return;
    oGrid->setUpdatesEnabled(false);
    int campo = QrySelecao->IndiceCampo(kMarcado);
    for (int i = 0; i < QrySelecao->QuantidadeRegistros(); ++i)
        QrySelecao->DefinirValor(i, campo, TValor(marca));
    oGrid->setUpdatesEnabled(true);
    oGrid->viewport()->update();
}

void TFFiltroGenerico2::EditPesquisaChange() {
    const std::string digitado = S(EditPesquisa->text());
    const std::string aparado = texto::ApararEspacos(digitado);
    if (aparado.empty() || !QrySelecao->Ativa())
        return;
    long long codigo = 0;
    const bool numero = texto::ParaInteiro(aparado, codigo);
    const std::string prefixo = texto::Minusculas(digitado);
    for (int i = 0; i < QrySelecao->QuantidadeRegistros(); ++i) {
        bool achou =
            numero ? QrySelecao->Valor(i, m_campoId).AsInteger() == codigo
                   : texto::ComecaCom(texto::Minusculas(QrySelecao->Valor(i, m_campoDescricao).AsString()),
                                      prefixo);
        if (achou) {
            QrySelecao->IrPara(i + 1);
            oGrid->SeguirCursor();
            return;
        }
    }
}

void TFFiltroGenerico2::btnOKClick() {
    std::string ids;
    std::string descricoes;
    int marcados = 0;
    const int total = QrySelecao->Ativa() ? QrySelecao->QuantidadeRegistros() : 0;
    for (int i = 0; i < total; ++i) {
        if (!Marcada(i))
            continue;
        ++marcados;
        const TValor& id = QrySelecao->Valor(i, m_campoId);
        ids += "," + id.AsString();
        char codigo[32];
        std::snprintf(codigo, sizeof codigo, "%08lld", static_cast<long long>(id.AsInteger()));
        if (!descricoes.empty())
            descricoes += "\r\n";
        descricoes += codigo;
        descricoes += " - " + QrySelecao->Valor(i, m_campoDescricao).AsString();
    }
    if (marcados > 0 && marcados < total) {
        m_ids = "(" + ids.substr(1) + ")";
        m_descricao = descricoes;
    } else {
        m_ids.clear();
        m_descricao = texto::W("TODOS OS REGISTROS ESTÃO SELECIONADOS");
        if (marcados == 0)
            NadaSelecionado = true;
    }
    accept();
}

void TFFiltroGenerico2::btnCancelarClick() {
    reject();
}

bool TFFiltroGenerico2::FormKeyDown(int tecla, QWidget* foco) {
    switch (tecla) {
    case Qt::Key_Escape:
        btnCancelar->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter presses the focused button, and OK from any other control
        auto* botao = qobject_cast<QAbstractButton*>(foco);
        if (botao && botao->window() == this)
            botao->click();
        else
            btnOK->click();
        return true;
    }
    case Qt::Key_F5:
        erro_geral::Proteger([this] { MarcarDesmarcar(); });
        return true;
    case Qt::Key_F6:
        erro_geral::Proteger([this] { MarcarTodos("S"); });
        return true;
    case Qt::Key_F7:
        erro_geral::Proteger([this] { MarcarTodos("N"); });
        return true;
    default:
        return false;
    }
}

bool TFFiltroGenerico2::eventFilter(QObject* alvo, QEvent* evento) {
    QWidget* w = nullptr;
    QKeyEvent* k = TeclaDaJanela(alvo, evento, this, &w);
    return k && FormKeyDown(k->key(), w);
}
