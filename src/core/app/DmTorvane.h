#pragma once

#include "core/app/ConnectionInfo.h"
#include "core/app/Conexao.h"
#include "core/app/Query.h"
#include "core/app/Valor.h"

#include <memory>
#include <string>

// How ConectarBanco asks the user whether to try again; the user interface implements it.
class IPerguntaConexao {
public:
    virtual ~IPerguntaConexao() = default;
    // The full text of the question; true to try again.
    virtual bool TentarNovamente(const std::string& mensagem) = 0;
};

// The shared data module: the primary connection BancodeDados and the working connection DBLocal,
// which carries every temporary table and every statement of the operations below.
class TdmTorvane {
public:
    explicit TdmTorvane(const TConnectionInfo& configuracao);

    // Opens both connections; on failure asks whether to retry, false when the user gives up.
    bool ConectarBanco(IPerguntaConexao& pergunta);
    void Desconectar();

    int64_t ExecutarSQL(const std::string& sql);          // errors propagate
    int64_t TentarExecutarSQL(const std::string& sql);    // -1 on error
    int ExecutarScript(const std::string& sql);           // 0, or -1 at the first failing statement
    std::unique_ptr<TQuery> AbrirQuery(const std::string& sql);   // errors propagate
    TValor ObterValor(const std::string& sql, const TValor& padrao);  // errors give the default
    std::unique_ptr<TQuery> AbrirDataSet(const std::string& sql);  // in-memory, editable copy

    // A text as an SQL string literal between double quotes: a value never changes a statement.
    static std::string AspasSQL(const std::string& texto);

    TConexao& BancodeDados() { return m_bancodeDados; }
    TConexao& DBLocal();
    const TConnectionInfo& Configuracao() const { return m_configuracao; }

private:
    void BancodeDadosAfterConnect();

    const TConnectionInfo& m_configuracao;
    TConexao m_bancodeDados;
    TConexao m_dbLocal;
    TParametrosConexao m_parametrosLocal;
};
