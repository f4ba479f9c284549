#include "core/review/ConsultaApuracao.h"

#include "core/app/DmTorvane.h"
#include "core/app/RessarcimentoHelper.h"
#include "core/app/Texto.h"

namespace consulta_apuracao {

namespace {

// A text inside a LIKE pattern matches itself only: its wildcards and backslashes are escaped.
std::string LiteralLike(const std::string& t) {
    std::string s;
    for (char c : t) {
        if (c == '%' || c == '_' || c == '\\') s += '\\';
        s += c;
    }
    return s;
}

void Juntar(std::string& w, const std::string& parte) {
    if (!texto::Aparar(w).empty()) w += " AND ";
    w += parte;
}

} // namespace

std::string Condicao(const TFiltrosApuracao& f) {
    std::string w;
    if (!texto::Aparar(f.texto).empty()) {
        if (TRessarcimentoHelper::SomenteNumeros(f.texto))
            w = " produto.produto_id = " + f.texto + " ";
        else
            w = " produto.descricao LIKE " + TdmTorvane::AspasSQL("%" + LiteralLike(f.texto) + "%") + " ";
    }
    if (f.regular || f.parcial || f.irregular) {
        std::string lista = std::string(f.regular ? "0," : "") + (f.parcial ? "1," : "") + (f.irregular ? "2," : "");
        lista.back() = ' ';
        Juntar(w, " temp_apuracao.status IN (" + lista + ") ");
    }
    if (f.quantidade) Juntar(w, " (temp_apuracao.quantidade_estoque > 0) ");
    if (f.imposto) Juntar(w, " (temp_apuracao.vl_icms_ret_total > 0) ");
    return w;
}

std::string Comando(const std::string& condicao) {
    std::string sql =
        "SELECT  produto.produto_id,  produto.descricao,  produto.ncm,  produto.barras,  temp_apuracao.status,"
        "  temp_apuracao.status_tem_imposto,  temp_apuracao.quantidade_estoque,  temp_apuracao.quantidade_comprovada,"
        "  temp_apuracao.vl_bc_icms_ret_total,  temp_apuracao.vl_icms_ret_total,  6.00 AS aliq_icms_ret "
        "FROM  temp_apuracao JOIN  produto ON  produto.produto_id = temp_apuracao.produto_id ";
    if (!texto::Aparar(condicao).empty()) sql += " WHERE " + condicao;
    sql += "GROUP BY  produto_id ORDER BY  produto.descricao ";
    return sql;
}

std::string TextoContagem(long long n, const std::string& formatado, bool filtrado) {
    std::string t;
    if (n == 0)
        t = "Nenhum registro na grade";
    else if (n == 1)
        t = "1 registro na grade";
    else
        t = formatado + " registros na grade";
    if (filtrado) t += " (filtro aplicado)";
    return t;
}

} // namespace consulta_apuracao

namespace consulta_detalhes {

std::string Produto(long long id) { return "SELECT descricao FROM produto WHERE produto_id = " + std::to_string(id); }

std::string Totais(long long id) {
    return "SELECT  temp_apuracao.quantidade_estoque,  temp_apuracao.quantidade_comprovada,  temp_apuracao.vl_unit_medio,"
           "  (temp_apuracao.vl_unit_medio * temp_apuracao.quantidade_comprovada) AS vl_total_item,"
           "  SUM(temp_documentos.vl_bc_icms_ret_unit * temp_documentos.quantidade_comprovada) AS vl_bc_icms_ret_total,"
           "  SUM(((temp_documentos.vl_bc_icms_ret_unit * temp_documentos.quantidade_comprovada) * 6) / 100) AS vl_icms_ret_total"
           " FROM  temp_apuracao JOIN  temp_documentos ON  temp_documentos.produto_id = temp_apuracao.produto_id"
           " WHERE  temp_apuracao.produto_id = " +
           std::to_string(id) + " GROUP BY  temp_apuracao.produto_id ";
}

std::string Documentos(long long id) {
    return "SELECT  LPAD(temp_documentos.num_nota, 7, \"0\") AS num_nota,  temp_documentos.modelo,  temp_documentos.chave,"
           "  temp_documentos.data_emissao,  IF(LENGTH(temp_documentos.cnpj_emit) = 14,       CONCAT("
           "         SUBSTRING(temp_documentos.cnpj_emit, 1, 2), \".\",         SUBSTRING(temp_documentos.cnpj_emit, 3, 3), \".\","
           "         SUBSTRING(temp_documentos.cnpj_emit, 6, 3), \"/\",         SUBSTRING(temp_documentos.cnpj_emit, 9, 4), \"-\","
           "         SUBSTRING(temp_documentos.cnpj_emit, 13, 2)),       temp_documentos.cnpj_emit) AS cnpj_emit,"
           "  temp_documentos.nome_emit,  temp_documentos.ie_emit,  temp_documentos.quantidade_comprovada,"
           "  (temp_apuracao.vl_unit_medio * temp_documentos.quantidade_comprovada) AS vl_item,"
           "  (temp_documentos.vl_bc_icms_ret_unit * temp_documentos.quantidade_comprovada) AS vl_bc_icms_ret,"
           "  6.00 AS aliq_icms_ret,"
           "  (((temp_documentos.vl_bc_icms_ret_unit * temp_documentos.quantidade_comprovada) * 6) / 100) AS vl_icms_ret"
           " FROM  temp_documentos JOIN  temp_apuracao ON  temp_apuracao.produto_id = temp_documentos.produto_id"
           " WHERE  temp_documentos.produto_id = " +
           std::to_string(id) + " ORDER BY  temp_documentos.data_emissao,  temp_documentos.num_nota,  temp_documentos.cnpj_emit ";
}

} // namespace consulta_detalhes
