#include "JanelaTeste.h"

#include "core/app/Query.h"
#include "core/selection/FixtureSelecao.h"
#include "ui/common/Grade.h"
#include "ui/common/TextoQt.h"
#include "ui/selection/FFiltroGenerico2.h"
#include "ui/selection/FPesqProduto.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <set>

namespace {

using F = TFPesqProduto;

class PesqProdutoTest : public JanelaTeste {
protected:
    void SetUp() override {
        JanelaTeste::SetUp();
        banco.Executar(fixture_selecao::kTudo);
    }
    std::unique_ptr<TFPesqProduto> Dialogo(bool marcacao = true) {
        auto d = std::make_unique<TFPesqProduto>(nullptr, banco.dm());
        if (marcacao)
            d->AtivarMarcacao();
        return d;
    }
    // types the description and presses F4
    static void Buscar(TFPesqProduto& d, const QString& texto) {
        d.EdProd->setText(texto);
        QTest::keyClick(&d, Qt::Key_F4);
    }
    static void Tecla(TFPesqProduto& d, Qt::Key tecla) { QTest::keyClick(&d, tecla); }
    static std::set<long long> Ids(TFPesqProduto& d) {
        std::set<long long> s;
        for (int i = 0; d.CDSProduto->Ativa() && i < d.CDSProduto->QuantidadeRegistros(); ++i)
            s.insert(d.CDSProduto->Valor(i, "produto_id").AsInteger());
        return s;
    }
    // "id+mark" of every row, in the rows' order
    static std::string Marcas(TFPesqProduto& d) {
        std::string s;
        for (int i = 0; d.CDSProduto->Ativa() && i < d.CDSProduto->QuantidadeRegistros(); ++i)
            s += d.CDSProduto->Valor(i, "produto_id").AsString() +
                 d.CDSProduto->Valor(i, "marcado").AsString() + " ";
        return s;
    }
    static std::vector<std::string> Escolhidos(TFPesqProduto& d) {
        return {d.ProdutosSelecionados.begin(), d.ProdutosSelecionados.end()};
    }
    // the information boxes since the last call
    std::vector<QString> Informacoes() {
        std::vector<QString> r;
        for (const auto& m : Mensagens()) {
            EXPECT_EQ(m.tipo, QStringLiteral("informar"));
            r.push_back(m.mensagem);
        }
        return r;
    }
    using Textos = std::vector<QString>;
};

TEST_F(PesqProdutoTest, JanelaCriadaFechadaESemFiltros) {
    auto d = Dialogo(false);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("460 Pesquisa de Produto"));
    EXPECT_EQ(d->lbTitulo->text(), QStringLiteral("Pesquisa de Produtos"));
    EXPECT_EQ(d->gbFiltros->title(), QStringLiteral(" Filtros "));
    EXPECT_EQ(d->btnPesquisar->text(), QStringLiteral("&Pesquisar (F4)"));
    EXPECT_EQ(d->ButOk->text(), QStringLiteral("&OK (F3)"));
    EXPECT_EQ(d->ButFechar->text(), QStringLiteral("&Cancelar (ESC)"));
    struct {
        const char* botao;
        const char* legenda;
        const char* limpar;
        const char* dica;
    } filtros[] = {
        {"btnFiltroGrupo", "&Grupos", "btnLimparFiltroGrupos", "Todos os Grupos"},
        {"btnFiltroEspecificacao", "&Especificações", "btnLimparFiltroEspecificacao",
         "Todas as Especificações"},
        {"btnFiltroFabricantes", "&Fabricantes", "btnLimparFiltroFabricante", "Todos os Fabricantes"},
        {"btnFiltroPrincipio", "Princípio &Ativo", "btnLimparFiltroPrincipio", "Todos os Princípios Ativos"},
        {"btnFiltroClasseTerap", "&Classe Terapêutica", "btnLimparFiltroClasseTerapeutica",
         "Todas as Classes Terapêuticas"},
        {"btnFiltroGrupoPrecos", "G&rupo Preços", "btnLimparFiltroGrupoPreco", "Todos os Grupos de Preço"},
    };
    for (const auto& f : filtros) {
        auto* b = d->findChild<QPushButton*>(f.botao);
        auto* l = d->findChild<QToolButton*>(f.limpar);
        ASSERT_TRUE(b && l) << f.botao;
        EXPECT_EQ(b->text(), QString::fromUtf8(f.legenda));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(f.dica));
        EXPECT_FALSE(b->font().bold());
        EXPECT_EQ(l->toolTip(), QStringLiteral("Limpar Filtro"));
        EXPECT_FALSE(l->isEnabled());
    }
    const Textos titulos = {"Cód. Produto", "Cód. Barras",     "Descrição",
                            "Grupo",        "Grupo de Preços", "Especificação",
                            "Fabricantes",  "Princípio Ativo", "Classe Terapêutica"};
    const std::vector<int> larguras = {100, 110, 330, 200, 200, 200, 200, 200, 200};
    ASSERT_EQ(d->GridProdutos->Modelo()->columnCount(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(d->GridProdutos->Modelo()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString(),
                  titulos[i]);
        EXPECT_EQ(d->GridProdutos->columnWidth(i), larguras[static_cast<size_t>(i)]) << i;
    }
    EXPECT_FALSE(d->CDSProduto->Ativa());
    EXPECT_TRUE(d->TextoStatus().isEmpty());
    EXPECT_FALSE(d->ModoMarcacao);
    EXPECT_FALSE(d->pnlMarcacao->isVisibleTo(d.get()));
    EXPECT_EQ(d->pnlMarcacao->title(), QStringLiteral(" Legenda "));
    d->AtivarMarcacao();
    EXPECT_TRUE(d->ModoMarcacao);
    EXPECT_TRUE(d->pnlMarcacao->isVisibleTo(d.get()));
}

