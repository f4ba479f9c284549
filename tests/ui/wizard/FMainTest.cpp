#include "core/app/DmTorvane.h"
#include "ui/common/Balao.h"
#include "ui/common/ErroGeral.h"
#include "ui/wizard/ExibicaoEtapas.h"
#include "ui/wizard/PaginaCalcular.h"
#include "ui/wizard/PaginaProdutos.h"
#include "ui/wizard/PaginaSelecao.h"
#include "JanelaTeste.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>

namespace {

using FMainTest = JanelaTeste;

TEST_F(FMainTest, CriacaoLeFilialRegimeECriaAsTabelasDeTrabalho) {
    banco.Executar("INSERT INTO filial (filial_id, nome, cod_regime_tribut) VALUES (2, 'LOJA 2', 'sn')");
    TFMain& m = Abrir();
    EXPECT_EQ(m.FilialId, 2);
    EXPECT_EQ(m.RegimeFilial, TTipoFilial::tfSN); // the map ignores letter case
    EXPECT_EQ(m.dtDataInventario->date(), QDate(2016, 2, 22));
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Assistente para cálculo de ressarcimento de ICMS ST"));
    EXPECT_EQ(m.size(), QSize(819, 490));
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgHome);
    EXPECT_EQ(m.TabelasTemporarias,
              (std::vector<std::string>{"temp_produtos", "temp_estoque", "temp_documentos", "temp_apuracao"}));
    for (const char* t : {"temp_produtos", "temp_estoque", "temp_documentos", "temp_apuracao"})
        EXPECT_EQ(Contar(std::string("SELECT COUNT(*) FROM ") + t), 0) << t;
    // the three buttons in their order, Voltar disabled on the first page
    EXPECT_FALSE(m.btVoltar->isEnabled());
    EXPECT_TRUE(m.btAvancar->isEnabled());
    EXPECT_TRUE(m.btFechar->isEnabled());
    EXPECT_LT(m.btVoltar->x(), m.btAvancar->x());
    EXPECT_LT(m.btAvancar->x(), m.btFechar->x());
}

TEST_F(FMainTest, RegimeSemLinhaDaFilialEOutro) {
    TFMain& m = Abrir();
    EXPECT_EQ(m.RegimeFilial, TTipoFilial::tfOutro);
}

TEST_F(FMainTest, DestruicaoRemoveAsTabelasDeTrabalho) {
    Abrir();
    banco.dm().ExecutarSQL("INSERT INTO temp_produtos (produto_id) VALUES (1)");
    // registered twice: the second drop does nothing
    main->TabelasTemporarias.push_back("temp_produtos");
    main.reset();
    // the working connection was closed; the next statement reopens it without the tables
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_produtos"), -1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM produto"), 0);
}

TEST_F(FMainTest, FalhaAoCriarTabelasMostraOErroEAJanelaAbre) {
    // a table of that name already on the working connection makes the first CREATE fail
    banco.dm().ExecutarSQL("CREATE TEMPORARY TABLE temp_produtos (x INT)");
    TFMain& m = Abrir();
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(m.TabelasTemporarias.empty());
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, "erro");
    EXPECT_EQ(msgs[0].titulo, erro_geral::TituloPrograma());
    EXPECT_TRUE(msgs[0].mensagem.contains("temp_produtos")) << msgs[0].mensagem.toStdString();
    EXPECT_TRUE(msgs[0].mensagem.endsWith('.'));
}

TEST_F(FMainTest, DataDeHojePassaAmanhaERecusada) {
    TMomento agora;
    agora.data = TData{2026, 12, 11};
    agora.hora = 10;
    TRelogio::Fixar(agora);
    TFMain& m = Abrir();

    m.dtDataInventario->setDate(QDate(2026, 12, 12));
    Avancar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgHome);
    auto* balao = m.findChild<TBalao*>("BalloonHint");
    ASSERT_NE(balao, nullptr);
    EXPECT_TRUE(balao->isVisible());
    EXPECT_EQ(balao->Alvo(), m.dtDataInventario);
    EXPECT_EQ(balao->Titulo(), QStringLiteral("Atenção!"));
    EXPECT_EQ(balao->Texto(), QStringLiteral("A data selecionada é inválida.\nPor favor, informe uma data menor ou igual a atual."));

    m.dtDataInventario->setDate(QDate(2026, 12, 11));
    Avancar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);
    EXPECT_TRUE(m.btVoltar->isEnabled());
}

