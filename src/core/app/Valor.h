#pragma once

#include "core/app/Data.h"
#include "core/app/Dinheiro.h"

#include <cstdint>
#include <optional>
#include <string>

enum class TTipoCampo { Inteiro, Decimal, Real, Texto, Data, DataHora, Outro };

// One field value as the server sent it (text protocol): NULL or the value's text, with the
// field's type. Conversions read the text; nothing is rounded on the way.
class TValor {
public:
    TValor() = default; // NULL
    TValor(std::string texto, TTipoCampo tipo = TTipoCampo::Texto) : m_texto(std::move(texto)), m_tipo(tipo) {}
    TValor(const char* texto) : TValor(std::string(texto)) {}
    TValor(int64_t v) : m_texto(std::to_string(v)), m_tipo(TTipoCampo::Inteiro) {}
    TValor(int v) : TValor(static_cast<int64_t>(v)) {}
    static TValor Nulo(TTipoCampo tipo = TTipoCampo::Texto) {
        TValor v;
        v.m_tipo = tipo;
        return v;
    }

    bool EhNulo() const { return !m_texto.has_value(); }
    TTipoCampo Tipo() const { return m_tipo; }
    // The text of the value; empty for NULL.
    const std::string& AsString() const;
    // Whole number; 0 for NULL; throws EErroSistema for a text that is not a number.
    int64_t AsInteger() const;
    TDinheiro AsDinheiro() const;
    // A DATE or the date part of a DATETIME; an empty date for NULL or the zero date.
    TData AsData() const;
    bool operator==(const TValor& o) const { return m_texto == o.m_texto; }

private:
    std::optional<std::string> m_texto;
    TTipoCampo m_tipo = TTipoCampo::Texto;
};
