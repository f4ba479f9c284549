#pragma once

#include <optional>
#include <string>

// The decoded settings of "connection.conf" (section "connection", every value hex-encoded).
class TConnectionInfo {
public:
    // The process-wide settings, read from the settings folder on first use and never re-read.
    static TConnectionInfo& ObterInstancia();
    // Settings read from the given file (tests, the command-line tool).
    static TConnectionInfo LerArquivo(const std::string& arquivo);

    // Pairs of hexadecimal digits, one character each; a final unpaired character is ignored;
    // no value when a pair is not hexadecimal.
    static std::optional<std::string> DecodificarHex(const std::string& armazenado);

    const std::string& MacAdress() const { return m_macAdress; }
    const std::string& Usuario() const { return m_usuario; }
    const std::string& Senha() const { return m_senha; }
    const std::string& NomeBanco() const { return m_databasename; }
    const std::string& DatabaseIP() const { return m_databaseIP; }
    const std::string& Name() const { return m_name; }
    int CodFisica() const { return m_codFisica; }
    const std::string& Cnpj() const { return m_cnpj; }
    // The server host: this machine's own IPv4 address when "DatabaseIP" is localhost (any case)
    std::string Host() const;
    // "DatabasePort": 3306 when missing or not a number
    unsigned Porta() const { return m_porta; }

    // This machine's own address: the first IPv4 address its host name resolves to.
    static std::string EnderecoProprio();

private:
    void LerConfiguracao(const std::string& arquivo);

    std::string m_macAdress, m_usuario, m_senha, m_databasename, m_databaseIP, m_name;
    int m_codFisica = 0;
    std::string m_cnpj;
    unsigned m_porta = 3306;
};
