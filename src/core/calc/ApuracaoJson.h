#pragma once

#include "core/app/Data.h"

#include <string>

class TdmTorvane;

// The result of a calculation as UTF-8 JSON: the branch, the inventory date, the rows of
// temp_apuracao by product and the rows of temp_documentos in the order the allocation took them.
// Every column appears under its own name: whole numbers as numbers, money as a text with two
// decimals and ".", dates as "AAAA-MM-DD", texts converted from Windows-1252.
class TApuracaoJson {
public:
    static std::string Gerar(TdmTorvane& dm, int filialId, const TData& dataInventario);
    // Writes through a temporary file in the same folder, renamed over the target when complete.
    // Throws EErroSistema when the file cannot be written.
    static void GravarArquivo(const std::string& arquivo, const std::string& conteudo);
    // A JSON string literal of a UTF-8 text.
    static std::string Texto(const std::string& utf8);
};
