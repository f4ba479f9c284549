#pragma once

#include "core/app/ConnectionInfo.h"
#include "core/app/DmTorvane.h"

#include <memory>
#include <string>

// The private MariaDB server that scripts/test starts, reached through RST_DB_HOST, RST_DB_PORT
// and RST_DB_PASSWORD. A test that needs it and cannot reach it fails; it never skips.
namespace banco_teste {

std::string Host();
unsigned Porta();
std::string Senha();
// Hex encoding of the settings file values
std::string Hex(const std::string& texto);

// A fresh database loaded from erp/schema.sql, a folder with its settings files, and a data module
// connected to it. The database is dropped when the object goes.
class TBancoTeste {
public:
    explicit TBancoTeste(int filialId = 2, bool conectar = true);
    ~TBancoTeste();

    const std::string& NomeBanco() const { return m_nome; }
    const std::string& Pasta() const { return m_pasta; }
    TdmTorvane& dm() { return *m_dm; }
    // Runs a script on a connection of its own; any failure throws.
    void Executar(const std::string& script);
    // Writes "connection.conf" for this database (password and port overridable)
    void EscreverConnectionConf(const std::string& senha, unsigned porta, const std::string& host = "") const;
    void EscreverSistemaQor(const std::string& conteudo) const;

private:
    std::string m_nome;
    std::string m_pasta;
    std::unique_ptr<TConnectionInfo> m_info;
    std::unique_ptr<TdmTorvane> m_dm;
};

// Answers the retry question with No, and counts how often it was asked.
class TPerguntaNao : public IPerguntaConexao {
public:
    bool TentarNovamente(const std::string& mensagem) override {
        ++vezes;
        ultima = mensagem;
        return false;
    }
    int vezes = 0;
    std::string ultima;
};

} // namespace banco_teste