TEST_F(PesqProdutoTest, CriteriosDaPesquisa) {
    struct {
        const char* nome;
        F::TFiltro filtro;
        std::string ids;
        const char* descricao;
        std::set<long long> esperados;
    } casos[] = {
        // deleted products (8) and services (9) never come
        {"descricao", F::fGrupos, "", "dipirona", {1, 2}},
        {"espaco depois, como digitado", F::fGrupos, "", "DIPIRONA ", {1, 2}},
        {"espaco antes, como digitado", F::fGrupos, "", " DIPIRONA", {}},
        {"grupo", F::fGrupos, "(1)", "", {1, 2, 3}},
        {"especificacao", F::fEspecificacoes, "(2)", "", {2}},
        {"fabricante", F::fFabricantes, "(2)", "", {2, 3}},
        {"principio ativo", F::fPrincipios, "(2)", "", {3}},
        {"classe terapeutica", F::fClassesTerapeuticas, "(1)", "", {1, 2}},
        {"grupo de precos", F::fGruposPreco, "(2)", "", {3}},
        {"filtro e descricao", F::fGrupos, "(1)", "GOTAS", {2}},
        {"filtro e descricao so de espacos", F::fFabricantes, "(2)", "   ", {2, 3}},
        {"aspas", F::fGrupos, "", "\"BRILHO\"", {4}},
        {"percentual", F::fGrupos, "", "50%", {5}},
        {"barra invertida", F::fGrupos, "", "C:\\T", {7}},
    };
    for (const auto& c : casos) {
        auto d = Dialogo();
        if (!c.ids.empty())
            d->DefinirFiltro(c.filtro, c.ids, "x");
        Buscar(*d, QString::fromUtf8(c.descricao));
        EXPECT_EQ(Ids(*d), c.esperados) << c.nome;
        EXPECT_EQ(d->TextoStatus(), QStringLiteral("Registros encontrados: %1").arg(c.esperados.size()))
            << c.nome;
        EXPECT_EQ(Informacoes(), c.esperados.empty() ? Textos{"Nenhum Produto encontrado."} : Textos{})
            << c.nome;
    }
}

