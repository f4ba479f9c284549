#pragma once

#include "core/app/Valor.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct st_mysql;

struct TParametrosConexao {
    std::string host;
    unsigned porta = 3306;
    std::string usuario = "root";
    std::string senha;
    std::string banco;
};

struct TCampo {
    std::string nome;
    TTipoCampo tipo = TTipoCampo::Texto;
    unsigned tamanho = 0;
    unsigned decimais = 0;
};

// A whole result set fetched at once.
struct TResultado {
    std::vector<TCampo> campos;
    std::vector<std::vector<TValor>> linhas;
};

// One MariaDB/MySQL connection: latin1 text (the server's latin1 is Windows-1252) and a permissive
// session mode, on which the system's statements rely. Errors throw EErroBanco with the server's text.
class TConexao {
public:
    TConexao();
    ~TConexao();
    TConexao(const TConexao&) = delete;
    TConexao& operator=(const TConexao&) = delete;

    void Abrir(const TParametrosConexao& p);
    void Fechar();
    bool Aberta() const { return m_mysql != nullptr; }
    const TParametrosConexao& Parametros() const { return m_parametros; }

    // One statement; the number of rows affected.
    int64_t Executar(const std::string& sql);
    // Statements separated by ";" in one request; the first error stops the rest and throws.
    void ExecutarScript(const std::string& sql);
    // One query; the whole result.
    TResultado Consultar(const std::string& sql);

private:
    [[noreturn]] void Falhar();
    void Exigir();
    void ExigirUmComando(const std::string& sql);

    st_mysql* m_mysql = nullptr;
    TParametrosConexao m_parametros;
};
