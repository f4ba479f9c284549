#include "core/calc/AmbienteCalculo.h"
#include "core/calc/ComandosCalculo.h"

#include <map>

using namespace calculo_teste;

namespace {

// Inventory date of these tests: 22 February 2016.
const TData kData = Dia(2016, 2, 22);

class SaldoEstoqueTest : public CalculoTeste {};

// Each case is one product with 100 units on hand and one movement; the balance shows whether the
// movement was rolled back (an exit of 5 adds 5, an entry of 5 takes 5 away).
struct TCasoMovimento {
    const char* nome;
    TMovimento movimento;
    int saldo;
};

TMovimento Mov(std::string e_s, std::string dataHora, int filial = 2, int dafilial = 0, int oper = 1,
               std::string apagado = "N") {
    TMovimento m{0};
    m.e_s = std::move(e_s);
    m.quantidade = 5;
    m.dataHora = std::move(dataHora);
    m.filial = filial;
    m.dafilial = dafilial;
    m.oper = oper;
    m.apagado = std::move(apagado);
    return m;
}

TEST_F(SaldoEstoqueTest, CondicoesDosMovimentos) {
    const std::string depois = "2016-03-01 10:00:00";
    const std::vector<TCasoMovimento> casos = {
        {"saida da filial depois da data", Mov("S", depois), 105},
        {"entrada da filial depois da data", Mov("E", depois), 95},
        {"e_s diferente de E conta como saida", Mov("X", depois), 105},
        {"outra filial", Mov("S", depois, 3), 100},
        {"filial 1 com dafilial da filial", Mov("S", depois, 1, 2), 105},
        {"filial 1 com dafilial de outra filial", Mov("S", depois, 1, 3), 100},
        {"dafilial so vale para a filial 1", Mov("S", depois, 2, 3), 105},
        {"oper 4", Mov("S", depois, 2, 0, 4), 100},
        {"oper 8", Mov("S", depois, 2, 0, 8), 100},
        {"oper 9", Mov("S", depois, 2, 0, 9), 100},
        {"oper 16", Mov("S", depois, 2, 0, 16), 100},
        {"oper 5 conta", Mov("S", depois, 2, 0, 5), 105},
        {"apagado", Mov("S", depois, 2, 0, 1, "S"), 100},
        {"meia-noite do dia do inventario nao volta", Mov("S", "2016-02-22 00:00:00"), 100},
        {"um segundo depois da meia-noite volta", Mov("S", "2016-02-22 00:00:01"), 105},
        {"fim do dia do inventario volta", Mov("E", "2016-02-22 23:59:59"), 95},
        {"ultimo segundo do dia anterior nao volta", Mov("S", "2016-02-21 23:59:59"), 100},
        {"sem limite superior", Mov("S", "2099-12-31 23:00:00"), 105},
    };
    std::vector<int> produtos;
    for (size_t i = 0; i < casos.size(); ++i) {
        int produto = static_cast<int>(i) + 1;
        produtos.push_back(produto);
        Estoque(produto, 100);
        TMovimento m = casos[i].movimento;
        m.produto = produto;
        Movimento(m);
    }
    Escolher(produtos);
    Calculo(kData).CalcularSaldoEstoque();

    auto q = dm.AbrirQuery("SELECT produto_id, quantidade FROM temp_estoque ORDER BY produto_id");
    std::map<int64_t, int64_t> saldo;
    for (q->Primeiro(); !q->Eof(); q->Proximo()) saldo[q->Valor("produto_id").AsInteger()] = q->Valor("quantidade").AsInteger();
    ASSERT_EQ(saldo.size(), casos.size());
    for (size_t i = 0; i < casos.size(); ++i) EXPECT_EQ(saldo[static_cast<int64_t>(i) + 1], casos[i].saldo) << casos[i].nome;
}

TEST_F(SaldoEstoqueTest, LimiteInferiorLidoComoMeiaNoitePeloServidor) {
    // The server does not read "20160222 000000" as a moment: against a DATETIME every movement,
    // the day before included, compares as later. "2016-02-22 00:00:00" is midnight.
    for (const char* quando : {"2016-02-21 23:59:59", "2016-02-22 00:00:00", "2016-02-22 00:00:01"}) {
        TMovimento m{1};
        m.dataHora = quando;
        Movimento(m);
    }
    EXPECT_EQ(Linhas("SELECT COUNT(*) FROM movment WHERE data_hora > \"20160222 000000\""), "3\n");
    EXPECT_EQ(comandos_calculo::InicioDoDia(kData), "2016-02-22 00:00:00");
    EXPECT_EQ(Linhas("SELECT data_hora FROM movment WHERE data_hora > \"" + comandos_calculo::InicioDoDia(kData) +
                     "\""),
              "2016-02-22 00:00:01\n");
}

TEST_F(SaldoEstoqueTest, FilialUmContaSoOsMovimentosComDafilialUm) {
    Estoque(1, 100);
    auto doProduto = [](TMovimento m) {
        m.produto = 1;
        return m;
    };
    Movimento(doProduto(Mov("S", "2016-03-01 10:00:00", 1, 1)));  // counts for branch 1
    Movimento(doProduto(Mov("S", "2016-03-01 11:00:00", 1, 2)));  // belongs to branch 2
    Movimento(doProduto(Mov("E", "2016-03-01 12:00:00", 2, 1)));  // branch 2's own row
    Escolher({1});
    Calculo(kData, 1).CalcularSaldoEstoque();
    EXPECT_EQ(Saldos(), "1|105\n");
}

TEST_F(SaldoEstoqueTest, SomaTodosOsMovimentosDesdeAData) {
    // stock on hand 20; since the date: entry 10, exits 4 and 1, and a deleted exit; before it an exit
    Estoque(1, 20);
    for (auto [e_s, q, quando, apagado] :
         std::vector<std::tuple<const char*, int, const char*, const char*>>{{"E", 10, "2016-02-25 08:00:00", "N"},
                                                                             {"S", 4, "2016-03-02 09:00:00", "N"},
                                                                             {"S", 1, "2016-02-22 00:00:01", "N"},
                                                                             {"S", 7, "2016-03-03 09:00:00", "S"},
                                                                             {"S", 50, "2016-02-20 09:00:00", "N"}}) {
        TMovimento m{1};
        m.e_s = e_s;
        m.quantidade = q;
        m.dataHora = quando;
        m.apagado = apagado;
        Movimento(m);
    }
    Escolher({1});
    Calculo(kData).CalcularSaldoEstoque();
    // 20 - 10 + 4 + 1 = 15, whichever order the server reads the movements in
    EXPECT_EQ(Saldos(), "1|15\n");
}

TEST_F(SaldoEstoqueTest, SaldosNegativosSaemZeroFica) {
    Estoque(1, 2);   // entry of 5 since the date: -3, removed
    Movimento({1, "E", 5});
    Estoque(2, 5);   // entry of 5: 0, stays
    Movimento({2, "E", 5});
    // 3: no estoque_minimo row, an exit of 3 since the date: 3
    Movimento({3, "S", 3});
    // 4: neither stock row nor movement: 0, stays
    // 5: no stock row, an entry since the date: -4, removed
    Movimento({5, "E", 4});
    Estoque(6, 7);   // a movement of another product does not touch it
    Escolher({1, 2, 3, 4, 5, 6});
    Calculo(kData).CalcularSaldoEstoque();
    EXPECT_EQ(Saldos(), "2|0\n3|3\n4|0\n6|7\n");
}

TEST_F(SaldoEstoqueTest, SoOsProdutosEscolhidosEProgresso) {
    Estoque(1, 10);
    Estoque(2, 20);
    Escolher({2});
    // a balance of an earlier calculation is not kept
    dm.ExecutarSQL("INSERT INTO temp_estoque VALUES (1, 99)");
    Calculo(kData).CalcularSaldoEstoque();
    EXPECT_EQ(Saldos(), "2|20\n");
    EXPECT_EQ(progresso.percentuais, (std::vector<int>{20, 40, 60, 80, 100}));
}

TEST_F(SaldoEstoqueTest, SemProdutoEscolhidoATabelaFicaVazia) {
    Estoque(1, 10);
    Movimento({1, "S", 3});
    Calculo(kData).CalcularSaldoEstoque();
    EXPECT_EQ(Saldos(), "");
    EXPECT_EQ(progresso.percentuais, (std::vector<int>{20, 40, 60, 80, 100}));
}

} // namespace
