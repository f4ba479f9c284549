#include "core/app/ConfigSistemaQOR.h"
#include "core/app/Conexao.h"
#include "core/app/DmTorvane.h"
#include "core/app/Erros.h"
#include "core/app/Texto.h"
#include "core/app/Util.h"
#include "support/BancoTeste.h"

#include <gtest/gtest.h>

using banco_teste::TBancoTeste;
using texto::W;

namespace {

class DmTorvaneTest : public ::testing::Test {
protected:
    TBancoTeste banco;
    TdmTorvane& dm = banco.dm();

    void SetUp() override {
        dm.ExecutarSQL("CREATE TABLE t (id INT NOT NULL PRIMARY KEY, nome VARCHAR(40) DEFAULT NULL) DEFAULT CHARSET=latin1");
    }
    std::string Lista() {
        auto q = dm.AbrirQuery("SELECT GROUP_CONCAT(id ORDER BY id) AS ids FROM t");
        return q->Valor("ids").AsString();
    }
};

TEST_F(DmTorvaneTest, ExecutarScriptParaNoPrimeiroErro) {
    // three statements, the second fails: the first stays, the third does not run
    EXPECT_EQ(dm.ExecutarScript("INSERT INTO t (id) VALUES (1);\r\nINSERT INTO nao_existe (id) VALUES (2);\r\n"
                                "INSERT INTO t (id) VALUES (3);"),
              -1);
    EXPECT_EQ(Lista(), "1");
    // a ";" inside a quoted literal does not end the statement
    EXPECT_EQ(dm.ExecutarScript("INSERT INTO t VALUES (4, \"a;b\"); INSERT INTO t VALUES (5, 'c;d');\n"
                                "INSERT INTO t VALUES (6, \"e\\\";f\")"),
              0);
    EXPECT_EQ(Lista(), "1,4,5,6");
    EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE id = 4", "").AsString(), "a;b");
    EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE id = 6", "").AsString(), "e\";f");
    // the connection is still usable for single statements afterwards, and those stay single
    EXPECT_EQ(dm.ExecutarScript("   \r\n  "), 0);
    EXPECT_THROW(dm.ExecutarSQL("INSERT INTO t (id) VALUES (7); INSERT INTO t (id) VALUES (8)"), EErroBanco);
    EXPECT_EQ(Lista(), "1,4,5,6");
}

TEST_F(DmTorvaneTest, ExecutarSQLDevolveLinhasAfetadasEPropagaErros) {
    EXPECT_EQ(dm.ExecutarSQL("INSERT INTO t (id) VALUES (1), (2), (3)"), 3);
    EXPECT_EQ(dm.ExecutarSQL("UPDATE t SET nome = \"x\" WHERE id >= 2"), 2);
    try {
        dm.ExecutarSQL("INSERT INTO tabela_que_nao_existe (id) VALUES (1)");
        FAIL();
    } catch (const EErroBanco& e) {
        EXPECT_NE(std::string(e.what()).find("tabela_que_nao_existe"), std::string::npos) << e.what();
    }
    EXPECT_THROW(dm.AbrirQuery("SELECT * FROM tabela_que_nao_existe"), EErroBanco);
    EXPECT_EQ(dm.TentarExecutarSQL("INSERT INTO t (id) VALUES (1)"), -1); // duplicate key
    EXPECT_EQ(dm.TentarExecutarSQL("INSERT INTO t (id) VALUES (9)"), 1);
    try {
        dm.AbrirDataSet("SELECT * FROM nada");
        FAIL();
    } catch (const EErroSistema& e) {
        EXPECT_TRUE(texto::ComecaCom(e.what(), "Erro ao abrir dataset. Erro: ")) << e.what();
    }
}

TEST_F(DmTorvaneTest, ObterValorDevolveOPadrao) {
    dm.ExecutarSQL("INSERT INTO t VALUES (1, NULL), (2, \"dois\")");
    EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE id = 2", "x").AsString(), "dois");
    EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE id = 99", "sem linha").AsString(), "sem linha");
    EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE id = 1", "nulo").AsString(), "nulo");
    EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE", "invalido").AsString(), "invalido");
    EXPECT_EQ(dm.ObterValor("SELECT COUNT(*) FROM t", 0).AsInteger(), 2);
    // the connection goes on working after a swallowed error
    EXPECT_EQ(dm.ObterValor("SELECT 41 + 1", 0).AsInteger(), 42);
}

TEST_F(DmTorvaneTest, TabelasTemporariasSoNaConexaoDeTrabalho) {
    dm.ExecutarSQL("CREATE TEMPORARY TABLE temp_x (id INT)");
    dm.ExecutarSQL("INSERT INTO temp_x VALUES (1)");
    EXPECT_EQ(dm.ObterValor("SELECT COUNT(*) FROM temp_x", -1).AsInteger(), 1);
    TQuery naPrimaria(dm.BancodeDados());
    naPrimaria.DefinirSQL("SELECT COUNT(*) FROM temp_x");
    EXPECT_THROW(naPrimaria.Abrir(), EErroBanco);
    EXPECT_FALSE(naPrimaria.Ativa());
    // the primary connection sees the ERP tables
    naPrimaria.DefinirSQL("SELECT COUNT(*) FROM produto");
    naPrimaria.Abrir();
    EXPECT_EQ(naPrimaria.Valor(0, 0).AsInteger(), 0);
}

