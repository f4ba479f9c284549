#include "core/app/DmTorvane.h"
#include "support/DemoTeste.h"
#include "ui/common/Grade.h"
#include "ui/review/FDetalhes.h"
#include "ui/review/FInformacaoLegenda.h"
#include "ui/selection/FFiltroGenerico2.h"
#include "ui/selection/FPesqProduto.h"
#include "ui/wizard/PaginaCalcular.h"
#include "ui/wizard/PaginaProdutos.h"
#include "ui/wizard/PaginaResultados.h"
#include "JanelaTeste.h"

#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <set>

namespace {

// The wizard on the demo branch, as a user goes through it: the date, a search by description and
// one by a lookup filter, the calculation and the reviewed results. With RST_CAPTURAS naming a
// folder, each screen is saved there as a picture.
class PercursoDemoTest : public JanelaTeste {
protected:
    void Capturar(QWidget* w, const char* nome) {
        const QByteArray pasta = qgetenv("RST_CAPTURAS");
        if (pasta.isEmpty()) return;
        QDir().mkpath(QString::fromLocal8Bit(pasta));
        QApplication::processEvents();
        w->grab().save(QString::fromLocal8Bit(pasta) + "/" + nome + ".png");
    }
};

TEST_F(PercursoDemoTest, DaDataAosResultadosRevistos) {
    banco.Executar(banco_teste::GerarDemo());
    TFMain& m = Abrir();
    Capturar(&m, "1-data");
    EXPECT_EQ(m.dtDataInventario->date(), QDate(2016, 2, 22));
    Avancar();
    ASSERT_EQ(m.PaginaAtiva(), TFMain::pgProdutos);

    TPaginaProdutos& p = *m.tabProdutos;
    // the search dialog: descriptions holding DIPIRONA, then every product of one group, all marked
    p.ExecutarPesquisa = [&](TFPesqProduto& d) {
        d.EdProd->setText(QStringLiteral("DIPIRONA"));
        QTest::keyClick(&d, Qt::Key_F4);
        EXPECT_GT(d.CDSProduto->QuantidadeRegistros(), 0);
        QTest::keyClick(&d, Qt::Key_F6);
        d.EdProd->clear();
        d.ExecutarFiltro = [&](TFFiltroGenerico2& f) {
            QTest::keyClick(&f, Qt::Key_F7); // none, then the first group
            f.oGrid->Query()->Primeiro();
            QTest::keyClick(&f, Qt::Key_F5);
            QTest::keyClick(&f, Qt::Key_Return);
            return f.result();
        };
        d.btnFiltroClick(TFPesqProduto::fGrupos);
        EXPECT_FALSE(d.Filtro(TFPesqProduto::fGrupos).empty());
        QTest::keyClick(&d, Qt::Key_F4);
        QTest::keyClick(&d, Qt::Key_F6);
        d.resize(960, 560);
        d.show();
        Capturar(&d, "2-pesquisa");
        QTest::keyClick(&d, Qt::Key_F3);
        return d.result();
    };
    p.btPesquisar->click();
    QApplication::processEvents();
    const long long escolhidos = Contar("SELECT COUNT(*) FROM temp_produtos");
    EXPECT_GT(escolhidos, 10);
    EXPECT_EQ(p.DBGridProdutos->Modelo()->rowCount(), escolhidos);
    Capturar(&m, "3-produtos");

    // the calculation runs inside the click and leaves the results ready
    Avancar();
    ASSERT_EQ(m.PaginaAtiva(), TFMain::pgCalcular);
    EXPECT_TRUE(m.tabCalcular->Concluido());
    EXPECT_EQ(m.tabCalcular->lbCheckTotais->text(), QStringLiteral("Totais dos itens calculados"));
    Capturar(&m, "4-calculo");
    Avancar();
    ASSERT_EQ(m.PaginaAtiva(), TFMain::pgResultados);
    TPaginaResultados& r = *m.tabResultados;
    TQuery* q = r.DBGridApuracao->Query();
    ASSERT_NE(q, nullptr);
    std::set<long long> status;
    for (int i = 0; i < q->QuantidadeRegistros(); ++i) status.insert(q->Valor(i, "status").AsInteger());
    EXPECT_EQ(status.count(0), 1u);
    EXPECT_EQ(r.lbRodapeApuracaoQtd->text(), QString::number(q->QuantidadeRegistros()) + " registros na grade");
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_apuracao"), q->QuantidadeRegistros());
    Capturar(&m, "5-resultados");

    // all of them, with every status of the demo, by filter
    banco.dm().ExecutarSQL("REPLACE INTO temp_produtos (produto_id) SELECT produto_id FROM produto WHERE apagado = \"N\" AND tipo = \"P\"");
    Voltar();
    Avancar();
    Avancar();
    status.clear();
    for (int i = 0; i < q->QuantidadeRegistros(); ++i) status.insert(q->Valor(i, "status").AsInteger());
    EXPECT_EQ(status, (std::set<long long>{0, 1, 2}));
    r.ExibirFiltros();
    Capturar(&m, "6-resultados-filtros");
    r.OcultarFiltros();
    Capturar(&m, "6-resultados-todos");

    int comDocumentos = 0;
    while (comDocumentos < q->QuantidadeRegistros() - 1 && q->Valor(comDocumentos, "quantidade_comprovada").AsInteger() < 2)
        ++comDocumentos;
    TFDetalhes detalhes(&m, banco.dm(), q->Valor(comDocumentos, "produto_id").AsInteger());
    EXPECT_GT(detalhes.DBGrid->Modelo()->rowCount(), 0);
    detalhes.show();
    Capturar(&detalhes, "7-detalhes");
    TFInformacaoLegenda legenda(&m);
    legenda.show();
    Capturar(&legenda, "8-legenda");

    // Avançar asks to confirm the assessment: there is something to reimburse
    TDialogos::Responder(false);
    Mensagens();
    Avancar();
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("Confirma a apuração?"));
}

} // namespace
