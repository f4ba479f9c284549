#include "core/selection/ConsultaProdutos.h"

#include "core/app/DmTorvane.h"
#include "core/app/Erros.h"
#include "core/app/Texto.h"

#include <cctype>

namespace consulta_produtos {

namespace {

const char* const kColunas =
    " select   prod.produto_id, prod.descricao, prod.barras,   prod.grupo_id, prod.grupo_precos_id, "
    "prod.espec_id, "
    "prod.fabricantes_id,   prod.principio_ativo_id, prod.classe_terapeutica_id, prod.contado,   "
    "g.desc_arvore as "
    "desc_grupo,   gp.descricao as desc_grupo_preco,   espec.descricao as desc_espec,   fab.descricao as "
    "desc_fabricante,   pa.descricao as desc_principio,   ct.descricao as desc_classe, ";

const char* const kJuncoes[] = {
    "  grupo g on (g.grupo_id = prod.grupo_id and g.apagado = \"N\") ",
    "  grupo_precos gp on (gp.grupo_precos_id = prod.grupo_precos_id and gp.apagado = \"N\") ",
    "  espec on (espec.espec_id = prod.espec_id and espec.apagado = \"N\") ",
    "  fabricantes fab on (fab.fabricantes_id = prod.fabricantes_id and fab.apagado = \"N\") ",
    "  principio_ativo pa on (pa.principio_ativo_id = prod.principio_ativo_id and pa.apagado = \"N\") ",
    "  classe_terapeutica ct on (ct.classe_terapeutica_id = prod.classe_terapeutica_id and ct.apagado = "
    "\"N\") ",
};

const char* const kFimLinha = "\r\n";

} // namespace

bool TFiltrosProduto::Algum() const {
    return !FiltroGrupos.empty() || !FiltroEspecificacoes.empty() || !FiltroFabricantes.empty() ||
           !FiltroPrincipios.empty() || !FiltroClassesTerapeuticas.empty() || !FiltroGruposPreco.empty();
}

std::string MontarSQLPesquisa(const std::string& marca) {
    if (marca != "N" && marca != "S")
        throw EErroSistema("Invalid mark '" + marca + "'");
    std::string sql = kColunas;
    sql += "'" + marca + "'";
    sql += " as marcado ";
    sql += " from ";
    sql += "  produto prod ";
    for (const char* juncao : kJuncoes) {
        sql += " left join ";
        sql += juncao;
    }
    sql += " where ";
    sql += "  prod.apagado = \"N\"";
    return sql;
}

std::string EscaparLike(const std::string& texto) {
    std::string s;
    s.reserve(texto.size());
    for (char c : texto) {
        if (c == '\\' || c == '%' || c == '_')
            s += '\\';
        s += c;
    }
    return s;
}

std::string CriterioDescricao(const std::string& descricao) {
    return " and prod.descricao like " + TdmTorvane::AspasSQL("%" + EscaparLike(descricao) + "%");
}

void ValidarListaIds(const std::string& ids) {
    if (ids.empty())
        return;
    bool valida = ids.size() >= 3 && ids.front() == '(' && ids.back() == ')';
    bool digito = false; // a digit since the last separator
    for (size_t i = 1; valida && i + 1 < ids.size(); ++i) {
        char c = ids[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digito = true;
        } else if (c == ',') {
            valida = digito;
            digito = false;
        } else if (c == '-') {
            valida = !digito && ids[i - 1] != '-';
        } else {
            valida = false;
        }
    }
    if (!valida || !digito)
        throw EErroSistema("Invalid id list '" + ids + "'");
}

std::string MontarSQLPesquisa(const std::string& marca, const TFiltrosProduto& filtros,
                              const std::string& descricao) {
    std::string sql = MontarSQLPesquisa(marca) + kFimLinha;
    const struct {
        const char* coluna;
        const std::string& ids;
    } criterios[] = {
        {"and prod.grupo_id in ", filtros.FiltroGrupos},
        {"and prod.espec_id in ", filtros.FiltroEspecificacoes},
        {"and prod.fabricantes_id in ", filtros.FiltroFabricantes},
        {"and prod.principio_ativo_id in ", filtros.FiltroPrincipios},
        {"and prod.classe_terapeutica_id in ", filtros.FiltroClassesTerapeuticas},
        {"and prod.grupo_precos_id in ", filtros.FiltroGruposPreco},
    };
    for (const auto& c : criterios) {
        if (c.ids.empty())
            continue;
        ValidarListaIds(c.ids);
        sql += c.coluna + c.ids + kFimLinha;
    }
    if (!texto::ApararEspacos(descricao).empty())
        sql += CriterioDescricao(descricao) + kFimLinha;
    sql += " and prod.tipo = \"P\" ";
    sql += kFimLinha;
    return sql;
}

std::string MontarSQLFiltro(const std::string& campoId, const std::string& campoDescricao,
                            const std::string& tabela, const std::string& idsSelecionados,
                            const std::string& campoApagado) {
    std::string sql = "Select " + campoId + ", " + campoDescricao;
    if (!idsSelecionados.empty()) {
        ValidarListaIds(idsSelecionados);
        sql += ", IF (" + campoId + " in " + idsSelecionados + ",\"S\",\"N\") AS MARCADO from " + tabela;
    } else {
        sql += ", \"S\" AS MARCADO from " + tabela;
    }
    sql += kFimLinha;
    if (!campoApagado.empty())
        sql += "Where " + campoApagado + " <> \"S\"" + kFimLinha;
    sql += "Order by " + campoDescricao + kFimLinha;
    return sql;
}

} // namespace consulta_produtos