TEST_F(DmTorvaneTest, AspasSQLComTextosHostis) {
    const std::string hostis[] = {
        "O'Brien", "Drogaria \"Sao Joao\"", "barra\\", "\\\"", "fim\\\"; DROP TABLE t; --", "a\"b\"c\\d",
        std::string("nul\0byte", 8), W("Ação & Cia."), "%_", "",
    };
    int id = 100;
    for (const auto& h : hostis) {
        ++id;
        dm.ExecutarSQL("INSERT INTO t (id, nome) VALUES (" + std::to_string(id) + ", " + TdmTorvane::AspasSQL(h) + ")");
        EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE id = " + std::to_string(id), "?").AsString(), h);
        EXPECT_EQ(dm.ObterValor("SELECT COUNT(*) FROM t WHERE nome = " + TdmTorvane::AspasSQL(h), 0).AsInteger(), 1);
    }
    EXPECT_EQ(dm.ObterValor("SELECT COUNT(*) FROM t", 0).AsInteger(), static_cast<int64_t>(std::size(hostis)));
    EXPECT_EQ(TdmTorvane::AspasSQL("a\"b"), "\"a\\\"b\"");
}

TEST_F(DmTorvaneTest, TextoEmWindows1252EModoPermissivo) {
    // latin1 on the connection: the byte of "ç" goes and comes back as one byte
    dm.ExecutarSQL("INSERT INTO t VALUES (1, " + TdmTorvane::AspasSQL(W("Ação")) + ")");
    EXPECT_EQ(dm.ObterValor("SELECT nome FROM t WHERE id = 1", "").AsString(), W("Ação"));
    EXPECT_EQ(dm.ObterValor("SELECT LENGTH(nome) FROM t WHERE id = 1", 0).AsInteger(), 4);
    EXPECT_EQ(dm.ObterValor("SELECT @@SESSION.sql_mode", "?").AsString(), "");
    // over-long text is shortened, NULL into NOT NULL takes the implicit default, the zero date is accepted
    dm.ExecutarSQL("CREATE TEMPORARY TABLE temp_m (c CHAR(3), n INT NOT NULL, d DATE NOT NULL DEFAULT \"0000-00-00\")");
    dm.ExecutarSQL("INSERT INTO temp_m (c, n) SELECT \"abcdef\", SUM(id) FROM t WHERE id > 100");
    auto q = dm.AbrirQuery("SELECT c, n, d FROM temp_m");
    EXPECT_EQ(q->Valor("c").AsString(), "abc");
    EXPECT_EQ(q->Valor("n").AsInteger(), 0);
    EXPECT_EQ(q->Valor("d").AsString(), "0000-00-00");
}

TEST_F(DmTorvaneTest, AbrirQueryNavegaEEditaSoALocal) {
    dm.ExecutarSQL("INSERT INTO t VALUES (1, \"um\"), (2, \"dois\"), (3, \"tres\")");
    auto q = dm.AbrirQuery("SELECT id, nome, \"N\" AS marcado, 1.50 AS valor, CURDATE() AS hoje FROM t ORDER BY id");
    EXPECT_EQ(q->QuantidadeRegistros(), 3);
    EXPECT_EQ(q->NumeroRegistro(), 1);
    EXPECT_EQ(q->Campo(0).tipo, TTipoCampo::Inteiro);
    EXPECT_EQ(q->Campo(3).tipo, TTipoCampo::Decimal);
    EXPECT_EQ(q->Campo(4).tipo, TTipoCampo::Data);
    EXPECT_EQ(q->Valor("VALOR").AsDinheiro(), TDinheiro::DeCentavos(150));
    q->Proximo();
    q->DefinirValor("marcado", TValor("S"));
    EXPECT_EQ(q->Valor("marcado").AsString(), "S");
    q->Proximo();
    q->Proximo();
    EXPECT_TRUE(q->Eof());
    q->IrPara(2);
    EXPECT_EQ(q->Valor("nome").AsString(), "dois");
    // sorting through the statement text reopens in the new order
    OrdenarQuery(*q, "id", "desc");
    EXPECT_EQ(q->Valor(0, "id").AsInteger(), 3);
    // the whole statement goes lower-cased, its literals too, and the local edit is gone with the reopening
    EXPECT_EQ(q->Valor(1, "marcado").AsString(), "n");
    EXPECT_EQ(q->SQL(), "select id, nome, \"n\" as marcado, 1.50 as valor, curdate() as hoje from t order by id desc");
}

