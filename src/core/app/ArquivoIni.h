#pragma once

#include <string>

// Reads one value of an INI file; sections and keys match without regard to letter case.
// A missing file, section or key reads as the default.
std::string LerValorIni(const std::string& arquivo, const std::string& secao, const std::string& chave,
                        const std::string& padrao = "");
