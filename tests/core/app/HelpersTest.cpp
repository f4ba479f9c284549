#include "core/app/ConfigSistemaQOR.h"
#include "core/app/ConnectionInfo.h"
#include "core/app/Dinheiro.h"
#include "core/app/Erros.h"
#include "core/app/FilialTypes.h"
#include "core/app/RessarcimentoHelper.h"
#include "core/app/Texto.h"
#include "core/app/Util.h"

#include <gtest/gtest.h>

using texto::W;

TEST(DecodificarHex, Casos) {
    struct {
        const char* armazenado;
        const char* esperado; // nullptr: decoding fails
    } casos[] = {
        {"6C6F63616C686F7374", "localhost"},
        {"6c6f63616c686f7374", "localhost"},
        {"4C4F43414C484F5354", "LOCALHOST"},
        {"6C6F63616C686F737", "localhos"}, // odd length: the last character is ignored
        {"", ""},
        {"4", ""},
        {"ZZ", nullptr},
        {"41ZZ42", nullptr},
        {"4G", nullptr},
        {"E3", "\xE3"}, // one Windows-1252 byte
    };
    for (const auto& c : casos) {
        auto r = TConnectionInfo::DecodificarHex(c.armazenado);
        if (!c.esperado) {
            EXPECT_FALSE(r.has_value()) << c.armazenado;
        } else {
            ASSERT_TRUE(r.has_value()) << c.armazenado;
            EXPECT_EQ(*r, c.esperado) << c.armazenado;
        }
    }
}

TEST(FilialParaLojasLeram, Casos) {
    struct {
        int n;
        const char* esperado;
    } casos[] = {{1, "*"}, {0, "0"}, {2, "2"}, {9, "9"},  {10, "A"}, {35, "Z"},
                 {36, "@"}, {37, "#"}, {53, ":"}, {54, "a"}, {79, "z"}};
    for (const auto& c : casos) EXPECT_EQ(FilialParaLojasLeram(c.n), c.esperado) << c.n;
    try {
        FilialParaLojasLeram(80);
        FAIL() << "80 must not convert";
    } catch (const EErroSistema& e) {
        EXPECT_EQ(std::string(e.what()), W("O filial_id 80 não pode ser convertido para um \"lojas_leram\" válido"));
    }
}

TEST(Mapear, Casos) {
    struct {
        std::string codigo;
        TTipoFilial esperado;
    } casos[] = {{"SN", TTipoFilial::tfSN},     {"sn", TTipoFilial::tfSN},    {"sN", TTipoFilial::tfSN},
                 {"Sn", TTipoFilial::tfSN},     {"SE", TTipoFilial::tfSE},    {"LP", TTipoFilial::tfLP},
                 {"lp", TTipoFilial::tfLP},     {"LC", TTipoFilial::tfLC},    {"LN", TTipoFilial::tfLN},
                 {"", TTipoFilial::tfOutro},    {" SN", TTipoFilial::tfOutro}, {"SN ", TTipoFilial::tfOutro},
                 {"XX", TTipoFilial::tfOutro},  {"SNN", TTipoFilial::tfOutro}};
    for (const auto& c : casos) EXPECT_EQ(TMapTypesFiliais::Mapear(c.codigo), c.esperado) << "'" << c.codigo << "'";
}

TEST(TRessarcimentoHelper, Formatos) {
    struct {
        const char* valor;
        const char* virgula;
        const char* ponto;
    } casos[] = {
        {"12.5", "12,50", "12.50"},      {"0", "0,00", "0.00"},          {"-3.456", "-3,46", "-3.46"},
        {"0.005", "0,01", "0.01"},       {"-0.005", "-0,01", "-0.01"},   {"0.0048", "0,00", "0.00"},
        {"1234567.891", "1234567,89", "1234567.89"}, {"7.375", "7,38", "7.38"}, {"10.2449", "10,24", "10.24"},
    };
    for (const auto& c : casos) {
        TDinheiro v = TDinheiro::Ler(c.valor);
        EXPECT_EQ(TRessarcimentoHelper::FormatarValor(2, v), c.virgula) << c.valor;
        EXPECT_EQ(TRessarcimentoHelper::FormatarValorSQL(2, v), c.ponto) << c.valor;
    }
    EXPECT_TRUE(TRessarcimentoHelper::SomenteNumeros(""));
    EXPECT_TRUE(TRessarcimentoHelper::SomenteNumeros("0123"));
    EXPECT_FALSE(TRessarcimentoHelper::SomenteNumeros("123a"));
    EXPECT_FALSE(TRessarcimentoHelper::SomenteNumeros(" 123"));
    EXPECT_FALSE(TRessarcimentoHelper::SomenteNumeros("-1"));

    struct {
        const char* ncm;
        const char* esperado;
    } ncms[] = {{"30049099", "3004.90.99"}, {"3004909", "0300.49.09"}, {" 30049099 ", "3004.90.99"},
                {"300490991", "3004.90.99"}, {"", "0000.00.00"}};
    for (const auto& c : ncms) EXPECT_EQ(TRessarcimentoHelper::FormatarNCM(c.ncm), c.esperado) << c.ncm;
}

