#include "core/calc/TabelasTrabalho.h"

#include "core/app/DmTorvane.h"
#include "core/app/Texto.h"

namespace tabelas {

const char* const kCriarTempProdutos =
    "CREATE TEMPORARY TABLE temp_produtos (   produto_id INT(11) NOT NULL,   CONSTRAINT PRIMARY KEY (produto_id)) ";

const char* const kCriarTempEstoque =
    "CREATE TEMPORARY TABLE temp_estoque (   produto_id INT(11) NOT NULL,   quantidade INT(11) NOT NULL DEFAULT 0,"
    "   CONSTRAINT PRIMARY KEY (produto_id)) ";

const char* const kCriarTempDocumentos =
    "CREATE TEMPORARY TABLE temp_documentos (   filial_id INT(11) NOT NULL,   nota_fiscal_id INT(11) NOT NULL,"
    "   num_nota INT(11) NOT NULL DEFAULT 0,   modelo CHAR(3) DEFAULT NULL,   chave VARCHAR(50) DEFAULT NULL,"
    "   data_emissao DATE NOT NULL DEFAULT \"0000-00-00\",   nome_emit VARCHAR(100) DEFAULT NULL,"
    "   cnpj_emit CHAR(14) DEFAULT NULL,   ie_emit VARCHAR(25) DEFAULT NULL,   produto_id INT(11) NOT NULL DEFAULT 0,"
    "   quantidade_comprovada INT(11) NOT NULL DEFAULT 0,   vl_unit DECIMAL(14,2) NOT NULL DEFAULT 0.00,"
    "   vl_bc_icms_ret_unit DECIMAL(14,2) NOT NULL DEFAULT 0.00,"
    "   CONSTRAINT PRIMARY KEY (filial_id, nota_fiscal_id, produto_id),   KEY (produto_id)) ";

const char* const kCriarTempApuracao =
    "CREATE TEMPORARY TABLE temp_apuracao (  filial_id INT(11) NOT NULL,  produto_id INT(11) NOT NULL,"
    "  quantidade_estoque INT(11) NOT NULL DEFAULT 0,  quantidade_comprovada INT(11) NOT NULL DEFAULT 0,"
    "  vl_unit_medio DECIMAL(14,2) NOT NULL DEFAULT 0.00,  vl_bc_icms_ret_medio DECIMAL(14,2) NOT NULL DEFAULT 0.00,"
    "  vl_item_total DECIMAL(14,2) NOT NULL DEFAULT 0.00,  vl_bc_icms_ret_total DECIMAL(14,2) NOT NULL DEFAULT 0.00,"
    "  vl_icms_ret_total DECIMAL(14,2) NOT NULL DEFAULT 0.00,  status TINYINT NOT NULL DEFAULT 2,"
    "  status_tem_imposto CHAR(1) NOT NULL DEFAULT \"N\",  CONSTRAINT PRIMARY KEY (filial_id, produto_id)) ";

const char* const kCriarTempNotas =
    "CREATE TEMPORARY TABLE temp_notas (  filial_id INT(11) NOT NULL,  nota_fiscal_id INT(11) NOT NULL,"
    "  num_nota INT(9) NOT NULL DEFAULT 0,  modelo CHAR(3) DEFAULT NULL,  chave VARCHAR(50) DEFAULT NULL,"
    "  data_emissao DATE NOT NULL DEFAULT \"0000-00-00\",  tipo_nota CHAR(1) NOT NULL,"
    "  id_emit INT(11) NOT NULL DEFAULT 0,  nome_emit VARCHAR(100) DEFAULT NULL,"
    "  cnpj_emit VARCHAR(18) DEFAULT NULL,  ie_emit VARCHAR(30) DEFAULT NULL,"
    "  CONSTRAINT PRIMARY KEY (filial_id, nota_fiscal_id),  KEY (data_emissao)) ";

const char* const kCriarTempNotasItem =
    "CREATE TEMPORARY TABLE temp_notas_item (  filial_id INT(11) NOT NULL,  nota_fiscal_id INT(11) NOT NULL,"
    "  nota_fiscal_item_id INT(11) NOT NULL,  produto_id INT(11) NOT NULL,  quantidade INT(11) NOT NULL DEFAULT 0,"
    "  vl_unitario DECIMAL(14,2) NOT NULL DEFAULT \"0.00\",  cst CHAR(2) DEFAULT NULL,"
    "  vl_bc_icms_ret_unit DECIMAL(14,2) NOT NULL DEFAULT \"0.00\","
    "  CONSTRAINT PRIMARY KEY (filial_id, nota_fiscal_id, nota_fiscal_item_id),  KEY (produto_id)) ";

const char* const kDescartarNotasEntrada =
    "DROP TEMPORARY TABLE IF EXISTS temp_notas; DROP TEMPORARY TABLE IF EXISTS temp_notas_item; ";

void CriarTabelasPermanentes(TdmTorvane& dm, std::vector<std::string>& lista) {
    dm.ExecutarSQL(kCriarTempProdutos);
    dm.ExecutarSQL(kCriarTempEstoque);
    dm.ExecutarSQL(kCriarTempDocumentos);
    dm.ExecutarSQL(kCriarTempApuracao);
    for (const char* nome : {"temp_produtos", "temp_estoque", "temp_documentos", "temp_apuracao"})
        lista.emplace_back(nome);
}

std::string ScriptRemocao(const std::vector<std::string>& lista) {
    std::string s;
    for (const auto& nome : lista) s += "DROP TEMPORARY TABLE IF EXISTS " + nome + ";" + "\r\n";
    return s;
}

void RemoverTabelas(TdmTorvane& dm, const std::vector<std::string>& lista) {
    std::string script = ScriptRemocao(lista);
    if (!texto::Aparar(script).empty()) dm.ExecutarScript(script);
}

} // namespace tabelas
