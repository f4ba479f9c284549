#include "core/app/Erros.h"
#include "core/app/Texto.h"
#include "core/calc/AmbienteCalculo.h"

#include <functional>
#include <map>

using namespace calculo_teste;
using texto::W;

namespace {

const TData kData = Dia(2016, 3, 22);

class DocumentosTest : public CalculoTeste {
protected:
    // Balances straight into temp_estoque, as the stock step leaves them
    void Saldo(int produto, int quantidade) {
        dm.ExecutarSQL("INSERT INTO temp_estoque VALUES (" + std::to_string(produto) + ", " +
                       std::to_string(quantidade) + ")");
    }
    void Selecionar() { Calculo(kData).SelecionarDocumentos(); }
    // produto_id -> quantidade_comprovada of its one document
    std::map<int64_t, int64_t> Comprovado() {
        auto q = dm.AbrirQuery("SELECT produto_id, SUM(quantidade_comprovada) AS q FROM temp_documentos GROUP BY produto_id");
        std::map<int64_t, int64_t> m;
        for (q->Primeiro(); !q->Eof(); q->Proximo()) m[q->Valor("produto_id").AsInteger()] = q->Valor("q").AsInteger();
        return m;
    }
};

// Each case is one product with a balance of 5 and one invoice of 5 units.
struct TCasoNota {
    const char* nome;
    std::function<void(TNota&, TItem&)> ajuste;
    bool conta;
};

TEST_F(DocumentosTest, CondicoesDasNotas) {
    const std::vector<TCasoNota> casos = {
        {"compra", [](TNota&, TItem&) {}, true},
        {"transferencia recebida", [](TNota& n, TItem&) { n.tipo = "R"; n.filialTrans = 5; }, true},
        {"venda", [](TNota& n, TItem&) { n.tipo = "S"; }, false},
        {"devolucao", [](TNota& n, TItem&) { n.tipo = "D"; }, false},
        {"transferencia enviada", [](TNota& n, TItem&) { n.tipo = "T"; }, false},
        {"nota apagada", [](TNota& n, TItem&) { n.apagado = "S"; }, false},
        {"nota cancelada", [](TNota& n, TItem&) { n.cancelada = "S"; }, false},
        {"item apagado", [](TNota&, TItem& i) { i.apagado = "S"; }, false},
        {"emitida na data do inventario", [](TNota& n, TItem&) { n.dataEmissao = "2016-03-22"; }, true},
        {"emitida no dia seguinte", [](TNota& n, TItem&) { n.dataEmissao = "2016-03-23"; }, false},
        {"de outra filial", [](TNota& n, TItem& i) { n.filial = 3; i.filial = 3; }, false},
    };
    for (size_t k = 0; k < casos.size(); ++k) {
        const int produto = static_cast<int>(k) + 1;
        TNota n{produto};
        TItem i{produto, 1, produto};
        i.quantidade = 5;
        casos[k].ajuste(n, i);
        Nota(n);
        Item(i);
        Saldo(produto, 5);
    }
    Selecionar();
    auto comprovado = Comprovado();
    for (size_t k = 0; k < casos.size(); ++k) {
        const int64_t produto = static_cast<int64_t>(k) + 1;
        if (casos[k].conta)
            EXPECT_EQ(comprovado[produto], 5) << casos[k].nome;
        else
            EXPECT_EQ(comprovado.count(produto), 0u) << casos[k].nome;
    }
}

TEST_F(DocumentosTest, BaseRetidaConformeSituacaoTributaria) {
    // 4 units: base charged on the operation 40.00 (10.00 a unit), retained earlier 20.00 (5.00 a unit)
    const std::vector<std::pair<const char*, const char*>> casos = {
        {"10", "10.00"}, {"010", "10.00"}, {"110", "10.00"}, {"60", "5.00"},
        {"060", "5.00"}, {"00", "5.00"},   {"070", "5.00"},
    };
    std::string esperado;
    for (size_t k = 0; k < casos.size(); ++k) {
        const int produto = static_cast<int>(k) + 1;
        Nota(TNota{produto});
        TItem i{produto, 1, produto};
        i.quantidade = 4;
        i.st = casos[k].first;
        i.baseSub = "40.00";
        i.baseSubRet = "20.00";
        Item(i);
        Saldo(produto, 4);
        esperado += std::to_string(produto) + "|" + std::to_string(produto) + "|4|10.00|" + casos[k].second + "\n";
    }
    Selecionar();
    EXPECT_EQ(Documentos(), esperado);
}

TEST_F(DocumentosTest, ValorUnitarioComDespesasMenosDesconto) {
    Nota(TNota{1});
    TItem i{1, 1, 1};
    i.quantidade = 4;
    i.valorUnit = "10.1234";
    i.frete = "2.00";
    i.seguro = "1.00";
    i.outras = "1.00";
    i.desconto = "2.00";
    i.baseSubRet = "10.00";
    Item(i);
    Saldo(1, 4);
    Selecionar();
    // 10.1234 + 0.50 + 0.25 + 0.25 - 0.50 = 10.6234, in cents 10.62; base 10.00 / 4
    EXPECT_EQ(Documentos(), "1|1|4|10.62|2.50\n");
}

TEST_F(DocumentosTest, EmitenteFornecedorOuFilialDeOrigem) {
    const std::string nome = W("Distribuidora \"Boa Saúde\" C:\\Ltda; filial");
    banco.Executar("INSERT INTO fornece (fornece_id, nome, cgc, ie) VALUES (7, " + TdmTorvane::AspasSQL(nome) +
                   ", \"12.345.678/0001-90\", \"123.456.789.110\")");
    banco.Executar("INSERT INTO filial (filial_id, nome, cgc, inscr) VALUES (5, \"Filial Centro\", "
                   "\"98.765.432/0005-10\", \"987654321\")");
    TNota compra{1, "2016-03-10"};
    compra.fornece = 7;
    TNota transferencia{2, "2016-03-11", "R"};
    transferencia.filialTrans = 5;
    transferencia.fornece = 7;  // a supplier on a transfer does not make it the issuer
    TNota semFornecedor{3, "2016-03-12"};
    semFornecedor.fornece = 99;
    for (const TNota& n : {compra, transferencia, semFornecedor}) {
        Nota(n);
        Item(TItem{n.id, 1, n.id});
        Saldo(n.id, 1);
    }
    Selecionar();
    EXPECT_EQ(Linhas("SELECT produto_id, filial_id, nota_fiscal_id, num_nota, modelo, chave, data_emissao, "
                     "nome_emit, cnpj_emit, ie_emit, nome_emit IS NULL, cnpj_emit IS NULL, ie_emit IS NULL "
                     "FROM temp_documentos ORDER BY produto_id"),
              "1|2|1|1001|55|CHAVE1|2016-03-10|" + nome + "|12345678000190|123.456.789.110|0|0|0\n" +
                  "2|2|2|1002|55|CHAVE2|2016-03-11|Filial Centro|98765432000510|987654321|0|0|0\n" +
                  "3|2|3|1003|55|CHAVE3|2016-03-12||||0|0|0\n");
}

TEST_F(DocumentosTest, NotasDoMesmoDiaPelaNotaMaisAltaPrimeiro) {
    // nota 20 is stored first; nota 30 of the same day comes first all the same
    Compra(20, "2016-03-10", 1, 4);
    Compra(30, "2016-03-10", 1, 4);
    Compra(10, "2016-03-09", 1, 4);
    Saldo(1, 5);
    Selecionar();
    EXPECT_EQ(Documentos(), "1|30|4|10.00|0.00\n1|20|1|10.00|0.00\n");
}

TEST_F(DocumentosTest, ProdutoEmVariosItensDaMesmaNota) {
    // the newest invoice holds the product on two items and another product on a third
    Nota(TNota{1, "2016-03-10"});
    TItem a{1, 1, 1};
    a.quantidade = 2;
    a.valorUnit = "10.00";
    a.baseSubRet = "6.00";
    TItem b{1, 2, 1};
    b.valorUnit = "11.00";
    TItem outro{1, 3, 2};
    outro.quantidade = 50;
    outro.valorUnit = "99.00";
    for (const TItem& i : {a, b, outro}) Item(i);
    Compra(2, "2016-03-01", 1, 20, "50.00");
    Saldo(1, 10);
    Selecionar();
    // 3 units; (2 x 10.00 + 1 x 11.00) / 3 = 10.33; (2 x 3.00 + 1 x 0.00) / 3 = 2.00; then 7 of the older one
    EXPECT_EQ(Documentos(), "1|1|3|10.33|2.00\n1|2|7|50.00|0.00\n");
}

TEST_F(DocumentosTest, SaldoCobertoPelasNotasMaisRecentes) {
    struct TCaso {
        const char* nome;
        int saldo;
        std::vector<std::pair<const char*, int>> notas;  // issue date, units
        std::string esperado;                             // nota|quantity, newest first
    };
    const std::vector<TCaso> casos = {
        {"saldo maior que todas as notas", 20, {{"2016-03-10", 5}, {"2016-03-01", 3}}, "1|5,2|3,"},
        {"saldo igual a nota mais recente", 5, {{"2016-03-10", 5}, {"2016-03-01", 3}}, "1|5,"},
        {"a mais antiga usada da so o que falta", 7, {{"2016-03-10", 5}, {"2016-03-01", 3}, {"2016-02-01", 9}}, "1|5,2|2,"},
        {"saldo zero", 0, {{"2016-03-10", 5}}, ""},
        {"sem nota", 4, {}, ""},
        {"nota com quantidade zero segue para a proxima", 3, {{"2016-03-10", 0}, {"2016-03-01", 5}}, "1|0,2|3,"},
    };
    for (size_t k = 0; k < casos.size(); ++k) {
        const int produto = static_cast<int>(k) + 1;
        for (size_t n = 0; n < casos[k].notas.size(); ++n)
            Compra(produto * 10 + static_cast<int>(n) + 1, casos[k].notas[n].first, produto, casos[k].notas[n].second);
        Saldo(produto, casos[k].saldo);
    }
    Selecionar();
    for (size_t k = 0; k < casos.size(); ++k) {
        const int produto = static_cast<int>(k) + 1;
        std::string obtido;
        auto q = dm.AbrirQuery("SELECT nota_fiscal_id, quantidade_comprovada FROM temp_documentos WHERE produto_id = " +
                               std::to_string(produto) + " ORDER BY data_emissao DESC");
        for (q->Primeiro(); !q->Eof(); q->Proximo())
            obtido += std::to_string(q->Valor("nota_fiscal_id").AsInteger() - produto * 10) + "|" +
                      q->Valor("quantidade_comprovada").AsString() + ",";
        EXPECT_EQ(obtido, casos[k].esperado) << casos[k].nome;
    }
}

TEST_F(DocumentosTest, ProgressoPorProduto) {
    for (int p = 1; p <= 8; ++p) Saldo(p, 1);
    Selecionar();
    EXPECT_EQ(progresso.percentuais, (std::vector<int>{12, 25, 37, 50, 62, 75, 87, 100}));
}

TEST_F(DocumentosTest, SemSaldoNadaASelecionar) {
    Compra(1, "2016-03-10", 1, 5);
    dm.ExecutarSQL("INSERT INTO temp_documentos (filial_id, nota_fiscal_id, produto_id) VALUES (2, 9, 9)");
    Selecionar();
    EXPECT_EQ(Documentos(), "");
    EXPECT_TRUE(progresso.percentuais.empty());
}

TEST_F(DocumentosTest, NotasTransitoriasDescartadasTambemQuandoOPassoFalha) {
    Compra(1, "2016-03-10", 1, 5, "10.00", "60.00");
    Saldo(1, 5);
    // the items statement fails halfway through the step, after temp_notas was built
    banco.Executar("ALTER TABLE nota_fiscal_item DROP COLUMN base_calc_icms_sub_ret");
    EXPECT_THROW(Selecionar(), EErroBanco);
    EXPECT_THROW(dm.AbrirQuery("SELECT * FROM temp_notas"), EErroBanco);
    EXPECT_THROW(dm.AbrirQuery("SELECT * FROM temp_notas_item"), EErroBanco);

    banco.Executar("ALTER TABLE nota_fiscal_item ADD COLUMN base_calc_icms_sub_ret DECIMAL(14,2) NOT NULL DEFAULT 0.00;"
                   "UPDATE nota_fiscal_item SET base_calc_icms_sub_ret = 60.00");
    Selecionar();
    EXPECT_EQ(Documentos(), "1|1|5|10.00|12.00\n");
    EXPECT_THROW(dm.AbrirQuery("SELECT * FROM temp_notas"), EErroBanco);
}

TEST_F(DocumentosTest, NotasTransitoriasDeixadasNaConexaoNaoImpedemOPasso) {
    // as a run of an older version that stopped halfway leaves them
    dm.ExecutarSQL("CREATE TEMPORARY TABLE temp_notas (x INT)");
    dm.ExecutarSQL("CREATE TEMPORARY TABLE temp_notas_item (y INT)");
    Compra(1, "2016-03-10", 1, 5);
    Saldo(1, 5);
    Selecionar();
    EXPECT_EQ(Documentos(), "1|1|5|10.00|0.00\n");
}

} // namespace
