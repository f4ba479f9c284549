#include "core/app/Erros.h"
#include "core/app/Texto.h"
#include "core/calc/AmbienteCalculo.h"
#include "core/calc/ApuracaoJson.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace calculo_teste;
using texto::W;

namespace {

const TData kData = Dia(2016, 3, 22);

class ApuracaoJsonTest : public CalculoTeste {};

TEST_F(ApuracaoJsonTest, ColunasPorTipoEDocumentosNaOrdemDaAlocacao) {
    banco.Executar("INSERT INTO fornece (fornece_id, nome, cgc, ie) VALUES (7, " +
                   TdmTorvane::AspasSQL(W("Distribuidora \"Boa\" Saúde\\Ltda")) +
                   ", \"12.345.678/0001-90\", \"110.042.490.114\")");
    Estoque(1, 10);
    for (auto [nota, data, q, unit, base] :
         std::vector<std::tuple<int, const char*, int, const char*, const char*>>{
             {3, "2016-03-15", 6, "10.00", "72.00"}, {5, "2016-03-02", 2, "11.00", "26.40"},
             {4, "2016-03-02", 1, "11.00", "13.20"}, {2, "2016-02-20", 8, "9.50", "91.20"}}) {
        TNota n{nota, data};
        n.fornece = 7;
        Nota(n);
        TItem i{nota, 1, 1, q, unit};
        i.baseSubRet = base;
        Item(i);
    }
    Estoque(2, 2);
    Escolher({2, 1});
    CalcularTudo(kData);

    EXPECT_EQ(TApuracaoJson::Gerar(dm, 2, kData),
              R"({
  "filial_id": 2,
  "data_inventario": "2016-03-22",
  "apuracao": [
    {"filial_id": 2, "produto_id": 1, "quantidade_estoque": 10, "quantidade_comprovada": 10, "vl_unit_medio": "10.25", "vl_bc_icms_ret_medio": "12.30", "vl_item_total": "102.50", "vl_bc_icms_ret_total": "123.00", "vl_icms_ret_total": "7.38", "status": 0, "status_tem_imposto": "S"},
    {"filial_id": 2, "produto_id": 2, "quantidade_estoque": 2, "quantidade_comprovada": 0, "vl_unit_medio": "0.00", "vl_bc_icms_ret_medio": "0.00", "vl_item_total": "0.00", "vl_bc_icms_ret_total": "0.00", "vl_icms_ret_total": "0.00", "status": 2, "status_tem_imposto": "N"}
  ],
  "documentos": [
    {"filial_id": 2, "nota_fiscal_id": 3, "num_nota": 1003, "modelo": "55", "chave": "CHAVE3", "data_emissao": "2016-03-15", "nome_emit": "Distribuidora \"Boa\" Saúde\\Ltda", "cnpj_emit": "12345678000190", "ie_emit": "110.042.490.114", "produto_id": 1, "quantidade_comprovada": 6, "vl_unit": "10.00", "vl_bc_icms_ret_unit": "12.00"},
    {"filial_id": 2, "nota_fiscal_id": 5, "num_nota": 1005, "modelo": "55", "chave": "CHAVE5", "data_emissao": "2016-03-02", "nome_emit": "Distribuidora \"Boa\" Saúde\\Ltda", "cnpj_emit": "12345678000190", "ie_emit": "110.042.490.114", "produto_id": 1, "quantidade_comprovada": 2, "vl_unit": "11.00", "vl_bc_icms_ret_unit": "13.20"},
    {"filial_id": 2, "nota_fiscal_id": 4, "num_nota": 1004, "modelo": "55", "chave": "CHAVE4", "data_emissao": "2016-03-02", "nome_emit": "Distribuidora \"Boa\" Saúde\\Ltda", "cnpj_emit": "12345678000190", "ie_emit": "110.042.490.114", "produto_id": 1, "quantidade_comprovada": 1, "vl_unit": "11.00", "vl_bc_icms_ret_unit": "13.20"},
    {"filial_id": 2, "nota_fiscal_id": 2, "num_nota": 1002, "modelo": "55", "chave": "CHAVE2", "data_emissao": "2016-02-20", "nome_emit": "Distribuidora \"Boa\" Saúde\\Ltda", "cnpj_emit": "12345678000190", "ie_emit": "110.042.490.114", "produto_id": 1, "quantidade_comprovada": 1, "vl_unit": "9.50", "vl_bc_icms_ret_unit": "11.40"}
  ]
}
)");
}

TEST_F(ApuracaoJsonTest, SemResultadoListasVazias) {
    EXPECT_EQ(TApuracaoJson::Gerar(dm, 2, kData), "{\n  \"filial_id\": 2,\n  \"data_inventario\": \"2016-03-22\",\n"
                                                  "  \"apuracao\": [],\n  \"documentos\": []\n}\n");
}

TEST(ApuracaoJson, TextoEscapado) {
    EXPECT_EQ(TApuracaoJson::Texto("a\"b\\c/d"), R"("a\"b\\c/d")");
    EXPECT_EQ(TApuracaoJson::Texto("\t\r\n\b\f\x01\x1f"), R"("\t\r\n\b\f\u0001\u001f")");
    EXPECT_EQ(TApuracaoJson::Texto("Saúde €"), "\"Saúde €\"");
}

std::string Ler(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(ApuracaoJson, GravarArquivoSubstituiODestinoInteiro) {
    namespace fs = std::filesystem;
    fs::path pasta = fs::temp_directory_path() / ("rst-json-" + std::to_string(::getpid()));
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    fs::path destino = pasta / "saida.json";
    {
        std::ofstream antigo(destino, std::ios::binary);
        antigo << std::string(10000, 'x');
    }
    TApuracaoJson::GravarArquivo(destino.string(), "{}\n");
    EXPECT_EQ(Ler(destino), "{}\n");
    size_t arquivos = 0;
    for (const auto& e : fs::directory_iterator(pasta)) {
        ++arquivos;
        EXPECT_EQ(e.path().filename(), "saida.json");
    }
    EXPECT_EQ(arquivos, 1u);

    EXPECT_THROW(TApuracaoJson::GravarArquivo((pasta / "nao-existe" / "x.json").string(), "{}"), EErroSistema);
    EXPECT_FALSE(fs::exists(pasta / "nao-existe"));
    fs::remove_all(pasta);
}

} // namespace
