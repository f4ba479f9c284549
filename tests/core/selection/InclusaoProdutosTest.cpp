#include "core/selection/InclusaoProdutos.h"
#include "core/app/DmTorvane.h"
#include "core/calc/TabelasTrabalho.h"
#include "support/BancoTeste.h"

#include <gtest/gtest.h>
#include <set>

using banco_teste::TBancoTeste;

namespace {

// ids 1 to n in text order, as the product search hands them over
std::vector<std::string> Ids(int n) {
    std::set<std::string> s;
    for (int i = 1; i <= n; ++i)
        s.insert(std::to_string(i));
    return {s.begin(), s.end()};
}

int Comandos(const std::string& script) {
    int n = 0;
    for (size_t p = script.find("REPLACE INTO"); p != std::string::npos;
         p = script.find("REPLACE INTO", p + 1))
        ++n;
    return n;
}

class InclusaoProdutosTest : public ::testing::Test {
protected:
    TBancoTeste banco;
    TdmTorvane& dm = banco.dm();

    void SetUp() override { dm.ExecutarSQL(tabelas::kCriarTempProdutos); }
    long long Quantidade() { return dm.ObterValor("SELECT COUNT(*) FROM temp_produtos", -1).AsInteger(); }
    // a table that refuses the given ids, so that their statements fail
    void Recusar(const std::string& ids) {
        dm.ExecutarSQL("DROP TEMPORARY TABLE temp_produtos");
        dm.ExecutarSQL(
            "CREATE TEMPORARY TABLE temp_produtos (produto_id INT(11) NOT NULL, PRIMARY KEY (produto_id), "
            "CONSTRAINT recusa CHECK (produto_id NOT IN " +
            ids + "))");
    }
};

TEST(MontarScripts, QuinhentosComandosPorScript) {
    const auto scripts = inclusao_produtos::MontarScripts(Ids(1200));
    ASSERT_EQ(scripts.size(), 3u);
    EXPECT_EQ(Comandos(scripts[0]), 500);
    EXPECT_EQ(Comandos(scripts[1]), 500);
    EXPECT_EQ(Comandos(scripts[2]), 200);
    // the ids in list order, one statement each, nothing between them
    EXPECT_EQ(scripts[0].substr(0, 103), "REPLACE INTO temp_produtos (produto_id) VALUES (1);"
                                         "REPLACE INTO temp_produtos (produto_id) VALUES (10);");
    std::string todos, esperado;
    for (const auto& s : scripts)
        todos += s;
    for (const auto& id : Ids(1200))
        esperado += inclusao_produtos::ComandoInclusao(id);
    EXPECT_EQ(todos, esperado);

    EXPECT_EQ(inclusao_produtos::MontarScripts(Ids(500)).size(), 1u);
    EXPECT_EQ(inclusao_produtos::MontarScripts(Ids(501)).size(), 2u);
    EXPECT_TRUE(inclusao_produtos::MontarScripts({}).empty());
}

TEST_F(InclusaoProdutosTest, MilEDuzentosProdutosEmTresScripts) {
    int chamadas = 0;
    auto r = inclusao_produtos::Incluir(dm, Ids(1200), [&] { ++chamadas; });
    EXPECT_EQ(r.ComandosPorScript, (std::vector<int>{500, 500, 200}));
    EXPECT_EQ(r.ScriptsComFalha, 0);
    EXPECT_EQ(r.NaoIncluidos, 0);
    EXPECT_EQ(chamadas, 1200); // after every product, so the window keeps painting
    EXPECT_EQ(Quantidade(), 1200);

    // a product already listed stays one row
    r = inclusao_produtos::Incluir(dm, {"1", "2000"});
    EXPECT_EQ(r.ScriptsComFalha, 0);
    EXPECT_EQ(Quantidade(), 1201);
}

TEST_F(InclusaoProdutosTest, FalhaParaORestoDoScriptEOsSeguintesRodam) {
    // "1" opens the first script: that script stops there, the next two still run
    Recusar("(1)");
    auto r = inclusao_produtos::Incluir(dm, Ids(1200));
    EXPECT_EQ(r.ComandosPorScript, (std::vector<int>{500, 500, 200}));
    EXPECT_EQ(r.ScriptsComFalha, 1);
    EXPECT_EQ(r.NaoIncluidos, 500);
    EXPECT_EQ(Quantidade(), 700);
    EXPECT_EQ(inclusao_produtos::ContarNaoIncluidos(dm, Ids(1200)), 500);

    // in one script: the statements before the failing one stay done, the ones after it are lost
    Recusar("(2)");
    r = inclusao_produtos::Incluir(dm, {"1", "2", "3"});
    EXPECT_EQ(r.ScriptsComFalha, 1);
    EXPECT_EQ(r.NaoIncluidos, 2);
    EXPECT_EQ(Quantidade(), 1);
}

} // namespace
