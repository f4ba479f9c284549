#pragma once

#include <stdexcept>
#include <string>

// Every error of the system carries its text as Windows-1252 bytes.
class EErro : public std::runtime_error {
public:
    explicit EErro(const std::string& mensagem) : std::runtime_error(mensagem) {}
};

// An error of the database server or of the client library, with the server's own message.
class EErroBanco : public EErro {
public:
    EErroBanco(const std::string& mensagem, unsigned codigo = 0) : EErro(mensagem), m_codigo(codigo) {}
    unsigned Codigo() const { return m_codigo; }

private:
    unsigned m_codigo;
};

// A check of the system itself failed.
class EErroSistema : public EErro {
public:
    using EErro::EErro;
};
