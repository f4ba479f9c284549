#pragma once

#include <string>
#include <vector>

class TdmTorvane;

// The working tables of the calculation: temporary tables of the working connection.
namespace tabelas {

extern const char* const kCriarTempProdutos;
extern const char* const kCriarTempEstoque;
extern const char* const kCriarTempDocumentos;
extern const char* const kCriarTempApuracao;
extern const char* const kCriarTempNotas;
extern const char* const kCriarTempNotasItem;
extern const char* const kDescartarNotasEntrada;

// Creates temp_produtos, temp_estoque, temp_documentos and temp_apuracao, in this order, and only
// then appends their names to the drop list; a failing statement propagates.
void CriarTabelasPermanentes(TdmTorvane& dm, std::vector<std::string>& tabelasTemporarias);
// "DROP TEMPORARY TABLE IF EXISTS <name>;\r\n" for each name, in list order.
std::string ScriptRemocao(const std::vector<std::string>& tabelasTemporarias);
// Runs the drop script (errors ignored).
void RemoverTabelas(TdmTorvane& dm, const std::vector<std::string>& tabelasTemporarias);

} // namespace tabelas
