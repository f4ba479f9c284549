#include "core/calc/AmbienteCalculo.h"

using namespace calculo_teste;

namespace {

const TData kData = Dia(2016, 3, 22);

class RessarcimentoTest : public CalculoTeste {
protected:
    void Saldo(int produto, int quantidade) {
        dm.ExecutarSQL("INSERT INTO temp_estoque VALUES (" + std::to_string(produto) + ", " +
                       std::to_string(quantidade) + ")");
    }
    // A document straight into temp_documentos, as the allocation leaves it
    void Documento(int produto, int nota, int quantidade, const char* vlUnit, const char* vlBc) {
        dm.ExecutarSQL("INSERT INTO temp_documentos (filial_id, nota_fiscal_id, data_emissao, produto_id, "
                       "quantidade_comprovada, vl_unit, vl_bc_icms_ret_unit) VALUES (2, " +
                       std::to_string(nota) + ", \"2016-03-01\", " + std::to_string(produto) + ", " +
                       std::to_string(quantidade) + ", " + vlUnit + ", " + vlBc + ")");
    }
    void Calcular() { Calculo(kData).CalcularRessarcimento(); }
};

TEST_F(RessarcimentoTest, ExemploCompleto) {
    // balance 10; invoices of 15 March (6), 2 March (3), 20 February (8) and 5 February (4)
    Estoque(1, 10);
    Compra(3, "2016-03-15", 1, 6, "10.00", "72.00");
    Compra(1, "2016-03-02", 1, 3, "11.00", "39.60");
    Compra(4, "2016-02-20", 1, 8, "9.50", "91.20");
    Compra(2, "2016-02-05", 1, 4, "8.00", "40.00");
    Escolher({1});
    CalcularTudo(kData);
    EXPECT_EQ(Documentos(), "1|3|6|10.00|12.00\n1|1|3|11.00|13.20\n1|4|1|9.50|11.40\n");
    EXPECT_EQ(Apuracao(), "1|10|10|10.25|12.30|102.50|123.00|7.38|0|S\n");
    EXPECT_EQ(Linhas("SELECT DISTINCT filial_id FROM temp_apuracao"), "2\n");
    EXPECT_TRUE(Calculo(kData).ExisteItemRestituir());
}

TEST_F(RessarcimentoTest, StatusDeCadaProduto) {
    Estoque(1, 5);  // covered in full
    Compra(1, "2016-03-10", 1, 5, "10.00", "5.00");
    Estoque(2, 5);  // 3 of 5 covered
    Compra(2, "2016-03-10", 2, 3, "10.00", "5.00");
    Estoque(3, 5);  // no invoice
    Estoque(4, 0);  // balance 0, an invoice all the same
    Compra(4, "2016-03-10", 4, 3, "10.00", "5.00");
    Escolher({1, 2, 3, 4});
    CalcularTudo(kData);
    EXPECT_EQ(Apuracao(), "1|5|5|10.00|1.00|50.00|5.00|0.30|0|S\n"
                          "2|5|3|10.00|1.67|30.00|5.01|0.30|1|S\n"
                          "3|5|0|0.00|0.00|0.00|0.00|0.00|2|N\n"
                          "4|0|0|0.00|0.00|0.00|0.00|0.00|0|N\n");
}

TEST_F(RessarcimentoTest, MediasArredondadasAntesDosTotais) {
    // 3 units at an average of 3.3333: 3.33 stored, total 9.99 (not 10.00)
    Saldo(1, 3);
    Documento(1, 1, 1, "3.33", "3.33");
    Documento(1, 2, 1, "3.33", "3.33");
    Documento(1, 3, 1, "3.34", "3.34");
    Calcular();
    EXPECT_EQ(Apuracao(), "1|3|3|3.33|3.33|9.99|9.99|0.60|0|S\n");
}

TEST_F(RessarcimentoTest, BaseDeOitoCentavosNaoTemNadaARestituir) {
    Saldo(1, 1);
    Documento(1, 1, 1, "1.00", "0.08");
    Calcular();
    // 0.08 x 6 / 100 = 0.0048, stored as 0.00
    EXPECT_EQ(Apuracao(), "1|1|1|1.00|0.08|1.00|0.08|0.00|0|S\n");
    EXPECT_FALSE(Calculo(kData).ExisteItemRestituir());

    Saldo(2, 1);
    Documento(2, 2, 1, "1.00", "0.09");  // 0.0054: 0.01
    Calcular();
    EXPECT_TRUE(Calculo(kData).ExisteItemRestituir());
}

TEST_F(RessarcimentoTest, DocumentosSomandoZero) {
    Saldo(1, 4);
    Documento(1, 1, 0, "10.00", "2.00");
    Calcular();
    EXPECT_EQ(Apuracao(), "1|4|0|0.00|0.00|0.00|0.00|0.00|2|S\n");
}

TEST_F(RessarcimentoTest, TemImpostoQuandoQualquerDocumentoTemBase) {
    // whichever of a product's documents the server reads first, one of these two has it without base
    Saldo(1, 2);
    Documento(1, 1, 1, "10.00", "0.00");
    Documento(1, 2, 1, "10.00", "1.00");
    Saldo(2, 2);
    Documento(2, 3, 1, "10.00", "1.00");
    Documento(2, 4, 1, "10.00", "0.00");
    Saldo(3, 2);  // none with base
    Documento(3, 5, 1, "10.00", "0.00");
    Documento(3, 6, 1, "10.00", "0.00");
    Calcular();
    EXPECT_EQ(Linhas("SELECT produto_id, status_tem_imposto FROM temp_apuracao ORDER BY produto_id"),
              "1|S\n2|S\n3|N\n");
}

TEST_F(RessarcimentoTest, CalculoRepetidoDaAsMesmasTabelas) {
    Estoque(1, 10);
    Compra(1, "2016-03-10", 1, 6, "10.00", "12.00");
    Compra(2, "2016-03-01", 1, 8, "11.00", "8.00");
    Estoque(2, 3);
    Movimento({2, "S", 2, "2016-03-25 10:00:00"});
    Estoque(3, 1);
    Movimento({3, "E", 4, "2016-03-25 10:00:00"});  // negative, no result row
    Escolher({1, 2, 3});
    CalcularTudo(kData);
    const std::string saldos = Saldos(), documentos = Documentos(), apuracao = Apuracao();
    EXPECT_EQ(saldos, "1|10\n2|5\n");
    EXPECT_EQ(documentos, "1|1|6|10.00|2.00\n1|2|4|11.00|1.00\n");
    CalcularTudo(kData);
    EXPECT_EQ(Saldos(), saldos);
    EXPECT_EQ(Documentos(), documentos);
    EXPECT_EQ(Apuracao(), apuracao);
}

TEST_F(RessarcimentoTest, SemProdutoNadaARestituir) {
    dm.ExecutarSQL("INSERT INTO temp_apuracao (filial_id, produto_id, vl_icms_ret_total) VALUES (2, 9, 1.00)");
    CalcularTudo(kData);
    EXPECT_EQ(Apuracao(), "");
    EXPECT_FALSE(Calculo(kData).ExisteItemRestituir());
}

TEST_F(RessarcimentoTest, ExisteItemRestituirRespondeFalsoQuandoAConsultaFalha) {
    Saldo(1, 1);
    Documento(1, 1, 1, "1.00", "100.00");
    Calcular();
    ASSERT_TRUE(Calculo(kData).ExisteItemRestituir());
    dm.ExecutarSQL("DROP TEMPORARY TABLE temp_apuracao");
    EXPECT_FALSE(Calculo(kData).ExisteItemRestituir());
}

} // namespace