TEST(TDinheiro, LeituraArredondamentoEDivisao) {
    EXPECT_EQ(TDinheiro::Ler("102.50").DecimosMilesimos(), 1025000);
    EXPECT_EQ(TDinheiro::Ler("-0.0048").DecimosMilesimos(), -48);
    EXPECT_EQ(TDinheiro::Ler("12,5").DecimosMilesimos(), 125000);
    EXPECT_EQ(TDinheiro::Ler("1.00005").DecimosMilesimos(), 10001); // fifth decimal rounds
    EXPECT_THROW(TDinheiro::Ler("abc"), EErroSistema);
    EXPECT_THROW(TDinheiro::Ler(""), EErroSistema);
    EXPECT_THROW(TDinheiro::Ler("1.2.3"), EErroSistema);
    EXPECT_EQ(TDinheiro::Ler("10").DivididoPor(3).Formatar(4, '.'), "3.3333");
    EXPECT_EQ(TDinheiro::Ler("-10").DivididoPor(3).Formatar(4, '.'), "-3.3333");
    EXPECT_EQ(TDinheiro::Ler("0.0005").DivididoPor(1).Arredondado(3).Formatar(3, '.'), "0.001");
    EXPECT_EQ((TDinheiro::Ler("3.33") * 3).Formatar(2, ','), "9,99");
}

TEST(Completar, Casos) {
    struct {
        const char* texto;
        int largura;
        char fill;
        const char* direita;
        const char* esquerda;
    } casos[] = {
        {"123", 6, '0', "123000", "000123"}, {"1234567", 4, '0', "1234", "1234"},
        {"AB", 4, ' ', "AB  ", "  AB"},       {"ABCDEF", 3, ' ', "ABC", "ABC"},
        {"ABC", 3, ' ', "ABC", "ABC"},        {"", 2, '*', "**", "**"},
        {"ABC", 0, ' ', "", ""},              {"\xE7\xE3o", 4, '.', "\xE7\xE3o.", ".\xE7\xE3o"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(CompletarDireita(c.texto, c.largura, c.fill), c.direita) << c.texto << " " << c.largura;
        EXPECT_EQ(CompletarEsquerda(c.texto, c.largura, c.fill), c.esquerda) << c.texto << " " << c.largura;
    }
    EXPECT_EQ(RepetirCaractere('-', 3), "---");
    EXPECT_EQ(RepetirCaractere('-', 0), "");
    EXPECT_EQ(RepetirCaractere('-', -2), "");
    EXPECT_EQ(EscolherTexto(true, "A", "B"), "A");
    EXPECT_EQ(EscolherTexto(false, "A", "B"), "B");
}

TEST(OrdenarQuery, TextoDoComando) {
    struct {
        std::string sql;
        const char* esperado;
    } casos[] = {
        // a statement ending in ORDER BY: that clause is replaced
        {"SELECT A FROM T ORDER BY  produto.descricao ", "select a from t order by produto_id desc"},
        // without ORDER BY: the clause comes after the statement's last line break
        {"SELECT A FROM T\r\nWHERE B = 1\r\n", "select a from t\r\nwhere b = 1\r\norder by produto_id desc"},
        {"SELECT A FROM T", "select a from t\r\norder by produto_id desc"},
        // accented capitals are lowered too; the year pattern is restored
        {W("SELECT DATE_FORMAT(X, \"%d/%m/%Y %H:%i:%s\"), \"ÇÃO\" FROM T"),
         nullptr},
        // a word "order" inside the select list cuts there
        {"SELECT border FROM T", "select border by produto_id desc"},
    };
    for (const auto& c : casos) {
        std::string r = TextoOrdenado(c.sql, "produto_id", "desc");
        if (c.esperado) {
            EXPECT_EQ(r, c.esperado) << c.sql;
        } else {
            EXPECT_EQ(r, W("select date_format(x, \"%d/%m/%Y %h:%i:%s\"), \"ção\" from t\r\norder by produto_id desc"));
        }
    }
}
