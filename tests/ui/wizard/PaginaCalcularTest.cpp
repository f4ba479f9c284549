#include "core/app/DmTorvane.h"
#include "ui/common/Grade.h"
#include "ui/wizard/ExibicaoEtapas.h"
#include "ui/wizard/PaginaCalcular.h"
#include "ui/wizard/PaginaResultados.h"
#include "JanelaTeste.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

class PaginaCalcularTest : public JanelaTeste {
protected:
    void SetUp() override {
        JanelaTeste::SetUp();
        banco.Executar(
            "INSERT INTO filial (filial_id, nome, cgc, cod_regime_tribut) VALUES (2, 'LOJA', '12.345.678/0002-95', 'LP');"
            "INSERT INTO fornece (fornece_id, nome, cgc, ie) VALUES (1, 'DISTRIBUIDORA', '11.111.111/0001-11', '111');"
            "INSERT INTO produto (produto_id, descricao) VALUES (1, 'PRODUTO UM'), (2, 'PRODUTO DOIS');"
            "INSERT INTO estoque_minimo (produto_id, estoque) VALUES (1, 10), (2, 4);"
            "INSERT INTO nota_fiscal (filial_id, nota_fiscal_id, num_nota, data_emissao, tipo_nota, fornece_id) VALUES"
            " (2, 1, 100, '2016-02-10', 'E', 1);"
            "INSERT INTO nota_fiscal_item (filial_id, nota_fiscal_id, nota_fiscal_item_id, produto_id, quant, valor_unit,"
            " st, base_calc_icms_sub_ret) VALUES (2, 1, 1, 1, 10, 10.00, '060', 120.00);");
        Abrir();
        banco.dm().ExecutarSQL("INSERT INTO temp_produtos (produto_id) VALUES (1), (2)");
    }
};

TEST_F(PaginaCalcularTest, QuatroEtapasConcluidas) {
    TPaginaCalcular* c = main->tabCalcular;
    main->PageControl1->setCurrentIndex(TFMain::pgCalcular);
    c->tabCalcularShow();
    EXPECT_TRUE(c->Concluido());
    EXPECT_EQ(c->lbCheckSaldo->text(), QStringLiteral("Saldo em estoque calculado"));
    EXPECT_EQ(c->lbCheckDocumentos->text(), QStringLiteral("Documentos com retenção de ICMS selecionados"));
    EXPECT_EQ(c->lbCheckValores->text(), QStringLiteral("Valor de ressarcimento calculado"));
    EXPECT_EQ(c->lbCheckTotais->text(), QStringLiteral("Totais dos itens calculados"));
    for (QLabel* i : {c->imgCheckSaldo, c->imgCheckDocumentos, c->imgCheckValores, c->imgCheckTotais})
        EXPECT_TRUE(i->isVisible()) << i->objectName().toStdString();
    EXPECT_FALSE(c->lbAguarde->isVisible());
    EXPECT_FALSE(c->RxGIFAnimator->isVisible());
    EXPECT_TRUE(main->btVoltar->isEnabled());
    EXPECT_TRUE(main->btAvancar->isEnabled());
    EXPECT_TRUE(main->btFechar->isEnabled());
    EXPECT_FALSE(main->OperacaoLongaEmAndamento());
    // the results grid is already filled
    EXPECT_EQ(main->tabResultados->DBGridApuracao->Modelo()->rowCount(), 2);
    EXPECT_EQ(Contar("SELECT vl_icms_ret_total * 100 FROM temp_apuracao WHERE produto_id = 1"), 720);

    // leaving the page puts it back to its design texts
    c->ReiniciarEtapas();
    EXPECT_EQ(c->lbCheckSaldo->text(), QStringLiteral("Calculando saldo em estoque"));
    EXPECT_TRUE(c->lbCheckSaldo->isVisible());
    EXPECT_FALSE(c->lbCheckDocumentos->isVisible());
    EXPECT_FALSE(c->imgCheckSaldo->isVisible());
    EXPECT_TRUE(c->lbAguarde->isVisible());
}