TEST_F(PesqProdutoTest, SemCriterioOuSemResultado) {
    auto d = Dialogo();
    // no filter and a description of spaces: nothing is read
    Buscar(*d, "   ");
    EXPECT_EQ(Informacoes(), Textos{"Defina um filtro para a pesquisa."});
    EXPECT_FALSE(d->CDSProduto->Ativa());
    EXPECT_TRUE(d->TextoStatus().isEmpty());
    // Enter in an empty box: no search, even with a filter set
    d->DefinirFiltro(F::fGrupos, "(1)", "00000001 - MEDICAMENTOS");
    d->EdProd->setText("  ");
    QTest::keyClick(d->EdProd, Qt::Key_Return);
    EXPECT_EQ(Informacoes(), Textos{"Digite a descrição do produto"});
    EXPECT_FALSE(d->CDSProduto->Ativa());
    // Enter with a text searches
    d->EdProd->setText("PARACETAMOL");
    QTest::keyClick(d->EdProd, Qt::Key_Enter);
    EXPECT_EQ(Ids(*d), (std::set<long long>{3}));
    EXPECT_EQ(d->TextoStatus(), QStringLiteral("Registros encontrados: 1"));
    // no rows: the message, an empty grid and a count of 0
    Buscar(*d, "NAO EXISTE");
    EXPECT_EQ(Informacoes(), Textos{"Nenhum Produto encontrado."});
    EXPECT_TRUE(d->CDSProduto->Ativa());
    EXPECT_EQ(d->GridProdutos->Modelo()->rowCount(), 0);
    EXPECT_EQ(d->TextoStatus(), QStringLiteral("Registros encontrados: 0"));
}

TEST_F(PesqProdutoTest, ErroDoServidorNaPesquisaDeixaOResultadoFechado) {
    auto d = Dialogo();
    banco.Executar("DROP TABLE classe_terapeutica");
    Buscar(*d, "DIPIRONA");
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, QStringLiteral("erro"));
    EXPECT_TRUE(msgs[0].mensagem.contains("classe_terapeutica")) << msgs[0].mensagem.toStdString();
    EXPECT_FALSE(d->CDSProduto->Ativa());
    EXPECT_EQ(d->GridProdutos->Modelo()->rowCount(), 0);
}

TEST_F(PesqProdutoTest, DescricoesDeApoioAusentesOuApagadasFicamVazias) {
    auto d = Dialogo();
    Buscar(*d, "SEM GRUPO");
    ASSERT_EQ(d->CDSProduto->QuantidadeRegistros(), 1);
    TModeloQuery* m = d->GridProdutos->Modelo();
    EXPECT_EQ(m->Texto(0, 0), QStringLiteral("10"));
    EXPECT_EQ(m->Texto(0, 1), QStringLiteral("7891000000103"));
    EXPECT_EQ(m->Texto(0, 2), QStringLiteral("PRODUTO SEM GRUPO"));
    for (int coluna = 3; coluna < 9; ++coluna)
        EXPECT_TRUE(m->Texto(0, coluna).isEmpty()) << coluna;
    Buscar(*d, "GOTAS");
    EXPECT_EQ(m->Texto(0, 3), QStringLiteral("MEDICAMENTOS"));
    EXPECT_EQ(m->Texto(0, 5), QStringLiteral("XAROPE"));
    EXPECT_EQ(m->Texto(0, 6), QStringLiteral("MEDLEY"));
}

