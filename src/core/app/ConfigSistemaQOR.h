#pragma once

#include <optional>
#include <string>

// "sistema_qor.ini", section "FilialMatriz", read afresh at each request.
class TConfigSistemaQOR {
public:
    // "CodLogica" as a whole number; 0 when missing or not a decimal integer
    static int ObterCodigoFilial();
    // "CodLogica" as text when "usa_fislogica" is exactly "1"
    static std::optional<std::string> ObterCodigoLogica();
    static void DefinirCodigoLojasLeram(const std::string& codigo);
    static const std::string& CodigoLojasLeram();
};

// The one-character "lojas_leram" code of a branch number; throws EErroSistema above 79.
std::string FilialParaLojasLeram(int n);
