#include "core/app/Dinheiro.h"

#include "core/app/Erros.h"

#include <cstdlib>

namespace {

int64_t DividirArredondando(int64_t n, int64_t d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    int64_t q = n / d, r = n % d;
    if (r < 0) r = -r;
    if (2 * r >= d) q += (n < 0 ? -1 : 1);
    return q;
}

} // namespace

bool TDinheiro::TentarLer(std::string_view s, TDinheiro& valor) {
    size_t i = 0;
    bool negativo = false;
    while (i < s.size() && s[i] == ' ') ++i;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negativo = s[i] == '-';
        ++i;
    }
    int64_t inteiro = 0;
    int digitos = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++digitos) {
        if (inteiro > 90000000000000LL) return false;
        inteiro = inteiro * 10 + (s[i] - '0');
    }
    int64_t frac = 0;
    int casas = 0;
    bool arredondaCima = false;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        ++i;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++digitos) {
            if (casas < 4) {
                frac = frac * 10 + (s[i] - '0');
                ++casas;
            } else if (casas == 4) {
                arredondaCima = s[i] >= '5';
                ++casas;
            }
        }
    }
    while (i < s.size() && s[i] == ' ') ++i;
    if (digitos == 0 || i != s.size()) return false;
    while (casas < 4) {
        frac *= 10;
        ++casas;
    }
    int64_t v = inteiro * 10000 + frac + (arredondaCima ? 1 : 0);
    valor = DeDecimosMilesimos(negativo ? -v : v);
    return true;
}

TDinheiro TDinheiro::Ler(std::string_view s) {
    TDinheiro d;
    if (!TentarLer(s, d)) throw EErroSistema("'" + std::string(s) + "' is not a valid money value");
    return d;
}

TDinheiro TDinheiro::Arredondado(int decimais) const {
    if (decimais >= 4) return *this;
    if (decimais < 0) decimais = 0;
    int64_t passo = 1;
    for (int i = decimais; i < 4; ++i) passo *= 10;
    return DeDecimosMilesimos(DividirArredondando(m_v, passo) * passo);
}

TDinheiro TDinheiro::DivididoPor(int64_t d) const {
    if (d == 0) throw EErroSistema("division by zero");
    return DeDecimosMilesimos(DividirArredondando(m_v, d));
}

std::string TDinheiro::Formatar(int decimais, char separador) const {
    if (decimais > 4) decimais = 4;
    if (decimais < 0) decimais = 0;
    int64_t v = Arredondado(decimais).m_v;
    bool negativo = v < 0;
    uint64_t a = negativo ? static_cast<uint64_t>(-v) : static_cast<uint64_t>(v);
    uint64_t inteiro = a / 10000, frac = a % 10000;
    std::string s = (negativo ? "-" : "") + std::to_string(inteiro);
    if (decimais > 0) {
        std::string f = std::to_string(10000 + frac).substr(1, decimais);
        s += separador;
        s += f;
    }
    return s;
}