TEST_F(PesqProdutoTest, FiltrosEscolhidosNoDialogoDeApoio) {
    // each button opens the lookup of its own table; marking only the first row sets the filter
    struct {
        F::TFiltro filtro;
        const char* titulo;
        std::string ids;
        QString dica;
    } casos[] = {
        {F::fGrupos, "Filtro - Seleção de Grupo", "(4)", "Produtos com Grupo: \r\n00000004 - HIGIENE"},
        {F::fEspecificacoes, "Filtro - Seleção de Especificação", "(1)",
         "Produtos com Especificação: \r\n00000001 - COMPRIMIDO"},
        {F::fFabricantes, "Filtro - Seleção de Fabricante", "(1)",
         "Produtos com Fabricante: \r\n00000001 - EMS"},
        {F::fPrincipios, "Filtro - Seleção de Princípio Ativo", "(1)",
         "Produtos com Princípio Ativo: \r\n00000001 - DIPIRONA"},
        {F::fClassesTerapeuticas, "Filtro - Seleção de Classe Terapêutica", "(1)",
         "Produtos com Classe Terapêutica: \r\n00000001 - ANALGESICO"},
        {F::fGruposPreco, "Filtro - Seleção de Grupo Preços", "(2)",
         "Produtos com Grupo de Preço: \r\n00000002 - ETICOS"},
    };
    for (const auto& c : casos) {
        auto d = Dialogo();
        QString titulo, codigo;
        d->ExecutarFiltro = [&](TFFiltroGenerico2& f) {
            titulo = f.windowTitle();
            codigo = f.oGrid->Modelo()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
            QTest::keyClick(&f, Qt::Key_F7);
            QTest::keyClick(&f, Qt::Key_F5);
            f.btnOKClick();
            return f.result();
        };
        d->BotaoFiltro[c.filtro]->click();
        EXPECT_EQ(titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(codigo, QStringLiteral("Código"));
        EXPECT_EQ(d->Filtro(c.filtro), c.ids) << c.titulo;
        EXPECT_EQ(d->BotaoFiltro[c.filtro]->toolTip(), c.dica);
        EXPECT_TRUE(d->BotaoFiltro[c.filtro]->font().bold());
        EXPECT_TRUE(d->BotaoLimpar[c.filtro]->isEnabled());
    }
}

TEST_F(PesqProdutoTest, CancelarNenhumOuTodosNoDialogoDeApoioLimpamOFiltro) {
    struct {
        const char* nome;
        std::function<int(TFFiltroGenerico2&)> passos;
    } casos[] = {
        {"cancelar",
         [](TFFiltroGenerico2& f) {
             QTest::keyClick(&f, Qt::Key_Escape);
             return f.result();
         }},
        {"nenhum",
         [](TFFiltroGenerico2& f) {
             QTest::keyClick(&f, Qt::Key_F7);
             f.btnOKClick();
             return f.result();
         }},
        {"todos",
         [](TFFiltroGenerico2& f) {
             QTest::keyClick(&f, Qt::Key_F6);
             f.btnOKClick();
             return f.result();
         }},
    };
    for (const auto& c : casos) {
        auto d = Dialogo();
        d->DefinirFiltro(F::fGrupos, "(1,2)", "00000001 - MEDICAMENTOS\r\n00000002 - PERFUMARIA");
        std::string marcasNaAbertura;
        d->ExecutarFiltro = [&](TFFiltroGenerico2& f) {
            // the lookup opens with the current filter's rows marked
            for (int i = 0; i < f.QrySelecao->QuantidadeRegistros(); ++i)
                marcasNaAbertura += f.QrySelecao->Valor(i, "MARCADO").AsString();
            return c.passos(f);
        };
        d->findChild<QPushButton*>("btnFiltroGrupo")->click();
        EXPECT_EQ(marcasNaAbertura, "NSS") << c.nome; // HIGIENE, MEDICAMENTOS, PERFUMARIA
        EXPECT_EQ(d->Filtro(F::fGrupos), "") << c.nome;
        EXPECT_EQ(d->BotaoFiltro[F::fGrupos]->toolTip(), QStringLiteral("Todos os Grupos")) << c.nome;
        EXPECT_FALSE(d->BotaoFiltro[F::fGrupos]->font().bold()) << c.nome;
        EXPECT_FALSE(d->BotaoLimpar[F::fGrupos]->isEnabled()) << c.nome;
    }
    // the clear button, and a filter change that waits for the next search
    auto d = Dialogo();
    d->DefinirFiltro(F::fFabricantes, "(2)", "00000002 - MEDLEY");
    Buscar(*d, "");
    EXPECT_EQ(Ids(*d), (std::set<long long>{2, 3}));
    d->BotaoLimpar[F::fFabricantes]->click();
    EXPECT_EQ(d->Filtro(F::fFabricantes), "");
    EXPECT_FALSE(d->BotaoLimpar[F::fFabricantes]->isEnabled());
    EXPECT_EQ(Ids(*d), (std::set<long long>{2, 3}));
    Buscar(*d, "");
    EXPECT_EQ(Informacoes(), Textos{"Defina um filtro para a pesquisa."});
}

TEST_F(PesqProdutoTest, MarcarEDesmarcarUmProduto) {
    auto d = Dialogo();
    Buscar(*d, "DIPIRONA");
    ASSERT_EQ(Marcas(*d), "1N 2N ");
    Tecla(*d, Qt::Key_F5);
    EXPECT_EQ(Marcas(*d), "1S 2N ");
    EXPECT_EQ(Escolhidos(*d), (std::vector<std::string>{"1"}));
    // a new search shows the row unmarked; the product stays chosen, once
    Buscar(*d, "DIPIRONA");
    EXPECT_EQ(Marcas(*d), "1N 2N ");
    EXPECT_EQ(Escolhidos(*d), (std::vector<std::string>{"1"}));
    d->CDSProduto->IrPara(1);
    Tecla(*d, Qt::Key_F5);
    EXPECT_EQ(Escolhidos(*d), (std::vector<std::string>{"1"}));
    Tecla(*d, Qt::Key_F5); // unmarking removes it
    EXPECT_EQ(Marcas(*d), "1N 2N ");
    EXPECT_TRUE(Escolhidos(*d).empty());
}

TEST_F(PesqProdutoTest, TeclasDeMarcacaoSemResultadoOuForaDoModo) {
    auto d = Dialogo();
    for (Qt::Key t : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7})
        Tecla(*d, t); // closed result
    EXPECT_FALSE(d->CDSProduto->Ativa());
    Buscar(*d, "NAO EXISTE");
    d->ProdutosSelecionados.insert("3");
    for (Qt::Key t : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7})
        Tecla(*d, t); // empty result
    EXPECT_EQ(Escolhidos(*d), (std::vector<std::string>{"3"}));
    EXPECT_EQ(d->CDSProduto->QuantidadeRegistros(), 0);

    auto semMarcacao = Dialogo(false);
    Buscar(*semMarcacao, "DIPIRONA");
    for (Qt::Key t : {Qt::Key_F5, Qt::Key_F6})
        Tecla(*semMarcacao, t);
    EXPECT_EQ(Marcas(*semMarcacao), "1N 2N ");
    EXPECT_TRUE(Escolhidos(*semMarcacao).empty());
}

