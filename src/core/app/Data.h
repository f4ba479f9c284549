#pragma once

#include <compare>
#include <string>
#include <string_view>

// A calendar date, kept as date parts until it is formatted.
struct TData {
    int ano = 0;
    int mes = 0;
    int dia = 0;

    bool Valida() const;
    bool Vazia() const { return ano == 0 && mes == 0 && dia == 0; }
    // "AAAA-MM-DD"; false when the text is not a valid date
    static bool LerIso(std::string_view texto, TData& data);
    // "yyyyMMdd" as the statements splice it: 20160222
    std::string AAAAMMDD() const;
    std::string Iso() const;        // 2016-02-22
    std::string DDMMAAAA() const;   // 22/02/2016
    TData DiaSeguinte() const;
    TData DiaAnterior() const;
    static int DiasNoMes(int ano, int mes);
    auto operator<=>(const TData&) const = default;
};
