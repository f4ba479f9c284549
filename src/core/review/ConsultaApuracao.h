#pragma once

#include <string>

// The criteria of the results grid: the search text as typed and the five filter boxes.
struct TFiltrosApuracao {
    std::string texto; // Windows-1252
    bool regular = false;
    bool parcial = false;
    bool irregular = false;
    bool quantidade = false;
    bool imposto = false;
};

namespace consulta_apuracao {

// The condition of the results statement (empty when no criterion applies). A text of digits
// searches the product code; any other text searches the descriptions holding it, literally.
std::string Condicao(const TFiltrosApuracao& f);
// The results statement for a condition
std::string Comando(const std::string& condicao);
// "Nenhum registro na grade", "1 registro na grade", or the formatted count + " registros na grade"
std::string TextoContagem(long long registros, const std::string& quantidadeFormatada, bool filtrado);

} // namespace consulta_apuracao

namespace consulta_detalhes {

std::string Produto(long long produtoId);
std::string Totais(long long produtoId);
std::string Documentos(long long produtoId);

} // namespace consulta_detalhes
