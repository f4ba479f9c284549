#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Money: a fixed-point number with four decimals (a count of ten-thousandths of a real).
class TDinheiro {
public:
    constexpr TDinheiro() = default;
    static constexpr TDinheiro DeDecimosMilesimos(int64_t v) {
        TDinheiro d;
        d.m_v = v;
        return d;
    }
    static constexpr TDinheiro DeCentavos(int64_t c) { return DeDecimosMilesimos(c * 100); }
    static constexpr TDinheiro DeReais(int64_t r) { return DeDecimosMilesimos(r * 10000); }

    // Reads a decimal text such as "102.50", "-0.0048" or "12,5"; more than four decimals are
    // rounded half away from zero. Throws EErroSistema on anything else.
    static TDinheiro Ler(std::string_view texto);
    static bool TentarLer(std::string_view texto, TDinheiro& valor);

    constexpr int64_t DecimosMilesimos() const { return m_v; }

    // The value rounded half away from zero to the given number of decimals (0 to 4).
    TDinheiro Arredondado(int decimais) const;
    // Exactly the given number of decimals, the given separator, a leading "-" when negative.
    std::string Formatar(int decimais, char separador) const;

    TDinheiro operator+(TDinheiro o) const { return DeDecimosMilesimos(m_v + o.m_v); }
    TDinheiro operator-(TDinheiro o) const { return DeDecimosMilesimos(m_v - o.m_v); }
    TDinheiro operator-() const { return DeDecimosMilesimos(-m_v); }
    TDinheiro& operator+=(TDinheiro o) {
        m_v += o.m_v;
        return *this;
    }
    // Multiplication by a whole quantity is exact.
    TDinheiro operator*(int64_t q) const { return DeDecimosMilesimos(m_v * q); }
    // Division by a whole number, rounded half away from zero to four decimals.
    TDinheiro DivididoPor(int64_t d) const;
    auto operator<=>(const TDinheiro&) const = default;

private:
    int64_t m_v = 0;
};
