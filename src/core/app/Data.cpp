#include "core/app/Data.h"

#include <cstdio>

int TData::DiasNoMes(int ano, int mes) {
    static const int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes < 1 || mes > 12) return 0;
    if (mes == 2 && ((ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0)) return 29;
    return dias[mes - 1];
}

bool TData::Valida() const {
    return ano >= 1 && ano <= 9999 && mes >= 1 && mes <= 12 && dia >= 1 && dia <= DiasNoMes(ano, mes);
}

bool TData::LerIso(std::string_view t, TData& d) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
    auto num = [&](size_t a, size_t n, int& v) {
        v = 0;
        for (size_t i = a; i < a + n; ++i) {
            if (t[i] < '0' || t[i] > '9') return false;
            v = v * 10 + (t[i] - '0');
        }
        return true;
    };
    TData r;
    if (!num(0, 4, r.ano) || !num(5, 2, r.mes) || !num(8, 2, r.dia) || !r.Valida()) return false;
    d = r;
    return true;
}

std::string TData::AAAAMMDD() const {
    char b[16];
    std::snprintf(b, sizeof b, "%04d%02d%02d", ano, mes, dia);
    return b;
}

std::string TData::Iso() const {
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", ano, mes, dia);
    return b;
}

std::string TData::DDMMAAAA() const {
    char b[16];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", dia, mes, ano);
    return b;
}

TData TData::DiaSeguinte() const {
    TData d = *this;
    if (++d.dia > DiasNoMes(d.ano, d.mes)) {
        d.dia = 1;
        if (++d.mes > 12) {
            d.mes = 1;
            ++d.ano;
        }
    }
    return d;
}

TData TData::DiaAnterior() const {
    TData d = *this;
    if (--d.dia < 1) {
        if (--d.mes < 1) {
            d.mes = 12;
            --d.ano;
        }
        d.dia = DiasNoMes(d.ano, d.mes);
    }
    return d;
}
