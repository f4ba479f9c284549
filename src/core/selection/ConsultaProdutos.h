#pragma once

#include <string>

// The statements of the product search and of its lookup filters, built as text.
namespace consulta_produtos {

// The six lookup filters of the product search: each empty (no restriction) or a list of ids
// such as (3,17,42), as the lookup filter dialog returns it.
struct TFiltrosProduto {
    std::string FiltroGrupos;
    std::string FiltroEspecificacoes;
    std::string FiltroFabricantes;
    std::string FiltroPrincipios;
    std::string FiltroClassesTerapeuticas;
    std::string FiltroGruposPreco;

    bool Algum() const;
};

// The fixed first line of the search: the product's columns, the six lookup descriptions and
// the initial mark ('N' or 'S') as the column marcado.
std::string MontarSQLPesquisa(const std::string& marca);
// The whole search statement: the first line, then one line per criterion that applies (each
// followed by CR LF). The description criterion applies when the text, trimmed of spaces, is not
// empty; the text is then searched as typed, anywhere in the description.
std::string MontarSQLPesquisa(const std::string& marca, const TFiltrosProduto& filtros,
                              const std::string& descricao);
// " and prod.descricao like " with the literal that finds the text anywhere in the description.
std::string CriterioDescricao(const std::string& descricao);
// The text with the LIKE wildcards and the escape character taken literally (\ % _ escaped).
std::string EscaparLike(const std::string& texto);
// Throws EErroSistema unless the list is empty or "(" + decimal ids separated by "," + ")".
void ValidarListaIds(const std::string& ids);

// The rows of a lookup filter: id, description and MARCADO, the rows of the current list (or
// every row when there is none) marked "S", deleted rows left out when the flag field is given,
// ordered by description. Lines followed by CR LF.
std::string MontarSQLFiltro(const std::string& campoId, const std::string& campoDescricao,
                            const std::string& tabela, const std::string& idsSelecionados,
                            const std::string& campoApagado);

} // namespace consulta_produtos