TEST_F(FMainTest, ProdutosVaziosRecusamAvancar) {
    TFMain& m = Abrir();
    Avancar();
    ASSERT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);
    Avancar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);
    auto* balao = m.findChild<TBalao*>("BalloonHint");
    ASSERT_NE(balao, nullptr);
    EXPECT_EQ(balao->Alvo(), m.tabProdutos->btPesquisar);
    EXPECT_EQ(balao->Texto(), QStringLiteral("É necessário incluir ao menos um item para cálculo do ressarcimento."));
    Voltar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgHome);
    EXPECT_FALSE(m.btVoltar->isEnabled());
}

TEST_F(FMainTest, PerguntaAoFechar) {
    TFMain& m = Abrir();
    TDialogos::Responder(false);
    m.btFechar->click();
    EXPECT_TRUE(m.isVisible());
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, "confirmar");
    EXPECT_EQ(msgs[0].titulo, QStringLiteral("Confirmação..."));
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("Deseja realmente finalizar o assistente?"));
    // the working tables are still there
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_apuracao"), 0);

    // Esc presses Fechar; Yes closes
    TDialogos::Responder(true);
    QTest::keyClick(m.dtDataInventario, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(m.isVisible());
}

TEST_F(FMainTest, ConfirmarComNaoPadraoRespondeNaoAoEnter) {
    for (bool simPadrao : {false, true}) {
        std::unique_ptr<QMessageBox> box(TDialogos::CriarCaixaConfirmar(QStringLiteral("?"), simPadrao, QStringLiteral("t")));
        EXPECT_EQ(box->defaultButton(), box->button(simPadrao ? QMessageBox::Yes : QMessageBox::No));
        box->show();
        QTest::keyClick(box.get(), Qt::Key_Return);
        EXPECT_EQ(box->result(), simPadrao ? QMessageBox::Yes : QMessageBox::No);
    }
}

TEST_F(FMainTest, F3EEscNadaFazemComOsBotoesDesabilitados) {
    TFMain& m = Abrir();
    m.btAvancar->setEnabled(false);
    m.btFechar->setEnabled(false);
    QTest::keyClick(m.dtDataInventario, Qt::Key_F3);
    QTest::keyClick(m.dtDataInventario, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgHome);
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(Mensagens().empty());
    // with them enabled F3 moves on
    m.AtualizarBotoes();
    QTest::keyClick(m.dtDataInventario, Qt::Key_F3);
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);
}

TEST_F(FMainTest, EnterPassaAoProximoControleMasPressionaBotoes) {
    TFMain& m = Abrir();
    m.activateWindow();
    m.dtDataInventario->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(m.dtDataInventario->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(m.dtDataInventario->hasFocus());
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgHome);
    // Enter on a focused button presses it
    m.btAvancar->setFocus();
    QTest::keyClick(m.btAvancar, Qt::Key_Return);
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);
}

TEST_F(FMainTest, CaixaDeErroGeralAcrescentaPonto) {
    struct {
        const char* texto;
        const char* esperado;
    } casos[] = {{"Falhou", "Falhou."}, {"Falhou.", "Falhou."}, {"Erro 42", "Erro 42."}, {"Erro!", "Erro!"},
                 {"(x)", "(x)"}, {"", ""}, {"fim:", "fim:."}};
    for (const auto& c : casos)
        EXPECT_EQ(erro_geral::TextoErro(QString::fromUtf8(c.texto)), QString::fromUtf8(c.esperado)) << c.texto;
}

TEST_F(FMainTest, ErroQueEscapaDeUmEventoMostraACaixaEAJanelaContinua) {
    TFMain& m = Abrir();
    // an error escaping a handler's body reaches the general error box
    bool ok = erro_geral::Proteger([] { throw EErroSistema("falha de teste"); });
    EXPECT_FALSE(ok);
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("falha de teste."));
    Avancar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);
}

TEST_F(FMainTest, SelecaoSemArquivoENaoAtualizar) {
    TFMain& m = Abrir();
    // reach the file page through its own buttons' rules
    m.PageControl1->setCurrentIndex(TFMain::pgSelecao);
    m.AtualizarBotoes();
    Avancar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgSelecao);
    auto* balao = m.findChild<TBalao*>("BalloonHint");
    ASSERT_NE(balao, nullptr);
    EXPECT_EQ(balao->Alvo(), m.tabSelecao->btSelecionarArquivo);
    EXPECT_EQ(balao->Texto(), QStringLiteral("Informe o arquivo de SPED a ser incluída a restituição do imposto."));
    m.tabSelecao->cbNaoAtualizar->click();
    EXPECT_FALSE(m.tabSelecao->edCaminhoArquivo->isEnabled());
    Avancar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgRelatorios);
    EXPECT_FALSE(m.btAvancar->isEnabled());
    QTest::keyClick(m.btVoltar, Qt::Key_F3); // F3 on the last page does nothing
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgRelatorios);
    Voltar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgSelecao);
    Voltar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgResultados);
    Voltar();
    EXPECT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);
}

} // namespace
