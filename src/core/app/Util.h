#pragma once

#include <string>

class TQuery;

// Fits a text to exactly the width: filled at the right, or cut to its first characters.
std::string CompletarDireita(const std::string& texto, int largura, char preenchimento);
// Fits a text to exactly the width: filled at the left, or cut to its first characters.
std::string CompletarEsquerda(const std::string& texto, int largura, char preenchimento);
std::string RepetirCaractere(char c, int quantidade);
inline std::string EscolherTexto(bool condicao, const std::string& a, const std::string& b) {
    return condicao ? a : b;
}

// Reopens the query in a new order: the statement is lower-cased, cut at its first "order",
// and given "order by <campo> <direcao>".
void OrdenarQuery(TQuery& query, const std::string& campo, const std::string& direcao);
// The statement text OrdenarQuery sends for a given statement text.
std::string TextoOrdenado(const std::string& sql, const std::string& campo, const std::string& direcao);