TEST(ConectarBanco, SenhaErradaOuServidorInalcancavelPerguntam) {
    TBancoTeste banco(2, false);
    struct {
        std::string senha;
        unsigned porta;
    } casos[] = {{"senha errada", banco_teste::Porta()}, {banco_teste::Senha(), 1}};
    for (const auto& c : casos) {
        banco.EscreverConnectionConf(c.senha, c.porta);
        auto info = TConnectionInfo::LerArquivo(banco.Pasta() + "/connection.conf");
        TdmTorvane dm(info);
        struct TTresVezesSim : IPerguntaConexao {
            int vezes = 0;
            std::string primeira;
            bool TentarNovamente(const std::string& m) override {
                if (vezes++ == 0) primeira = m;
                return vezes <= 3;
            }
        } pergunta;
        EXPECT_FALSE(dm.ConectarBanco(pergunta));
        EXPECT_EQ(pergunta.vezes, 4); // three times Yes, then No
        EXPECT_TRUE(texto::ComecaCom(pergunta.primeira, W("Não foi possível conectar no banco de dados local. Erro: ")))
            << pergunta.primeira;
        EXPECT_TRUE(texto::TerminaCom(pergunta.primeira, "\r\nDeseja tentar novamente?"));
    }
}

TEST(ConectarBanco, ConectaEConverteOCodigoLojasLeram) {
    TBancoTeste banco(2, false);
    auto info = TConnectionInfo::LerArquivo(banco.Pasta() + "/connection.conf");
    EXPECT_EQ(info.Porta(), banco_teste::Porta());
    EXPECT_EQ(info.NomeBanco(), banco.NomeBanco());
    {
        banco.EscreverSistemaQor("[FilialMatriz]\r\nCodLogica=12\r\nusa_fislogica=1\r\n");
        TdmTorvane dm(info);
        banco_teste::TPerguntaNao nao;
        EXPECT_TRUE(dm.ConectarBanco(nao));
        EXPECT_EQ(nao.vezes, 0);
        EXPECT_EQ(TConfigSistemaQOR::CodigoLojasLeram(), "C");
        EXPECT_EQ(TConfigSistemaQOR::ObterCodigoFilial(), 12);
    }
    {
        banco.EscreverSistemaQor("[FilialMatriz]\r\nCodLogica=80\r\nusa_fislogica=1\r\n");
        TdmTorvane dm(info);
        banco_teste::TPerguntaNao nao;
        EXPECT_FALSE(dm.ConectarBanco(nao));
        EXPECT_NE(nao.ultima.find(W("O filial_id 80 não pode ser convertido")), std::string::npos) << nao.ultima;
    }
    {
        // usa_fislogica other than "1": no conversion, whatever the number
        banco.EscreverSistemaQor("[FilialMatriz]\r\nCodLogica=80\r\nusa_fislogica=0\r\n");
        TdmTorvane dm(info);
        banco_teste::TPerguntaNao nao;
        EXPECT_TRUE(dm.ConectarBanco(nao));
        EXPECT_FALSE(TConfigSistemaQOR::ObterCodigoLogica().has_value());
    }
}

TEST(Configuracao, ArquivosDeConfiguracao) {
    TBancoTeste banco(2, false);
    // missing sistema_qor.ini: branch 0
    std::remove((banco.Pasta() + "/sistema_qor.ini").c_str());
    EXPECT_EQ(TConfigSistemaQOR::ObterCodigoFilial(), 0);
    banco.EscreverSistemaQor("[filialmatriz]\r\ncodlogica = abc\r\n");
    EXPECT_EQ(TConfigSistemaQOR::ObterCodigoFilial(), 0);
    banco.EscreverSistemaQor("[FilialMatriz]\r\nCodLogica=7\r\n");
    EXPECT_EQ(TConfigSistemaQOR::ObterCodigoFilial(), 7);

    // localhost in capitals: this machine's own address, not the name
    banco.EscreverConnectionConf("", 3306, "LOCALHOST");
    auto info = TConnectionInfo::LerArquivo(banco.Pasta() + "/connection.conf");
    EXPECT_EQ(info.DatabaseIP(), "LOCALHOST");
    EXPECT_EQ(info.Host(), TConnectionInfo::EnderecoProprio());
    EXPECT_NE(info.Host(), "LOCALHOST");
    EXPECT_EQ(info.Senha(), ""); // an empty password stays empty

    // values that are not hex read as empty; a port that is not a number gives 3306
    {
        std::FILE* f = std::fopen((banco.Pasta() + "/connection.conf").c_str(), "wb");
        std::fputs("[CONNECTION]\r\ndatabaseip=31302E302E302E3\r\nDatabasename=ZZ\r\nCodFisica=3432\r\n"
                   "DatabasePort=6162\r\n", f);
        std::fclose(f);
    }
    info = TConnectionInfo::LerArquivo(banco.Pasta() + "/connection.conf");
    EXPECT_EQ(info.Host(), "10.0.0.");
    EXPECT_EQ(info.NomeBanco(), "");
    EXPECT_EQ(info.CodFisica(), 42);
    EXPECT_EQ(info.Porta(), 3306u);
    // a missing file reads as empty values
    info = TConnectionInfo::LerArquivo(banco.Pasta() + "/nao-existe.conf");
    EXPECT_EQ(info.Host(), "");
    EXPECT_EQ(info.Porta(), 3306u);
}

} // namespace