TEST_F(PaginaCalcularTest, FalhaNaSegundaEtapa) {
    TPaginaCalcular* c = main->tabCalcular;
    banco.Executar("DROP TABLE nota_fiscal_item");
    main->PageControl1->setCurrentIndex(TFMain::pgCalcular);
    EXPECT_THROW(c->tabCalcularShow(), EErroBanco);
    EXPECT_FALSE(c->Concluido());
    EXPECT_EQ(c->lbCheckSaldo->text(), QStringLiteral("Saldo em estoque calculado"));
    EXPECT_TRUE(c->imgCheckSaldo->isVisible());
    EXPECT_TRUE(c->lbCheckDocumentos->isVisible());
    EXPECT_TRUE(c->lbCheckDocumentos->text().endsWith(QStringLiteral("Pesquisando documentos com retenção de ICMS")));
    EXPECT_FALSE(c->imgCheckDocumentos->isVisible());
    EXPECT_FALSE(c->lbCheckValores->isVisible());
    EXPECT_FALSE(c->lbCheckTotais->isVisible());
    EXPECT_FALSE(c->lbAguarde->isVisible());
    EXPECT_TRUE(main->btVoltar->isEnabled());
    EXPECT_TRUE(main->btAvancar->isEnabled());
    EXPECT_TRUE(main->btFechar->isEnabled());
    // the failed step's label goes on showing its percentage
    EXPECT_TRUE(main->Etapas().Timer1()->isActive());
    main->Etapas().Timer1Timer();
    EXPECT_TRUE(c->lbCheckDocumentos->text().startsWith('('));
}

TEST_F(PaginaCalcularTest, FecharDuranteOCalculoEsperaOFim) {
    TPaginaCalcular* c = main->tabCalcular;
    main->PageControl1->setCurrentIndex(TFMain::pgCalcular);
    bool pediu = false;
    // a close request arrives while the steps process pending messages
    QTimer::singleShot(0, main.get(), [&] {
        pediu = true;
        EXPECT_TRUE(main->OperacaoLongaEmAndamento());
        QCloseEvent e;
        QApplication::sendEvent(main.get(), &e);
        EXPECT_FALSE(e.isAccepted());
        EXPECT_TRUE(main->isVisible());
    });
    TDialogos::Responder(false);
    c->tabCalcularShow();
    EXPECT_TRUE(pediu);
    EXPECT_TRUE(c->Concluido());
    EXPECT_TRUE(Mensagens().empty()); // no question while the work ran
    QApplication::processEvents();     // the deferred close asks now
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("Deseja realmente finalizar o assistente?"));
    EXPECT_TRUE(main->isVisible()); // answered No
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_apuracao"), 2);
}

TEST_F(PaginaCalcularTest, AvancarNosResultadosPerguntaOuInforma) {
    main->PageControl1->setCurrentIndex(TFMain::pgCalcular);
    main->tabCalcular->tabCalcularShow();
    Avancar();
    ASSERT_EQ(main->PaginaAtiva(), TFMain::pgResultados);
    EXPECT_FALSE(main->tabCalcular->imgCheckSaldo->isVisible()); // reset on leaving
    TDialogos::Responder(false);
    Avancar();
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("Confirma a apuração?"));
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgResultados);
    TDialogos::Responder(true);
    Avancar();
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgSelecao); // LP branch
    Voltar();
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgResultados);

    // nothing to reimburse: information and the page stays
    banco.dm().ExecutarSQL("UPDATE temp_apuracao SET vl_icms_ret_total = 0");
    Mensagens();
    Avancar();
    msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, "informar");
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("Não há item para restituição de ICMS Retido."));
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgResultados);
}

class RegimeSNTest : public JanelaTeste {};

TEST_F(RegimeSNTest, ResultadosVaoDiretoAosRelatoriosEVoltam) {
    banco.Executar("INSERT INTO filial (filial_id, cod_regime_tribut) VALUES (2, 'SN')");
    Abrir();
    banco.dm().ExecutarSQL("INSERT INTO temp_apuracao (filial_id, produto_id, vl_icms_ret_total) VALUES (2, 1, 1.00)");
    main->PageControl1->setCurrentIndex(TFMain::pgResultados);
    main->AtualizarBotoes();
    TDialogos::Responder(true);
    Avancar();
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgRelatorios);
    Voltar();
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgResultados);
}

} // namespace
