#include "core/app/ScriptSQL.h"

#include "core/app/Texto.h"

std::vector<std::string> DividirScriptSQL(const std::string& s) {
    std::vector<std::string> partes;
    std::string atual;
    auto fechar = [&] {
        if (!texto::Aparar(atual).empty()) partes.push_back(atual);
        atual.clear();
    };
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\'' || c == '"' || c == '`') {
            atual += c;
            for (++i; i < s.size(); ++i) {
                atual += s[i];
                if (s[i] == '\\' && c != '`' && i + 1 < s.size()) {
                    atual += s[++i];
                } else if (s[i] == c) {
                    if (i + 1 < s.size() && s[i + 1] == c) { // doubled quote
                        atual += s[++i];
                    } else {
                        break;
                    }
                }
            }
        } else if (c == '-' && i + 2 < s.size() + 1 && s.compare(i, 2, "--") == 0 &&
                   (i + 2 == s.size() || static_cast<unsigned char>(s[i + 2]) <= ' ')) {
            while (i < s.size() && s[i] != '\n') atual += s[i++];
            if (i < s.size()) atual += s[i];
        } else if (c == '#') {
            while (i < s.size() && s[i] != '\n') atual += s[i++];
            if (i < s.size()) atual += s[i];
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            size_t fim = s.find("*/", i + 2);
            size_t ate = fim == std::string::npos ? s.size() : fim + 2;
            atual.append(s, i, ate - i);
            i = ate - 1;
        } else if (c == ';') {
            fechar();
        } else {
            atual += c;
        }
    }
    fechar();
    return partes;
}
