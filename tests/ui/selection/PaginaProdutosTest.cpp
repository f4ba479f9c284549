#include "JanelaTeste.h"

#include "core/app/Query.h"
#include "core/selection/FixtureSelecao.h"
#include "ui/common/Balao.h"
#include "ui/common/Grade.h"
#include "ui/selection/FPesqProduto.h"
#include "ui/wizard/PaginaProdutos.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

class PaginaProdutosTest : public JanelaTeste {
protected:
    void SetUp() override {
        JanelaTeste::SetUp();
        banco.Executar(fixture_selecao::kTudo);
    }
    // Opens the window on the products page
    TPaginaProdutos& Pagina() {
        Abrir();
        Avancar();
        EXPECT_EQ(main->PaginaAtiva(), TFMain::pgProdutos);
        return *main->tabProdutos;
    }
    // "Pesquisar produto" with the search dialog driven by the given steps, confirmed with F3
    void Incluir(const std::function<void(TFPesqProduto&)>& passos) {
        TPaginaProdutos& p = *main->tabProdutos;
        p.ExecutarPesquisa = [&](TFPesqProduto& d) {
            EXPECT_TRUE(d.ModoMarcacao);
            EXPECT_EQ(d.parentWidget(), main.get());
            passos(d);
            QTest::keyClick(&d, Qt::Key_F3);
            return d.result();
        };
        p.btPesquisar->click();
        QApplication::processEvents();
    }
    // searches the description and marks every row
    void IncluirDescricao(const QString& descricao) {
        Incluir([&](TFPesqProduto& d) {
            d.EdProd->setText(descricao);
            QTest::keyClick(&d, Qt::Key_F4);
            QTest::keyClick(&d, Qt::Key_F6);
        });
    }
    // "id" of the grid's rows in order
    std::string Linhas() {
        TPaginaProdutos& p = *main->tabProdutos;
        std::string s;
        for (int i = 0; i < p.DBGridProdutos->Modelo()->rowCount(); ++i)
            s += p.DBGridProdutos->Modelo()->Texto(i, 0).toStdString() + " ";
        return s;
    }
    TBalao* Balao() { return main->findChild<TBalao*>("BalloonHint"); }
};

TEST_F(PaginaProdutosTest, PaginaVaziaNaoDeixaAvancar) {
    TPaginaProdutos& p = Pagina();
    EXPECT_EQ(p.btPesquisar->text(), QStringLiteral("Pesquisar produto"));
    EXPECT_EQ(p.btRemover->text(), QStringLiteral("Remover produto"));
    EXPECT_FALSE(p.btRemover->isEnabled());
    EXPECT_FALSE(p.btRemoverMais->isEnabled());
    EXPECT_EQ(p.btRemoverMais->menu(), p.PopupRemover);
    ASSERT_EQ(p.PopupRemover->actions().size(), 1);
    EXPECT_EQ(p.PopupRemover->actions()[0], p.RemoverTodos);
    EXPECT_EQ(p.RemoverTodos->text(), QStringLiteral("Remover todos os produtos"));
    EXPECT_EQ(p.RemoverTodos->toolTip(), QStringLiteral("Remover todos os produtos da grade"));
    EXPECT_FALSE(p.pnQuantidadeProdutos->isVisible());
    EXPECT_FALSE(p.pnAnimatorGradeProdutos->isVisible());
    EXPECT_EQ(p.DBGridProdutos->height(), 331);
    EXPECT_EQ(p.DBGridProdutos->focusPolicy(), Qt::ClickFocus); // skipped by Tab
    const std::vector<std::pair<QString, int>> colunas = {
        {"ID", 80}, {QStringLiteral("Código de barras"), 150}, {QStringLiteral("Descrição"), 548}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.DBGridProdutos->Modelo()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString(),
                  colunas[static_cast<size_t>(i)].first);
        EXPECT_EQ(p.DBGridProdutos->columnWidth(i), colunas[static_cast<size_t>(i)].second);
    }
    EXPECT_EQ(QApplication::focusWidget(), p.btPesquisar);

    Avancar();
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgProdutos);
    ASSERT_NE(Balao(), nullptr);
    EXPECT_EQ(Balao()->Alvo(), p.btPesquisar);
    EXPECT_EQ(Balao()->Texto(),
              QStringLiteral("É necessário incluir ao menos um item para cálculo do ressarcimento."));
}

