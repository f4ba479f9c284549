#include "core/app/ArquivoIni.h"

#include "core/app/Texto.h"

#include <fstream>

std::string LerValorIni(const std::string& arquivo, const std::string& secao, const std::string& chave,
                        const std::string& padrao) {
    std::ifstream in(arquivo, std::ios::binary);
    if (!in) return padrao;
    const std::string s = texto::Minusculas(secao), k = texto::Minusculas(chave);
    std::string linha;
    bool naSecao = false;
    while (std::getline(in, linha)) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        std::string t = texto::Aparar(linha);
        if (t.empty() || t[0] == ';') continue;
        if (t.front() == '[') {
            size_t fim = t.find(']');
            naSecao = fim != std::string::npos && texto::Minusculas(texto::Aparar(t.substr(1, fim - 1))) == s;
            continue;
        }
        if (!naSecao) continue;
        size_t igual = t.find('=');
        if (igual == std::string::npos) continue;
        if (texto::Minusculas(texto::Aparar(t.substr(0, igual))) == k) return texto::Aparar(t.substr(igual + 1));
    }
    return padrao;
}
