#include "core/app/Query.h"

#include "core/app/Erros.h"
#include "core/app/Texto.h"

void TQuery::Abrir() {
    Fechar();
    TResultado r = m_conexao->Consultar(m_sql);
    AbrirCom(std::move(r));
}

void TQuery::AbrirCom(TResultado resultado) {
    m_res = std::move(resultado);
    m_ativa = true;
    Primeiro();
    if (AposAbrir) AposAbrir();
}

void TQuery::Fechar() {
    bool estava = m_ativa;
    m_ativa = false;
    m_res = {};
    m_atual = 0;
    m_eof = true;
    if (estava && AposFechar) AposFechar();
}

int TQuery::IndiceCampo(const std::string& nome) const {
    std::string n = texto::Minusculas(nome);
    for (size_t i = 0; i < m_res.campos.size(); ++i)
        if (texto::Minusculas(m_res.campos[i].nome) == n) return static_cast<int>(i);
    return -1;
}

int TQuery::ExigirCampo(const std::string& nome) const {
    int i = IndiceCampo(nome);
    if (i < 0) throw EErroSistema("Field '" + nome + "' not found");
    return i;
}

void TQuery::IrPara(int n) {
    if (m_res.linhas.empty()) return;
    if (n < 1) n = 1;
    if (n > QuantidadeRegistros()) n = QuantidadeRegistros();
    m_atual = n - 1;
    m_eof = false;
}

void TQuery::Proximo() {
    if (m_atual + 1 < QuantidadeRegistros())
        ++m_atual;
    else
        m_eof = true;
}

void TQuery::Anterior() {
    if (m_atual > 0) --m_atual;
    m_eof = false;
}

const TValor& TQuery::Valor(int linha, int campo) const {
    return m_res.linhas.at(static_cast<size_t>(linha)).at(static_cast<size_t>(campo));
}

const TValor& TQuery::Valor(int linha, const std::string& campo) const {
    return Valor(linha, ExigirCampo(campo));
}

const TValor& TQuery::Valor(const std::string& campo) const {
    if (m_res.linhas.empty()) throw EErroSistema("The query has no rows");
    return Valor(m_atual, ExigirCampo(campo));
}

void TQuery::DefinirValor(int linha, int campo, TValor v) {
    m_res.linhas.at(static_cast<size_t>(linha)).at(static_cast<size_t>(campo)) = std::move(v);
}

void TQuery::DefinirValor(const std::string& campo, TValor v) {
    if (m_res.linhas.empty()) throw EErroSistema("The query has no rows");
    DefinirValor(m_atual, ExigirCampo(campo), std::move(v));
}
