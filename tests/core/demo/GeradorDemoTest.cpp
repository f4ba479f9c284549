#include "core/app/Data.h"
#include "core/app/Dinheiro.h"
#include "core/app/DmTorvane.h"
#include "core/app/Progresso.h"
#include "core/app/ScriptSQL.h"
#include "core/app/Texto.h"
#include "core/calc/CalculoRessarcimento.h"
#include "core/calc/ProdutosEscolhidos.h"
#include "core/calc/TabelasTrabalho.h"
#include "support/BancoTeste.h"
#include "support/DemoTeste.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using texto::W;

namespace {

std::string Gerar(const std::string& argumentos) { return banco_teste::GerarDemo(argumentos); }

std::string SemComentarios(const std::string& comando) {
    std::string t = texto::Aparar(comando);
    while (texto::ComecaCom(t, "--")) {
        size_t fim = t.find('\n');
        t = fim == std::string::npos ? "" : texto::Aparar(t.substr(fim + 1));
    }
    return t;
}

TEST(GeradorDemoTest, MesmosBytesEmCadaExecucaoSoInsertsEmLatin1) {
    const std::string a = Gerar("");
    const std::string b = Gerar("");
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == b) << "two runs with the same options differ";
    EXPECT_FALSE(a == Gerar("--semente 7")) << "the seed changes nothing";