TEST_F(PesqProdutoTest, MarcarTodosComOsCriteriosDeAgoraEDesmarcarTodos) {
    auto d = Dialogo();
    d->DefinirFiltro(F::fGrupos, "(1,4)", "");
    Buscar(*d, "");
    ASSERT_EQ(Ids(*d), (std::set<long long>{1, 2, 3, 6, 7, 11, 14}));
    d->CDSProduto->IrPara(3);
    d->GridProdutos->SeguirCursor();
    Tecla(*d, Qt::Key_F5);
    const std::string terceiro = d->CDSProduto->Valor("produto_id").AsString();
    // criteria changed but not searched: F6 reads and marks the rows of the new criteria
    d->LimparFiltro(F::fGrupos);
    d->EdProd->setText("CAMINHO");
    Tecla(*d, Qt::Key_F6);
    EXPECT_EQ(Ids(*d), (std::set<long long>{7, 14}));
    EXPECT_EQ(Marcas(*d).find('N'), std::string::npos) << Marcas(*d);
    EXPECT_EQ(d->TextoStatus(), QStringLiteral("Registros encontrados: 2"));
    EXPECT_EQ(d->CDSProduto->NumeroRegistro(), 2); // row 3 asked, the last row given
    std::set<std::string> esperados = {terceiro, "7", "14"};
    EXPECT_EQ(d->ProdutosSelecionados, esperados);
    // in text order, without duplicates
    d->DefinirFiltro(F::fGrupos, "(1,4)", "");
    d->EdProd->clear();
    Tecla(*d, Qt::Key_F6);
    EXPECT_EQ(Escolhidos(*d), (std::vector<std::string>{"1", "11", "14", "2", "3", "6", "7"}));
    // F7 empties the list of every search and shows the rows unmarked
    Tecla(*d, Qt::Key_F7);
    EXPECT_TRUE(d->ProdutosSelecionados.empty());
    EXPECT_EQ(Marcas(*d).find('S'), std::string::npos);
    EXPECT_EQ(Ids(*d).size(), 7u);
}