TEST_F(PaginaProdutosTest, CancelarNaPesquisaNadaMuda) {
    TPaginaProdutos& p = Pagina();
    int aberturas = 0;
    p.ExecutarPesquisa = [&](TFPesqProduto& d) {
        ++aberturas;
        d.EdProd->setText("DIPIRONA");
        QTest::keyClick(&d, Qt::Key_F4);
        QTest::keyClick(&d, Qt::Key_F6);
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    };
    QTest::keyClick(p.btPesquisar, Qt::Key_Return); // Enter on the focused button presses it
    EXPECT_EQ(aberturas, 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_produtos"), 0);
    EXPECT_FALSE(p.GradeTemRegistros());
    EXPECT_FALSE(p.btRemover->isEnabled());
    EXPECT_TRUE(p.btPesquisar->isEnabled());
    EXPECT_TRUE(main->btVoltar->isEnabled());
    EXPECT_TRUE(Mensagens().empty());
}

TEST_F(PaginaProdutosTest, IncluirMostraOsProdutosPelaDescricaoEContaOs) {
    TPaginaProdutos& p = Pagina();
    struct {
        const char* descricao;
        std::string linhas;
        const char* rotulo;
    } casos[] = {
        {"GOTAS", "2 ", "1 produto incluído"},
        // a product already listed stays one row
        {"DIPIRONA", "1 2 ", "2 produtos incluídos"},
        {"DIPIRONA GOTAS", "1 2 ", "2 produtos incluídos"},
        {"PARACETAMOL", "1 2 3 ", "3 produtos incluídos"},
    };
    for (const auto& c : casos) {
        IncluirDescricao(c.descricao);
        EXPECT_EQ(Linhas(), c.linhas) << c.descricao;
        EXPECT_TRUE(p.pnQuantidadeProdutos->isVisible());
        EXPECT_EQ(p.lbQuantidadeProdutos->text(), QString::fromUtf8(c.rotulo));
        EXPECT_EQ(p.DBGridProdutos->height(), 311);
        EXPECT_TRUE(p.btRemover->isEnabled());
        EXPECT_TRUE(p.btRemoverMais->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), main->btAvancar);
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_produtos"), 3);
    TModeloQuery* m = p.DBGridProdutos->Modelo();
    EXPECT_EQ(m->Texto(0, 1), QStringLiteral("7891000000011"));
    EXPECT_EQ(m->Texto(0, 2), QStringLiteral("DIPIRONA 500MG 10 COMP"));
    EXPECT_TRUE(Mensagens().empty());

    // a non-empty list lets the wizard go on; coming back shows the same list
    Avancar();
    EXPECT_NE(main->PaginaAtiva(), TFMain::pgProdutos);
    main->PageControl1->setCurrentIndex(TFMain::pgResultados);
    main->AtualizarBotoes();
    Voltar();
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgProdutos);
    EXPECT_EQ(Linhas(), "1 2 3 ");
}

