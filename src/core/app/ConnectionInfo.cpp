#include "core/app/ConnectionInfo.h"

#include "core/app/ArquivoIni.h"
#include "core/app/PastaPrograma.h"
#include "core/app/Texto.h"

#include <arpa/inet.h>
#include <memory>
#include <netdb.h>
#include <unistd.h>

namespace {

int ValorHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::string> TConnectionInfo::DecodificarHex(const std::string& s) {
    std::string out;
    size_t pares = s.size() / 2;
    out.reserve(pares);
    for (size_t i = 0; i < pares; ++i) {
        int a = ValorHex(s[2 * i]), b = ValorHex(s[2 * i + 1]);
        if (a < 0 || b < 0) return std::nullopt;
        out += static_cast<char>(a * 16 + b);
    }
    return out;
}

void TConnectionInfo::LerConfiguracao(const std::string& arquivo) {
    auto ler = [&](const char* chave) {
        std::string bruto = LerValorIni(arquivo, "connection", chave);
        if (bruto.empty()) return std::string();
        return DecodificarHex(bruto).value_or(std::string());
    };
    m_macAdress = ler("MacAdress");
    std::string codFisica = ler("CodFisica");
    m_databaseIP = ler("DatabaseIP");
    m_databasename = ler("Databasename");
    m_usuario = ler("Usuario");
    m_senha = ler("Senha");
    m_name = ler("Name");
    m_cnpj = ler("Cnpj");
    std::string porta = ler("DatabasePort");
    long long v;
    m_codFisica = texto::ParaInteiro(codFisica, v) && v >= INT32_MIN && v <= INT32_MAX ? static_cast<int>(v) : 0;
    m_porta = texto::ParaInteiro(porta, v) && v > 0 && v < 65536 ? static_cast<unsigned>(v) : 3306;
}

TConnectionInfo TConnectionInfo::LerArquivo(const std::string& arquivo) {
    TConnectionInfo info;
    info.LerConfiguracao(arquivo);
    return info;
}

TConnectionInfo& TConnectionInfo::ObterInstancia() {
    static std::unique_ptr<TConnectionInfo> instancia;
    if (!instancia) instancia = std::make_unique<TConnectionInfo>(LerArquivo(TPastaPrograma::Arquivo("connection.conf")));
    return *instancia;
}

std::string TConnectionInfo::EnderecoProprio() {
    char nome[256] = {};
    if (gethostname(nome, sizeof nome - 1) != 0) return "127.0.0.1";
    addrinfo dicas{};
    dicas.ai_family = AF_INET;
    addrinfo* res = nullptr;
    if (getaddrinfo(nome, nullptr, &dicas, &res) != 0 || !res) return "127.0.0.1";
    char buf[INET_ADDRSTRLEN] = {};
    auto* sin = reinterpret_cast<sockaddr_in*>(res->ai_addr);
    inet_ntop(AF_INET, &sin->sin_addr, buf, sizeof buf);
    freeaddrinfo(res);
    return buf;
}

std::string TConnectionInfo::Host() const {
    if (texto::Minusculas(m_databaseIP) == "localhost") return EnderecoProprio();
    return m_databaseIP;
}