TEST_F(PesqProdutoTest, CursorNoMesmoNumeroDeLinhaDepoisDeNovaPesquisa) {
    auto d = Dialogo();
    d->DefinirFiltro(F::fGrupos, "(1,4)", "");
    Buscar(*d, "");
    d->CDSProduto->IrPara(5);
    d->GridProdutos->SeguirCursor();
    Buscar(*d, ""); // same rows: same row number
    EXPECT_EQ(d->CDSProduto->NumeroRegistro(), 5);
    EXPECT_EQ(d->GridProdutos->currentIndex().row(), 4);
    d->LimparFiltro(F::fGrupos);
    Buscar(*d, "DIPIRONA"); // shorter: the last row
    EXPECT_EQ(d->CDSProduto->NumeroRegistro(), 2);
    EXPECT_EQ(d->GridProdutos->currentIndex().row(), 1);
    d->DefinirFiltro(F::fGrupos, "(1,4)", "");
    Buscar(*d, ""); // longer again: row 2, whatever product stands there
    EXPECT_EQ(d->CDSProduto->NumeroRegistro(), 2);
    d->CDSProduto->IrPara(1);
    Buscar(*d, "");
    EXPECT_EQ(d->CDSProduto->NumeroRegistro(), 1);
}

TEST_F(PesqProdutoTest, ConfirmarECancelar) {
    auto d = Dialogo();
    d->show();
    Tecla(*d, Qt::Key_F3); // no result: nothing, silently
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(Informacoes().empty());
    Buscar(*d, "DIPIRONA");
    Tecla(*d, Qt::Key_F3);
    EXPECT_EQ(Informacoes(), Textos{"Nenhum produto selecionado!"});
    EXPECT_TRUE(d->isVisible());
    Tecla(*d, Qt::Key_F5);
    Buscar(*d, "NAO EXISTE");
    Informacoes();
    d->ButOk->click(); // chosen products but an empty result on screen: nothing
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(Informacoes().empty());
    Buscar(*d, "GOTAS");
    Tecla(*d, Qt::Key_F3);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(Escolhidos(*d), (std::vector<std::string>{"1"}));

    // outside marking mode OK asks for nothing
    auto semMarcacao = Dialogo(false);
    semMarcacao->show();
    Buscar(*semMarcacao, "GOTAS");
    semMarcacao->ButOk->click();
    EXPECT_EQ(semMarcacao->result(), QDialog::Accepted);

    for (bool enterNoBotao : {false, true}) {
        auto c = Dialogo();
        c->show();
        Buscar(*c, "GOTAS");
        Tecla(*c, Qt::Key_F5);
        if (enterNoBotao)
            QTest::keyClick(c->ButFechar, Qt::Key_Return);
        else
            Tecla(*c, Qt::Key_Escape);
        EXPECT_FALSE(c->isVisible());
        EXPECT_EQ(c->result(), QDialog::Rejected);
    }
}

TEST_F(PesqProdutoTest, EnterNumBotaoDeFiltroAbreODialogoDeApoio) {
    auto d = Dialogo();
    int aberturas = 0;
    d->ExecutarFiltro = [&](TFFiltroGenerico2& f) {
        ++aberturas;
        f.btnCancelarClick();
        return f.result();
    };
    QTest::keyClick(d->BotaoFiltro[F::fPrincipios], Qt::Key_Return);
    EXPECT_EQ(aberturas, 1);
    QTest::keyClick(d->GridProdutos, Qt::Key_Return); // Enter elsewhere does nothing
    EXPECT_EQ(aberturas, 1);
    EXPECT_TRUE(Informacoes().empty());
}

TEST_F(PesqProdutoTest, LinhasMarcadasPintadasDeVermelho) {
    auto d = Dialogo();
    Buscar(*d, "DIPIRONA");
    Tecla(*d, Qt::Key_F5); // the first row
    auto cores = [&](int linha, bool selecionada) {
        QStyleOptionViewItem o;
        o.widget = d->GridProdutos;
        o.state = selecionada ? QStyle::State_Selected : QStyle::State_None;
        return d->GridProdutos->Delegate()->Cores(o, d->GridProdutos->Modelo()->index(linha, 2));
    };
    EXPECT_EQ(cores(0, false).fundo, QColor(255, 128, 128));
    EXPECT_EQ(cores(0, false).texto, QColor(Qt::black));
    EXPECT_EQ(cores(0, true).fundo, QColor(255, 85, 85));
    EXPECT_EQ(cores(0, true).texto, QColor(Qt::white));
    EXPECT_EQ(cores(1, false).fundo, QApplication::palette().color(QPalette::Base)); // even row, not marked
    EXPECT_EQ(cores(1, true).fundo, QColor(0, 0, 128));
}

} // namespace
