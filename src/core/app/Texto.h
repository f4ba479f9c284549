#pragma once

#include <string>
#include <string_view>

// Text inside the system is single-byte Windows-1252. These helpers convert at the edges
// (UTF-8 source literals, the user interface, JSON output) and handle case and blanks.
namespace texto {

std::string Utf8ParaCp1252(std::string_view utf8);
std::string Cp1252ParaUtf8(std::string_view cp1252);

// Windows-1252 text from a UTF-8 literal of the source code.
inline std::string W(std::string_view utf8) { return Utf8ParaCp1252(utf8); }

std::string Minusculas(std::string_view s); // accented capitals included
std::string Maiusculas(std::string_view s);
std::string Aparar(std::string_view s);              // blanks and control characters at both ends
std::string ApararEspacos(std::string_view s);       // spaces only
bool ComecaCom(std::string_view s, std::string_view prefixo);
bool TerminaCom(std::string_view s, std::string_view sufixo);
std::string Substituir(std::string s, std::string_view de, std::string_view para);
// Decimal integer of the whole text (optional sign); false when it is not one.
bool ParaInteiro(std::string_view s, long long& valor);

} // namespace texto
