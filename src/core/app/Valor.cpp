#include "core/app/Valor.h"

#include "core/app/Erros.h"
#include "core/app/Texto.h"

const std::string& TValor::AsString() const {
    static const std::string vazio;
    return m_texto ? *m_texto : vazio;
}

int64_t TValor::AsInteger() const {
    if (!m_texto || m_texto->empty()) return 0;
    long long v;
    if (texto::ParaInteiro(*m_texto, v)) return v;
    TDinheiro d;
    if (TDinheiro::TentarLer(*m_texto, d)) return d.Arredondado(0).DecimosMilesimos() / 10000;
    throw EErroSistema("'" + *m_texto + "' is not a valid integer value");
}

TDinheiro TValor::AsDinheiro() const {
    if (!m_texto || m_texto->empty()) return {};
    return TDinheiro::Ler(*m_texto);
}

TData TValor::AsData() const {
    TData d;
    if (m_texto && m_texto->size() >= 10 && TData::LerIso(m_texto->substr(0, 10), d)) return d;
    return {};
}
