#include "core/calc/ComandosCalculo.h"

#include "core/app/DmTorvane.h"
#include "core/app/RessarcimentoHelper.h"

namespace comandos_calculo {

namespace {
std::string Inteiro(int64_t v) { return std::to_string(v); }
} // namespace

// ---------------------------------------------------------------------------------------------
// Stock balance on the inventory date
// ---------------------------------------------------------------------------------------------

const char* const kTruncarEstoque = "TRUNCATE TABLE temp_estoque";

const char* const kInserirProdutosEstoque =
    "INSERT INTO temp_estoque (produto_id, quantidade) SELECT  temp_produtos.produto_id,  0 AS quantidade FROM "
    " temp_produtos ";

std::string InicioDoDia(const TData& data) { return data.Iso() + " 00:00:00"; }

// An entry counts negative and an exit positive, so that adding the sum to the stock on hand rolls
// it back. Every movement since the start of the date counts, summed per product; a product without
// any keeps its 0. The correlated sum reaches movment through its (produto_id, data_hora) index and
// tests the date on the index entries, so only the movements since the date are read.
std::string SomarMovimentosDesdeData(int filialId, const TData& dataInventario) {
    const std::string filial = Inteiro(filialId);
    return "UPDATE temp_estoque SET  temp_estoque.quantidade = COALESCE((SELECT "
           " SUM(IF(movment.e_s = \"E\", movment.quanti_uni * -1, movment.quanti_uni)) "
           "FROM  movment WHERE  movment.produto_id = temp_estoque.produto_id "
           " AND (IF(movment.filial_id = 1, movment.dafilial_id = " +
           filial + ", movment.filial_id = " + filial +
           ")) "
           " AND movment.data_hora > \"" +
           InicioDoDia(dataInventario) +
           "\" AND NOW() "
           " AND movment.oper NOT IN (8, 9, 16, 4) "
           " AND movment.apagado = \"N\"), temp_estoque.quantidade) ";
}

const char* const kSomarEstoqueAtual =
    "UPDATE temp_estoque JOIN  estoque_minimo ON  estoque_minimo.produto_id = temp_estoque.produto_id SET "
    " temp_estoque.quantidade = (temp_estoque.quantidade + estoque_minimo.estoque) ";

const char* const kRemoverSaldosNegativos = "DELETE FROM temp_estoque WHERE  quantidade < 0 ";

// ---------------------------------------------------------------------------------------------
// Entry invoices and the coverage of each balance
// ---------------------------------------------------------------------------------------------

const char* const kTruncarDocumentos = "TRUNCATE TABLE temp_documentos";

const char* const kSaldos = "SELECT  produto_id,  quantidade AS saldo FROM  temp_estoque ORDER BY  produto_id ";

// Candidate invoices: the branch's purchases ("E") and transfers received ("R"), neither deleted nor
// cancelled, issued up to the inventory date inclusive, with a live item of a product in temp_estoque.
// The issuer is the supplier of a purchase and the sending branch of a transfer; its CNPJ keeps digits only.
std::string InserirNotasEntrada(int filialId, const TData& dataInventario) {
    return "INSERT INTO temp_notas (filial_id, nota_fiscal_id, num_nota, modelo, chave, data_emissao, tipo_nota, "
           "id_emit, nome_emit, cnpj_emit, ie_emit) SELECT  nota_fiscal.filial_id,  nota_fiscal.nota_fiscal_id, "
           " nota_fiscal.num_nota,  nota_fiscal.modelo,  nota_fiscal.chave,  nota_fiscal.data_emissao, "
           " nota_fiscal.tipo_nota,  IF(nota_fiscal.tipo_nota = \"E\", fornece.fornece_id, filial.filial_id) AS "
           "id_emit,  IF(nota_fiscal.tipo_nota = \"E\", fornece.nome, filial.nome) AS nome_emit, "
           " IF(nota_fiscal.tipo_nota = \"E\",     REPLACE(REPLACE(REPLACE(fornece.cgc,\".\",\"\"),\"/\",\"\"),\"-\","
           "\"\"),     REPLACE(REPLACE(REPLACE(filial.cgc,\".\",\"\"),\"/\",\"\"),\"-\",\"\")) AS cnpj_emit, "
           " IF(nota_fiscal.tipo_nota = \"E\", fornece.ie, filial.inscr) AS ie_emit FROM  nota_fiscal JOIN "
           " nota_fiscal_item ON  nota_fiscal_item.filial_id = nota_fiscal.filial_id AND "
           " nota_fiscal_item.nota_fiscal_id = nota_fiscal.nota_fiscal_id AND  nota_fiscal_item.apagado = \"N\" "
           "JOIN  temp_estoque ON  temp_estoque.produto_id = nota_fiscal_item.produto_id LEFT JOIN  filial ON "
           " filial.filial_id = nota_fiscal.filial_id_trans LEFT JOIN  fornece ON  fornece.fornece_id = "
           "nota_fiscal.fornece_id WHERE  nota_fiscal.filial_id = " +
           Inteiro(filialId) +
           " AND nota_fiscal.apagado = \"N\" "
           " AND nota_fiscal.cancelada = \"N\" "
           " AND nota_fiscal.tipo_nota IN (\"E\",\"R\") "
           " AND nota_fiscal.data_emissao <= \"" +
           dataInventario.AAAAMMDD() +
           "\" "
           "GROUP BY "
           " nota_fiscal.filial_id, "
           " nota_fiscal.nota_fiscal_id ";
}

// Every live item of a candidate invoice: the unit value with its share of freight, insurance and
// other expenses less its share of discount; the two-digit tax situation; the unit retained base,
// charged on this operation for situation 10 and retained earlier in the chain otherwise.
const char* const kInserirItensNotasEntrada =
    "INSERT INTO temp_notas_item (filial_id, nota_fiscal_id, nota_fiscal_item_id, produto_id, quantidade, "
    "vl_unitario, cst, vl_bc_icms_ret_unit) SELECT  nota_fiscal_item.filial_id,  nota_fiscal_item.nota_fiscal_id, "
    " nota_fiscal_item.nota_fiscal_item_id,  nota_fiscal_item.produto_id,  nota_fiscal_item.quant, "
    " (nota_fiscal_item.valor_unit     + (nota_fiscal_item.valor_frete / nota_fiscal_item.quant)     + "
    "(nota_fiscal_item.valor_seguro / nota_fiscal_item.quant)     + (nota_fiscal_item.valor_outras / "
    "nota_fiscal_item.quant)     - (nota_fiscal_item.desc_val / nota_fiscal_item.quant)) AS vl_unitario, "
    " IF(LENGTH(nota_fiscal_item.st) = 3, SUBSTRING(nota_fiscal_item.st, 2, 2), nota_fiscal_item.st) AS cst, "
    " IF(IF(LENGTH(nota_fiscal_item.st) = 3, SUBSTRING(nota_fiscal_item.st, 2, 2), nota_fiscal_item.st) = "
    "\"10\",       (nota_fiscal_item.base_calc_icms_sub / nota_fiscal_item.quant),       "
    "(nota_fiscal_item.base_calc_icms_sub_ret / nota_fiscal_item.quant)) as vl_bc_icms_ret_unit FROM "
    " nota_fiscal_item JOIN  temp_notas ON  temp_notas.filial_id = nota_fiscal_item.filial_id AND "
    " temp_notas.nota_fiscal_id = nota_fiscal_item.nota_fiscal_id WHERE  nota_fiscal_item.apagado = \"N\" GROUP "
    "BY  nota_fiscal_item.filial_id,  nota_fiscal_item.nota_fiscal_id,  nota_fiscal_item.nota_fiscal_item_id ";

// One row per invoice holding the product. An invoice that lists the product on several items
// contributes the sum of their quantities, and its unit value and unit base are the averages of
// those items weighted by their quantities, in cents as temp_documentos keeps them (0.00 when the
// quantities add up to 0).
std::string NotasDoProduto(int64_t produtoId) {
    return "SELECT  temp_notas.filial_id,  temp_notas.nota_fiscal_id,  temp_notas.num_nota,  temp_notas.modelo, "
           " temp_notas.chave,  temp_notas.data_emissao,  temp_notas.id_emit,  temp_notas.nome_emit, "
           " temp_notas.cnpj_emit,  temp_notas.ie_emit,  temp_notas_item.produto_id, "
           " SUM(temp_notas_item.quantidade) AS quantidade_comprovada, "
           " COALESCE(ROUND(SUM(temp_notas_item.quantidade * temp_notas_item.vl_unitario)"
           " / SUM(temp_notas_item.quantidade), 2), 0.00) AS vl_unit, "
           " COALESCE(ROUND(SUM(temp_notas_item.quantidade * temp_notas_item.vl_bc_icms_ret_unit)"
           " / SUM(temp_notas_item.quantidade), 2), 0.00) AS vl_bc_icms_ret_unit "
           "FROM  temp_notas JOIN  temp_notas_item ON  temp_notas_item.filial_id = temp_notas.filial_id AND "
           " temp_notas_item.nota_fiscal_id = temp_notas.nota_fiscal_id AND  temp_notas_item.produto_id = " +
           Inteiro(produtoId) +
           " "
           "GROUP BY "
           " temp_notas.filial_id, "
           " temp_notas.nota_fiscal_id, "
           " temp_notas_item.produto_id "
           "ORDER BY "
           " temp_notas.data_emissao DESC, "
           " temp_notas.nota_fiscal_id DESC ";
}

std::string InserirDocumento(const TDocumentoComprovado& d) {
    auto aspas = [](const std::string& t) { return TdmTorvane::AspasSQL(t); };
    return std::string("INSERT INTO temp_documentos ( ") + " filial_id, " + " nota_fiscal_id, " + " num_nota, " +
           " modelo, " + " chave, " + " data_emissao, " + " nome_emit, " + " cnpj_emit, " + " ie_emit, " +
           " produto_id, " + " quantidade_comprovada, " + " vl_unit, " + " vl_bc_icms_ret_unit) " + "VALUES ( " +
           Inteiro(d.filialId) + ", " + Inteiro(d.notaFiscalId) + ", " + Inteiro(d.numNota) + ", " +
           aspas(d.modelo) + ", " + aspas(d.chave) + ", " + aspas(d.dataEmissao.AAAAMMDD()) + ", " +
           aspas(d.nomeEmit) + ", " + aspas(d.cnpjEmit) + ", " + aspas(d.ieEmit) + ", " + Inteiro(d.produtoId) +
           ", " + Inteiro(d.quantidadeComprovada) + ", " + TRessarcimentoHelper::FormatarValorSQL(2, d.vlUnit) +
           ", " + TRessarcimentoHelper::FormatarValorSQL(2, d.vlBcIcmsRetUnit) + "); " + "\r\n";
}

const char* const kDocumentosNaOrdemDaAlocacao =
    "SELECT  * FROM  temp_documentos ORDER BY  produto_id,  data_emissao DESC,  nota_fiscal_id DESC ";

// ---------------------------------------------------------------------------------------------
// Reimbursement values and status
// ---------------------------------------------------------------------------------------------

const char* const kTruncarApuracao = "TRUNCATE TABLE temp_apuracao";

// One row per balance: the covered quantity, the averages weighted by it (stored in cents before
// the totals are taken from them), the status, and "S" when any document carries a retained base.
std::string InserirApuracao(int filialId) {
    return std::string("INSERT INTO temp_apuracao (filial_id, produto_id, quantidade_estoque, quantidade_comprovada, "
                       "vl_unit_medio, vl_bc_icms_ret_medio, status, status_tem_imposto) SELECT ") +
           Inteiro(filialId) + " AS filial_id, " + " temp_estoque.produto_id, " + " temp_estoque.quantidade, " +
           " SUM(temp_documentos.quantidade_comprovada) AS quantidade_comprovada, " +
           " (SUM(temp_documentos.quantidade_comprovada * temp_documentos.vl_unit) / "
           "SUM(temp_documentos.quantidade_comprovada)) AS vl_unit_medio, " +
           " (SUM(temp_documentos.quantidade_comprovada * temp_documentos.vl_bc_icms_ret_unit) / "
           "SUM(temp_documentos.quantidade_comprovada)) AS vl_bc_icms_ret_medio, " +
           " IF(temp_estoque.quantidade = COALESCE(SUM(temp_documentos.quantidade_comprovada), 0), 0, " +
           "    IF(COALESCE(SUM(temp_documentos.quantidade_comprovada), 0) = 0, 2, 1)) AS status, " +
           " IF(MAX(temp_documentos.vl_bc_icms_ret_unit) > 0, \"S\", \"N\") AS status_tem_imposto " + "FROM " +
           " temp_estoque " + "LEFT JOIN " + " temp_documentos ON " +
           " temp_documentos.produto_id = temp_estoque.produto_id " + "GROUP BY " + " temp_estoque.produto_id ";
}

const char* const kTotalizarApuracao =
    "UPDATE temp_apuracao SET  vl_item_total = (vl_unit_medio * quantidade_comprovada),  vl_bc_icms_ret_total = "
    "(vl_bc_icms_ret_medio * quantidade_comprovada),  vl_icms_ret_total = (((vl_bc_icms_ret_medio * "
    "quantidade_comprovada) * 6) / 100); ";

const char* const kContarItensRestituir = "SELECT  COUNT(*) FROM  temp_apuracao WHERE  vl_icms_ret_total > 0 ";

const char* const kApuracaoPorProduto = "SELECT  * FROM  temp_apuracao ORDER BY  produto_id ";

// ---------------------------------------------------------------------------------------------
// The chosen products
// ---------------------------------------------------------------------------------------------

const char* const kTodosProdutos =
    "SELECT  produto_id FROM  produto WHERE  apagado = \"N\" AND  tipo = \"P\" ORDER BY  produto_id ";

} // namespace comandos_calculo