TEST_F(PaginaProdutosTest, MilEDuzentosProdutosEmTresScriptsComOsBotoesDesligados) {
    std::string sql = "INSERT INTO grupo (grupo_id, desc_arvore) VALUES (5, 'LOTE');"
                      "INSERT INTO produto (produto_id, descricao, grupo_id) VALUES ";
    for (int i = 1001; i <= 2200; ++i)
        sql += (i > 1001 ? ",(" : "(") + std::to_string(i) + ", 'ITEM " + std::to_string(i) + "', 5)";
    banco.Executar(sql);
    TPaginaProdutos& p = Pagina();

    struct {
        bool painel = false, animando = false, pesquisar = true, remover = true, voltar = true,
             avancar = true, fechar = true;
    } durante;
    Incluir([&](TFPesqProduto& d) {
        d.DefinirFiltro(TFPesqProduto::fGrupos, "(5)", "00000005 - LOTE");
        QTest::keyClick(&d, Qt::Key_F4);
        QTest::keyClick(&d, Qt::Key_F6);
        // looks at the page while the products are being added
        QTimer::singleShot(0, main.get(), [&] {
            durante = {p.pnAnimatorGradeProdutos->isVisible(),
                       p.RxGIFAnimator->Animando(),
                       p.btPesquisar->isEnabled(),
                       p.btRemover->isEnabled() || p.btRemoverMais->isEnabled(),
                       main->btVoltar->isEnabled(),
                       main->btAvancar->isEnabled(),
                       main->btFechar->isEnabled()};
        });
    });
    EXPECT_EQ(p.UltimaInclusao.ComandosPorScript, (std::vector<int>{500, 500, 200}));
    EXPECT_EQ(p.UltimaInclusao.ScriptsComFalha, 0);
    EXPECT_TRUE(durante.painel);
    EXPECT_TRUE(durante.animando);
    EXPECT_FALSE(durante.pesquisar || durante.remover || durante.voltar || durante.avancar || durante.fechar);

    EXPECT_EQ(p.DBGridProdutos->Modelo()->rowCount(), 1200);
    EXPECT_EQ(p.lbQuantidadeProdutos->text(),
              QStringLiteral("1") + QLocale().groupSeparator() + QStringLiteral("200 produtos incluídos"));
    EXPECT_FALSE(p.pnAnimatorGradeProdutos->isVisible());
    EXPECT_FALSE(p.RxGIFAnimator->Animando());
    for (QWidget* w : std::initializer_list<QWidget*>{p.btPesquisar, p.btRemover, p.btRemoverMais,
                                                      main->btVoltar, main->btAvancar, main->btFechar})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(Mensagens().empty());
}

TEST_F(PaginaProdutosTest, ProdutosQueNaoEntramSaoInformados) {
    TPaginaProdutos& p = Pagina();
    // a table that refuses product 2: its script stops there and product 3 is lost with it
    banco.dm().ExecutarSQL("DROP TEMPORARY TABLE temp_produtos");
    banco.dm().ExecutarSQL("CREATE TEMPORARY TABLE temp_produtos (produto_id INT(11) NOT NULL, PRIMARY KEY "
                           "(produto_id), CONSTRAINT recusa CHECK (produto_id <> 2))");
    Incluir([](TFPesqProduto& d) {
        d.DefinirFiltro(TFPesqProduto::fGrupos, "(1)", "00000001 - MEDICAMENTOS");
        QTest::keyClick(&d, Qt::Key_F4);
        QTest::keyClick(&d, Qt::Key_F6);
    });
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, QStringLiteral("informar"));
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("2 produto(s) não puderam ser incluídos."));
    EXPECT_EQ(Linhas(), "1 "); // the grid shows what the table holds
    EXPECT_EQ(p.lbQuantidadeProdutos->text(), QStringLiteral("1 produto incluído"));
    EXPECT_TRUE(p.btPesquisar->isEnabled());
    EXPECT_TRUE(main->btAvancar->isEnabled());
}

TEST_F(PaginaProdutosTest, ErroAoAtualizarAGradeDevolveOsBotoes) {
    TPaginaProdutos& p = Pagina();
    Incluir([&](TFPesqProduto& d) {
        d.EdProd->setText("GOTAS");
        QTest::keyClick(&d, Qt::Key_F4);
        QTest::keyClick(&d, Qt::Key_F6);
        banco.Executar("DROP TABLE produto"); // the products are stored, the grid cannot be read
    });
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_produtos"), 1);
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, QStringLiteral("erro")); // the general error box, with the server's text
    EXPECT_TRUE(msgs[0].mensagem.contains("produto")) << msgs[0].mensagem.toStdString();
    EXPECT_FALSE(p.pnAnimatorGradeProdutos->isVisible());
    EXPECT_FALSE(p.RxGIFAnimator->Animando());
    for (QWidget* w :
         std::initializer_list<QWidget*>{p.btPesquisar, main->btVoltar, main->btAvancar, main->btFechar})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(p.btRemover->isEnabled());
    EXPECT_FALSE(p.btRemoverMais->isEnabled());
}

