#include "core/selection/ConsultaProdutos.h"
#include "core/app/DmTorvane.h"
#include "core/app/Erros.h"
#include "core/selection/FixtureSelecao.h"
#include "support/BancoTeste.h"

#include <gtest/gtest.h>
#include <set>

using banco_teste::TBancoTeste;
using consulta_produtos::TFiltrosProduto;

namespace {

class ConsultaProdutosTest : public ::testing::Test {
protected:
    TBancoTeste banco;
    TdmTorvane& dm = banco.dm();

    void SetUp() override { banco.Executar(fixture_selecao::kTudo); }

    std::set<long long> Ids(const std::string& sql) {
        auto q = dm.AbrirQuery(sql);
        std::set<long long> ids;
        for (q->Primeiro(); !q->Eof(); q->Proximo())
            ids.insert(q->Valor("produto_id").AsInteger());
        return ids;
    }
};

TEST(MontarSQLPesquisa, PrimeiraLinhaComAMarcaEAsJuncoesDasDescricoes) {
    EXPECT_EQ(
        consulta_produtos::MontarSQLPesquisa("S"),
        " select   prod.produto_id, prod.descricao, prod.barras,   prod.grupo_id, prod.grupo_precos_id, "
        "prod.espec_id, prod.fabricantes_id,   prod.principio_ativo_id, prod.classe_terapeutica_id, "
        "prod.contado,   g.desc_arvore as desc_grupo,   gp.descricao as desc_grupo_preco,   espec.descricao "
        "as "
        "desc_espec,   fab.descricao as desc_fabricante,   pa.descricao as desc_principio,   ct.descricao as "
        "desc_classe, 'S' as marcado  from   produto prod  left join   grupo g on (g.grupo_id = "
        "prod.grupo_id "
        "and g.apagado = \"N\")  left join   grupo_precos gp on (gp.grupo_precos_id = prod.grupo_precos_id "
        "and "
        "gp.apagado = \"N\")  left join   espec on (espec.espec_id = prod.espec_id and espec.apagado = "
        "\"N\") "
        " left join   fabricantes fab on (fab.fabricantes_id = prod.fabricantes_id and fab.apagado = \"N\") "
        " left join   principio_ativo pa on (pa.principio_ativo_id = prod.principio_ativo_id and pa.apagado "
        "= "
        "\"N\")  left join   classe_terapeutica ct on (ct.classe_terapeutica_id = prod.classe_terapeutica_id "
        "and ct.apagado = \"N\")  where   prod.apagado = \"N\"");
    EXPECT_THROW(consulta_produtos::MontarSQLPesquisa("X"), EErroSistema);
}

TEST(MontarSQLPesquisa, UmaLinhaPorCriterioNaOrdemDosFiltros) {
    TFiltrosProduto f;
    f.FiltroGrupos = "(1,4)";
    f.FiltroEspecificacoes = "(2)";
    f.FiltroFabricantes = "(3)";
    f.FiltroPrincipios = "(4)";
    f.FiltroClassesTerapeuticas = "(5)";
    f.FiltroGruposPreco = "(6,7)";
    EXPECT_EQ(
        consulta_produtos::MontarSQLPesquisa("N", f, " dipi "),
        consulta_produtos::MontarSQLPesquisa("N") +
            "\r\nand prod.grupo_id in (1,4)\r\nand prod.espec_id in (2)\r\nand prod.fabricantes_id in (3)\r\n"
            "and prod.principio_ativo_id in (4)\r\nand prod.classe_terapeutica_id in (5)\r\n"
            "and prod.grupo_precos_id in (6,7)\r\n and prod.descricao like \"% dipi %\"\r\n"
            " and prod.tipo = \"P\" \r\n");
    // no criterion: only the type; a description of spaces alone is no criterion
    EXPECT_EQ(consulta_produtos::MontarSQLPesquisa("N", {}, "   "),
              consulta_produtos::MontarSQLPesquisa("N") + "\r\n and prod.tipo = \"P\" \r\n");
    f.FiltroGrupos = "(1) or 1=1";
    EXPECT_THROW(consulta_produtos::MontarSQLPesquisa("N", f, ""), EErroSistema);
}

TEST(ConsultaProdutos, ListasDeIdsAceitas) {
    struct {
        const char* lista;
        bool valida;
    } casos[] = {
        {"", true},       {"(1)", true},     {"(3,17,42)", true}, {"(-2,5)", true}, {"(", false},
        {"()", false},    {"(1,)", false},   {"(,1)", false},     {"1,2", false},   {"(1;DROP)", false},
        {"(1 2)", false}, {"(1,2))", false}, {"(1-2)", false},    {"(--1)", false},
    };
    for (const auto& c : casos) {
        if (c.valida)
            EXPECT_NO_THROW(consulta_produtos::ValidarListaIds(c.lista)) << c.lista;
        else
            EXPECT_THROW(consulta_produtos::ValidarListaIds(c.lista), EErroSistema) << c.lista;
    }
}

TEST_F(ConsultaProdutosTest, CadaCriterioRestringeNoServidor) {
    auto filtro = [](std::string TFiltrosProduto::*campo, const char* ids) {
        TFiltrosProduto f;
        f.*campo = ids;
        return f;
    };
    TFiltrosProduto grupoEFabricante;
    grupoEFabricante.FiltroGrupos = "(1)";
    grupoEFabricante.FiltroFabricantes = "(2)";
    struct {
        const char* nome;
        TFiltrosProduto filtros;
        std::string descricao;
        std::set<long long> esperados;
    } casos[] = {
        // deleted products (8) and other types (9) never come
        {"nenhum", {}, "", {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14}},
        {"so espacos", {}, "   ", {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14}},
        {"grupo", filtro(&TFiltrosProduto::FiltroGrupos, "(1)"), "", {1, 2, 3}},
        {"dois grupos", filtro(&TFiltrosProduto::FiltroGrupos, "(1,4)"), "", {1, 2, 3, 6, 7, 11, 14}},
        {"especificacao", filtro(&TFiltrosProduto::FiltroEspecificacoes, "(2)"), "", {2}},
        {"fabricante", filtro(&TFiltrosProduto::FiltroFabricantes, "(2)"), "", {2, 3}},
        {"principio", filtro(&TFiltrosProduto::FiltroPrincipios, "(2)"), "", {3}},
        {"classe", filtro(&TFiltrosProduto::FiltroClassesTerapeuticas, "(1)"), "", {1, 2}},
        {"grupo de precos", filtro(&TFiltrosProduto::FiltroGruposPreco, "(2)"), "", {3}},
        {"grupo e fabricante", grupoEFabricante, "", {2, 3}},
        {"grupo e descricao", filtro(&TFiltrosProduto::FiltroGrupos, "(1)"), "gotas", {2}},
        {"descricao em qualquer lugar e caixa", {}, "pirona", {1, 2}},
        // the text as typed, spaces included
        {"espaco depois", {}, "DIPIRONA ", {1, 2}},
        {"espaco antes", {}, " DIPIRONA", {}},
        {"espacos dos dois lados", {}, " GOTAS ", {2}},
        // characters of the statement and of LIKE are searched as themselves
        {"aspas", {}, "\"BRILHO\"", {4}},
        {"percentual", {}, "50%", {5}},
        {"so percentual", {}, "%", {5}},
        {"sublinhado", {}, "ALCOOL_GEL", {6}},
        {"barra invertida", {}, "C:\\T", {7}},
        {"apostrofo", {}, "D'OURO", {13}},
        {"nada", {}, "XYZ", {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Ids(consulta_produtos::MontarSQLPesquisa("N", c.filtros, c.descricao)), c.esperados)
            << c.nome;
}

TEST_F(ConsultaProdutosTest, DescricoesDasTabelasDeApoioEMarca) {
    auto q = dm.AbrirQuery(consulta_produtos::MontarSQLPesquisa("S", {}, "DIPIRONA 500"));
    ASSERT_EQ(q->QuantidadeRegistros(), 1);
    EXPECT_EQ(q->Valor("desc_grupo").AsString(), "MEDICAMENTOS");
    EXPECT_EQ(q->Valor("desc_grupo_preco").AsString(), "GENERICOS");
    EXPECT_EQ(q->Valor("desc_espec").AsString(), "COMPRIMIDO");
    EXPECT_EQ(q->Valor("desc_fabricante").AsString(), "EMS");
    EXPECT_EQ(q->Valor("desc_principio").AsString(), "DIPIRONA");
    EXPECT_EQ(q->Valor("desc_classe").AsString(), "ANALGESICO");
    EXPECT_EQ(q->Valor("barras").AsString(), "7891000000011");
    EXPECT_EQ(q->Valor("marcado").AsString(), "S");

    // a missing group and a deleted espec row and manufacturer: listed, with empty descriptions
    q = dm.AbrirQuery(consulta_produtos::MontarSQLPesquisa("N", {}, "SEM GRUPO"));
    ASSERT_EQ(q->QuantidadeRegistros(), 1);
    for (const char* campo : {"desc_grupo", "desc_espec", "desc_fabricante", "desc_principio"})
        EXPECT_TRUE(q->Valor(campo).EhNulo()) << campo;
    EXPECT_EQ(q->Valor("marcado").AsString(), "N");
}

TEST_F(ConsultaProdutosTest, LinhasDoFiltroDeApoio) {
    // the group filter with a current list: its rows marked, deleted rows left out, by description
    const std::string sql =
        consulta_produtos::MontarSQLFiltro("grupo_id", "desc_arvore", "grupo", "(3,4)", "apagado");
    EXPECT_EQ(sql,
              "Select grupo_id, desc_arvore, IF (grupo_id in (3,4),\"S\",\"N\") AS MARCADO from grupo\r\n"
              "Where apagado <> \"S\"\r\nOrder by desc_arvore\r\n");
    auto q = dm.AbrirQuery(sql);
    std::vector<std::string> linhas;
    for (q->Primeiro(); !q->Eof(); q->Proximo())
        linhas.push_back(q->Valor("grupo_id").AsString() + q->Valor("desc_arvore").AsString() +
                         q->Valor("MARCADO").AsString());
    EXPECT_EQ(linhas, (std::vector<std::string>{"4HIGIENES", "1MEDICAMENTOSN", "2PERFUMARIAN"}));

    // no current list: every row marked; no deleted-flag field: deleted rows come too
    const std::string todos = consulta_produtos::MontarSQLFiltro("espec_id", "descricao", "espec", "", "");
    EXPECT_EQ(todos, "Select espec_id, descricao, \"S\" AS MARCADO from espec\r\nOrder by descricao\r\n");
    q = dm.AbrirQuery(todos);
    linhas.clear();
    for (q->Primeiro(); !q->Eof(); q->Proximo())
        linhas.push_back(q->Valor("descricao").AsString() + q->Valor("MARCADO").AsString());
    EXPECT_EQ(linhas, (std::vector<std::string>{"COMPRIMIDOS", "VELHAS", "XAROPES"}));
}

} // namespace
