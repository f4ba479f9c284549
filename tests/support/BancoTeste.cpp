#include "support/BancoTeste.h"

#include "core/app/Conexao.h"
#include "core/app/PastaPrograma.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace banco_teste {
namespace {

std::string Ambiente(const char* nome) {
    const char* v = std::getenv(nome);
    if (!v) throw std::runtime_error(std::string("The test database is not configured: ") + nome +
                                     " is not set (run the tests through scripts/test)");
    return v;
}

TParametrosConexao ParametrosServidor() {
    TParametrosConexao p;
    p.host = Host();
    p.porta = Porta();
    p.senha = Senha();
    return p;
}

std::string LerArquivo(const std::string& caminho) {
    std::ifstream in(caminho, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + caminho);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int g_sequencia = 0;

} // namespace

std::string Host() { return Ambiente("RST_DB_HOST"); }
unsigned Porta() { return static_cast<unsigned>(std::stoul(Ambiente("RST_DB_PORT"))); }
std::string Senha() { return Ambiente("RST_DB_PASSWORD"); }

std::string Hex(const std::string& t) {
    static const char* d = "0123456789ABCDEF";
    std::string s;
    for (unsigned char c : t) {
        s += d[c >> 4];
        s += d[c & 15];
    }
    return s;
}

TBancoTeste::TBancoTeste(int filialId, bool conectar) {
    m_nome = "t" + std::to_string(getpid()) + "_" + std::to_string(++g_sequencia);
    m_pasta = (std::filesystem::temp_directory_path() / ("rst-" + m_nome)).string();
    std::filesystem::create_directories(m_pasta);
    {
        TConexao c;
        c.Abrir(ParametrosServidor());
        c.Executar("DROP DATABASE IF EXISTS " + m_nome);
        c.Executar("CREATE DATABASE " + m_nome + " CHARACTER SET latin1");
    }
    Executar(LerArquivo(std::string(RST_SOURCE_DIR) + "/erp/schema.sql"));
    EscreverConnectionConf(Senha(), Porta());
    EscreverSistemaQor("[FilialMatriz]\r\nCodLogica=" + std::to_string(filialId) + "\r\n");
    TPastaPrograma::Definir(m_pasta);
    m_info = std::make_unique<TConnectionInfo>(TConnectionInfo::LerArquivo(m_pasta + "/connection.conf"));
    m_dm = std::make_unique<TdmTorvane>(*m_info);
    if (conectar) {
        TPerguntaNao pergunta;
        if (!m_dm->ConectarBanco(pergunta)) throw std::runtime_error("cannot connect to the test database: " + pergunta.ultima);
    }
}

TBancoTeste::~TBancoTeste() {
    m_dm.reset();
    try {
        TConexao c;
        c.Abrir(ParametrosServidor());
        c.Executar("DROP DATABASE IF EXISTS " + m_nome);
    } catch (...) {
    }
    std::error_code ec;
    std::filesystem::remove_all(m_pasta, ec);
}

void TBancoTeste::Executar(const std::string& script) {
    TConexao c;
    TParametrosConexao p = ParametrosServidor();
    p.banco = m_nome;
    c.Abrir(p);
    c.ExecutarScript(script);
}

void TBancoTeste::EscreverConnectionConf(const std::string& senha, unsigned porta, const std::string& host) const {
    std::ofstream out(m_pasta + "/connection.conf", std::ios::binary);
    out << "[connection]\r\n"
        << "DatabaseIP=" << Hex(host.empty() ? Host() : host) << "\r\n"
        << "Databasename=" << Hex(m_nome) << "\r\n"
        << "Senha=" << Hex(senha) << "\r\n"
        << "DatabasePort=" << Hex(std::to_string(porta)) << "\r\n";
}

void TBancoTeste::EscreverSistemaQor(const std::string& conteudo) const {
    std::ofstream out(m_pasta + "/sistema_qor.ini", std::ios::binary);
    out << conteudo;
}

} // namespace banco_teste
