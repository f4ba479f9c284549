#pragma once

#include "core/app/Dinheiro.h"

#include <string>

// Value formats shared by the calculation, the SPED update and the reports.
class TRessarcimentoHelper {
public:
    // true when every character is a decimal digit (also for the empty text)
    static bool SomenteNumeros(const std::string& texto);
    // "," as decimal separator, for files and reports: 12.5 gives 12,50
    static std::string FormatarValor(int decimais, TDinheiro valor);
    // "." as decimal separator, for SQL: 12.5 gives 12.50
    static std::string FormatarValorSQL(int decimais, TDinheiro valor);
    // ABCDEFGH gives ABCD.EF.GH; shorter codes get leading zeros first
    static std::string FormatarNCM(const std::string& ncm);
};
