#include "core/app/Util.h"

#include "core/app/Query.h"
#include "core/app/Texto.h"

std::string CompletarDireita(const std::string& t, int largura, char c) {
    if (largura < 0) largura = 0;
    size_t w = static_cast<size_t>(largura);
    if (t.size() < w) return t + std::string(w - t.size(), c);
    return t.substr(0, w);
}

std::string CompletarEsquerda(const std::string& t, int largura, char c) {
    if (largura < 0) largura = 0;
    size_t w = static_cast<size_t>(largura);
    if (t.size() < w) return std::string(w - t.size(), c) + t;
    return t.substr(0, w);
}

std::string RepetirCaractere(char c, int n) { return n > 0 ? std::string(static_cast<size_t>(n), c) : std::string(); }

std::string TextoOrdenado(const std::string& sql, const std::string& campo, const std::string& direcao) {
    std::string t = sql;
    // the statement's lines, each followed by a line break
    if (!t.empty() && !texto::TerminaCom(t, "\n")) t += "\r\n";
    t = texto::Minusculas(t);
    size_t pos = t.find("order");
    if (pos != std::string::npos) t.erase(pos);
    t += "order by " + campo + " " + direcao;
    // lower-casing broke the four-digit year of this date pattern
    t = texto::Substituir(t, "\"%d/%m/%y %h:%i:%s\"", "\"%d/%m/%Y %h:%i:%s\"");
    return t;
}

void OrdenarQuery(TQuery& q, const std::string& campo, const std::string& direcao) {
    q.Fechar();
    q.DefinirSQL(TextoOrdenado(q.SQL(), campo, direcao));
    q.Abrir();
}