TEST_F(PaginaProdutosTest, RemoverUmEDepoisOUltimo) {
    TPaginaProdutos& p = Pagina();
    IncluirDescricao("DIPIRONA");
    ASSERT_EQ(Linhas(), "1 2 ");
    p.DBGridProdutos->setCurrentIndex(p.DBGridProdutos->Modelo()->index(1, 0));
    p.btRemover->click();
    EXPECT_EQ(Linhas(), "1 ");
    EXPECT_EQ(p.lbQuantidadeProdutos->text(), QStringLiteral("1 produto incluído"));
    p.btRemover->click();
    EXPECT_EQ(Linhas(), "");
    EXPECT_FALSE(p.pnQuantidadeProdutos->isVisible());
    EXPECT_EQ(p.DBGridProdutos->height(), 331);
    EXPECT_FALSE(p.btRemover->isEnabled());
    EXPECT_FALSE(p.btRemoverMais->isEnabled());
    EXPECT_TRUE(Mensagens().empty()); // no question for one product
    Avancar();
    EXPECT_EQ(main->PaginaAtiva(), TFMain::pgProdutos);
    ASSERT_NE(Balao(), nullptr);
    EXPECT_EQ(Balao()->Alvo(), p.btPesquisar);
}

TEST_F(PaginaProdutosTest, RemoverTodosPerguntaAntes) {
    TPaginaProdutos& p = Pagina();
    IncluirDescricao("DIPIRONA");
    TDialogos::Responder(false);
    p.RemoverTodos->trigger();
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, QStringLiteral("confirmar"));
    EXPECT_EQ(msgs[0].titulo, QStringLiteral("Confirmação..."));
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("Deseja realmente remover todos os produtos da grade?"));
    EXPECT_EQ(Linhas(), "1 2 ");
    p.RemoverTodos->trigger(); // no answer given: the default button, Yes
    EXPECT_EQ(Mensagens().size(), 1u);
    EXPECT_EQ(Linhas(), "");
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM temp_produtos"), 0);
    EXPECT_FALSE(p.pnQuantidadeProdutos->isVisible());
    EXPECT_FALSE(p.btRemoverMais->isEnabled());
}

TEST_F(PaginaProdutosTest, OrdemPeloTituloAteAProximaInclusao) {
    TPaginaProdutos& p = Pagina();
    Incluir([](TFPesqProduto& d) {
        d.DefinirFiltro(TFPesqProduto::fGrupos, "(2)", "00000002 - PERFUMARIA");
        QTest::keyClick(&d, Qt::Key_F4);
        QTest::keyClick(&d, Qt::Key_F6);
    });
    // by description: AGUA D'OURO (13), DESCONTO 50 LOTE (12), DESCONTO 50% LOTE (5), SHAMPOO (4)
    ASSERT_EQ(Linhas(), "13 12 5 4 ");
    const int barras = 1;
    emit p.DBGridProdutos->tituloClicado(barras);
    EXPECT_EQ(Linhas(), "4 5 12 13 ");
    EXPECT_EQ(p.DBGridProdutos->Cabecalho()->CorTitulo(barras), QColor(255, 255, 0));
    emit p.DBGridProdutos->tituloClicado(barras);
    EXPECT_EQ(Linhas(), "13 12 5 4 ");
    emit p.DBGridProdutos->tituloClicado(0);
    EXPECT_EQ(Linhas(), "4 5 12 13 ");
    EXPECT_EQ(p.OrdemGradeProdutos.Campo, "produto_id");
    emit p.DBGridProdutos->tituloClicado(barras);
    emit p.DBGridProdutos->tituloClicado(barras);
    EXPECT_EQ(p.OrdemGradeProdutos.Direcao, "desc");
    EXPECT_EQ(p.lbQuantidadeProdutos->text(), QStringLiteral("4 produtos incluídos"));
    // adding returns the list to the order by description
    IncluirDescricao("GOTAS");
    EXPECT_EQ(Linhas(), "13 12 5 2 4 ");
    EXPECT_EQ(p.DBGridProdutos->Cabecalho()->CorTitulo(barras), QColor(Qt::white));
}

} // namespace
