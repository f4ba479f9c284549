#include "core/calc/ApuracaoJson.h"

#include "core/app/DmTorvane.h"
#include "core/app/Erros.h"
#include "core/app/Texto.h"
#include "core/calc/ComandosCalculo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ValorJson(const TValor& v) {
    if (v.EhNulo()) return "null";
    switch (v.Tipo()) {
    case TTipoCampo::Inteiro:
        return std::to_string(v.AsInteger());
    case TTipoCampo::Decimal:
        return "\"" + v.AsDinheiro().Formatar(2, '.') + "\"";
    case TTipoCampo::Data:
    case TTipoCampo::DataHora:
        return "\"" + v.AsData().Iso() + "\"";
    default:
        return TApuracaoJson::Texto(texto::Cp1252ParaUtf8(v.AsString()));
    }
}

// "[" one object per row, one row a line "]"
std::string Linhas(TdmTorvane& dm, const char* sql) {
    auto q = dm.AbrirQuery(sql);
    if (q->Vazia()) return "[]";
    std::string s = "[\n";
    for (int linha = 0; linha < q->QuantidadeRegistros(); ++linha) {
        s += "    {";
        for (int c = 0; c < q->QuantidadeCampos(); ++c) {
            if (c > 0) s += ", ";
            s += TApuracaoJson::Texto(q->Campo(c).nome) + ": " + ValorJson(q->Valor(linha, c));
        }
        s += linha + 1 < q->QuantidadeRegistros() ? "},\n" : "}\n";
    }
    return s + "  ]";
}

} // namespace

std::string TApuracaoJson::Texto(const std::string& utf8) {
    std::string s = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\b': s += "\\b"; break;
        case '\f': s += "\\f"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (c < 0x20) {
                char b[8];
                std::snprintf(b, sizeof b, "\\u%04x", c);
                s += b;
            } else {
                s += static_cast<char>(c);
            }
        }
    }
    return s + "\"";
}

std::string TApuracaoJson::Gerar(TdmTorvane& dm, int filialId, const TData& dataInventario) {
    std::string s = "{\n";
    s += "  \"filial_id\": " + std::to_string(filialId) + ",\n";
    s += "  \"data_inventario\": \"" + dataInventario.Iso() + "\",\n";
    s += "  \"apuracao\": " + Linhas(dm, comandos_calculo::kApuracaoPorProduto) + ",\n";
    s += "  \"documentos\": " + Linhas(dm, comandos_calculo::kDocumentosNaOrdemDaAlocacao) + "\n";
    return s + "}\n";
}

void TApuracaoJson::GravarArquivo(const std::string& arquivo, const std::string& conteudo) {
    namespace fs = std::filesystem;
    fs::path destino(arquivo);
    fs::path pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    std::string modelo = (pasta / ("." + destino.filename().string() + ".XXXXXX")).string();
    auto falha = [&](const std::string& motivo) {
        return EErroSistema(texto::W("Não foi possível gravar o arquivo ") + texto::Utf8ParaCp1252(arquivo) + ": " + motivo);
    };
    int fd = mkstemp(modelo.data());
    if (fd < 0) throw falha(std::strerror(errno));
    const char* p = conteudo.data();
    size_t resta = conteudo.size();
    while (resta > 0) {
        ssize_t n = write(fd, p, resta);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            std::string motivo = std::strerror(errno);
            close(fd);
            unlink(modelo.c_str());
            throw falha(motivo);
        }
        p += n;
        resta -= static_cast<size_t>(n);
    }
    // the new file takes the usual permissions of a file the user creates
    mode_t mascara = umask(0);
    umask(mascara);
    fchmod(fd, 0666 & ~mascara);
    bool gravado = fsync(fd) == 0;
    int erro = errno;
    if (close(fd) != 0 && gravado) {
        gravado = false;
        erro = errno;
    }
    if (!gravado) {
        unlink(modelo.c_str());
        throw falha(std::strerror(erro));
    }
    if (std::rename(modelo.c_str(), arquivo.c_str()) != 0) {
        std::string motivo = std::strerror(errno);
        unlink(modelo.c_str());
        throw falha(motivo);
    }
}
