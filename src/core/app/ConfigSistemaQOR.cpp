#include "core/app/ConfigSistemaQOR.h"

#include "core/app/ArquivoIni.h"
#include "core/app/Erros.h"
#include "core/app/PastaPrograma.h"
#include "core/app/Texto.h"

namespace {
std::string g_codigoLojasLeram;

std::string Ler(const char* chave, const char* padrao) {
    return LerValorIni(TPastaPrograma::Arquivo("sistema_qor.ini"), "FilialMatriz", chave, padrao);
}
} // namespace

int TConfigSistemaQOR::ObterCodigoFilial() {
    long long v;
    if (texto::ParaInteiro(Ler("CodLogica", "0"), v) && v >= INT32_MIN && v <= INT32_MAX) return static_cast<int>(v);
    return 0;
}

std::optional<std::string> TConfigSistemaQOR::ObterCodigoLogica() {
    if (Ler("usa_fislogica", "0") != "1") return std::nullopt;
    return Ler("CodLogica", "0");
}

void TConfigSistemaQOR::DefinirCodigoLojasLeram(const std::string& codigo) { g_codigoLojasLeram = codigo; }
const std::string& TConfigSistemaQOR::CodigoLojasLeram() { return g_codigoLojasLeram; }

std::string FilialParaLojasLeram(int n) {
    if (n == 1) return "*";
    if (n >= 0 && n <= 9) return std::string(1, static_cast<char>('0' + n));
    if (n >= 10 && n <= 35) return std::string(1, static_cast<char>('A' + n - 10));
    if (n >= 36 && n <= 53) return std::string(1, "@#$&+-!()={}[]<>;:"[n - 36]);
    if (n >= 54 && n <= 79) return std::string(1, static_cast<char>('a' + n - 54));
    if (n < 0) return "0";
    throw EErroSistema(texto::W("O filial_id ") + std::to_string(n) +
                       texto::W(" não pode ser convertido para um \"lojas_leram\" válido"));
}