    std::set<std::string> tabelas;
    for (const std::string& comando : DividirScriptSQL(a)) {
        const std::string t = SemComentarios(comando);
        ASSERT_TRUE(texto::ComecaCom(t, "INSERT INTO ")) << t.substr(0, 80);
        tabelas.insert(t.substr(12, t.find(' ', 12) - 12));
        size_t linhas = 0;
        for (size_t p = t.find("\n("); p != std::string::npos; p = t.find("\n(", p + 1))
            ++linhas;
        EXPECT_LE(linhas, 1000u) << t.substr(0, 80);
    }
    const std::set<std::string> esperadas = {"filial",
                                             "grupo",
                                             "grupo_precos",
                                             "espec",
                                             "fabricantes",
                                             "principio_ativo",
                                             "classe_terapeutica",
                                             "produto",
                                             "estoque_minimo",
                                             "movment",
                                             "fornece",
                                             "nota_fiscal",
                                             "nota_fiscal_item",
                                             "arqs_efd"};
    EXPECT_EQ(tabelas, esperadas);
    // accented text in Windows-1252 bytes, never in UTF-8
    EXPECT_NE(a.find(W("\"ÁCIDO ACETILSALICÍLICO\"")), std::string::npos);
    EXPECT_NE(a.find(W("\"FARMÁCIA SÃO JOSÉ\"")), std::string::npos);
    EXPECT_EQ(a.find("ÁCIDO"), std::string::npos);
    // the quote in a supplier's name is escaped for the server
    EXPECT_NE(a.find(R"("DISTRIBUIDORA \"BOA SAUDE\" LTDA")"), std::string::npos);
}

struct TTamanho {
    const char* nome;
    const char* argumentos;
    long long produtos, movimentos, itens;
};
void PrintTo(const TTamanho& t, std::ostream* os) {
    *os << t.nome << " (" << t.argumentos << ")";
}

// What the calculation for branch 2 on 22/02/2016 finds for a product, by its place in each block
// of 50 ids (the outcomes the generator documents at its top).
struct TCasa {
    int ultima; // the places up to this one
    const char* caso;
    int status; // -1: no result row
    const char* temImposto;
};
const TCasa kCasas[] = {
    {31, "fully proven, with a retained base", 0, "S"},
    {35, "fully proven, no retained base", 0, "N"},
    {40, "opening stock older than the invoices", 1, "S"},
    {44, "no invoice up to the date", 2, "N"},
    {47, "sold out before the date", 0, "N"},
    {48, "negative balance", -1, ""},
    {49, "never stocked", 0, "N"},
    {50, "not offered by the search", -1, ""},
};

struct TResultado {
    long long estoque, comprovada, status;
    std::string temImposto;
    TDinheiro icms;
};

class GeradorDemoCargaTest : public ::testing::TestWithParam<TTamanho> {};

TEST_P(GeradorDemoCargaTest, CarregaECobreCadaDesfechoDoCalculo) {
    const TTamanho& t = GetParam();
    banco_teste::TBancoTeste banco(2);
    TdmTorvane& dm = banco.dm();
    ASSERT_NO_THROW(banco.Executar(Gerar(t.argumentos)));
    auto contar = [&](const std::string& sql) { return dm.ObterValor(sql, -1).AsInteger(); };

    EXPECT_EQ(contar("SELECT COUNT(*) FROM produto"), t.produtos);
    const long long movimentos = contar("SELECT COUNT(*) FROM movment");
    const long long itens = contar("SELECT COUNT(*) FROM nota_fiscal_item");
    EXPECT_NEAR(movimentos, t.movimentos, t.movimentos / 10);
    EXPECT_NEAR(itens, t.itens, t.itens / 10);
    EXPECT_EQ(
        dm.ObterValor("SELECT GROUP_CONCAT(filial_id, cod_regime_tribut ORDER BY filial_id) FROM filial", "")
            .AsString(),
        "1LP,2LP,3SN");
    // branch 2: purchases and transfers on both sides of the date, movements after it
    EXPECT_EQ(dm.ObterValor(
                    "SELECT CONCAT(SUM(tipo_nota = \"E\" AND data_emissao <= \"2016-02-22\") > 0, "
                    "SUM(tipo_nota = \"E\" AND data_emissao > \"2016-02-22\") > 0, "
                    "SUM(tipo_nota = \"R\" AND data_emissao <= \"2016-02-22\") > 0, "
                    "(SELECT COUNT(*) FROM movment WHERE filial_id = 2 AND data_hora > \"2016-02-23\") > 0) "
                    "FROM nota_fiscal WHERE filial_id = 2 AND apagado = \"N\" AND cancelada = \"N\"",
                    "")
                  .AsString(),
              "1111");

    // the system's own calculation over every product the search offers
    std::vector<std::string> temporarias;
    tabelas::CriarTabelasPermanentes(dm, temporarias);
    TProdutosEscolhidos::Gravar(dm, TProdutosEscolhidos::Todos(dm));
    TProgressoNulo progresso;
    auto calcular = [&](int filial) {
        TCalculoRessarcimento calculo(dm, filial, TData{2016, 2, 22}, progresso);
        calculo.CalcularSaldoEstoque();
        calculo.SelecionarDocumentos();
        calculo.CalcularRessarcimento();
        return calculo.ExisteItemRestituir();
    };
    auto resultados = [&] {
        std::map<long long, TResultado> r;
        auto q = dm.AbrirQuery("SELECT produto_id, quantidade_estoque, quantidade_comprovada, status, "
                               "status_tem_imposto, vl_icms_ret_total FROM temp_apuracao");
        for (q->Primeiro(); !q->Eof(); q->Proximo())
            r[q->Valor("produto_id").AsInteger()] = {
                q->Valor("quantidade_estoque").AsInteger(), q->Valor("quantidade_comprovada").AsInteger(),
                q->Valor("status").AsInteger(), q->Valor("status_tem_imposto").AsString(),
                q->Valor("vl_icms_ret_total").AsDinheiro()};
        return r;
    };

    ASSERT_TRUE(calcular(2));
    const std::map<long long, TResultado> filial2 = resultados();
    std::string divergencias;
    int quantas = 0;
    std::map<std::string, int> vistos;
    for (long long id = 1; id <= t.produtos; ++id) {
        const int casa = static_cast<int>((id - 1) % 50 + 1);
        const TCasa* c = kCasas;
        while (casa > c->ultima)
            ++c;
        auto it = filial2.find(id);
        bool ok;
        if (c->status < 0) {
            ok = it == filial2.end();
        } else {
            ok = it != filial2.end() && it->second.status == c->status;
            if (ok) {
                const TResultado& r = it->second;
                if (c->status == 1)
                    ok = r.comprovada > 0 && r.comprovada < r.estoque;
                if (c->ultima == 47 || c->ultima == 49)
                    ok = r.estoque == 0;
                // a proven balance with a retained base has something to reimburse
                if (std::string(c->temImposto) == "S" && r.estoque > 0)
                    ok = ok && r.temImposto == "S" && r.icms > TDinheiro();
                if (std::string(c->temImposto) == "N")
                    ok = ok && r.temImposto == "N" && r.icms == TDinheiro();
            }
        }
        if (ok) {
            ++vistos[c->caso];
        } else if (++quantas <= 10) {
            divergencias += "product " + std::to_string(id) + " (" + c->caso + "): " +
                            (it == filial2.end() ? std::string("no result row")
                                                 : "status " + std::to_string(it->second.status) +
                                                       ", balance " + std::to_string(it->second.estoque) +
                                                       ", proven " + std::to_string(it->second.comprovada) +
                                                       ", tax " + it->second.temImposto) +
                            "\n";
        }
    }
    EXPECT_EQ(quantas, 0) << divergencias;
    EXPECT_EQ(vistos.size(), std::size(kCasas));

    // branch 3, of the simplified regime, gets every status as well
    EXPECT_TRUE(calcular(3));
    std::set<long long> status3;
    for (const auto& [id, r] : resultados())
        status3.insert(r.status);
    EXPECT_EQ(status3, (std::set<long long>{0, 1, 2}));
}

INSTANTIATE_TEST_SUITE_P(
    Tamanhos, GeradorDemoCargaTest,
    ::testing::Values(TTamanho{"demo", "", 400, 30000, 4000},
                      TTamanho{"pequena", "--produtos 120 --movimentos 6000 --itens 900 --semente 7", 120,
                               6000, 900}),
    [](const ::testing::TestParamInfo<TTamanho>& i) { return std::string(i.param.nome); });

} // namespace
