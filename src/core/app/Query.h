#pragma once

#include "core/app/Conexao.h"

#include <functional>
#include <string>
#include <vector>

// A query on one connection: its statement text, and when open the whole result in memory
// with a cursor. Edits (the mark columns of the selection dialogs) change only these local rows.
class TQuery {
public:
    explicit TQuery(TConexao& conexao) : m_conexao(&conexao) {}
    TQuery(const TQuery&) = delete;
    TQuery& operator=(const TQuery&) = delete;

    // Statement text. Lines added with AdicionarLinha are each followed by a line break.
    const std::string& SQL() const { return m_sql; }
    void DefinirSQL(std::string sql) { m_sql = std::move(sql); }
    void AdicionarLinha(const std::string& linha) { m_sql += linha + "\r\n"; }
    void LimparSQL() { m_sql.clear(); }

    // Runs the statement and keeps its result; the query stays closed when it fails.
    void Abrir();
    void Fechar();
    bool Ativa() const { return m_ativa; }
    // Builds an open query from a result fetched elsewhere.
    void AbrirCom(TResultado resultado);

    // Called after every opening and every closing (grid models listen to these).
    std::function<void()> AposAbrir;
    std::function<void()> AposFechar;

    int QuantidadeRegistros() const { return static_cast<int>(m_res.linhas.size()); }
    bool Vazia() const { return m_res.linhas.empty(); }
    int QuantidadeCampos() const { return static_cast<int>(m_res.campos.size()); }
    const TCampo& Campo(int i) const { return m_res.campos.at(i); }
    // -1 when there is no such field (names compare without regard to case)
    int IndiceCampo(const std::string& nome) const;

    // Cursor, with record numbers counting from 1 (0 on an empty result).
    int NumeroRegistro() const { return m_res.linhas.empty() ? 0 : m_atual + 1; }
    void IrPara(int numeroRegistro);
    void Primeiro() { m_atual = 0; m_eof = m_res.linhas.empty(); }
    void Ultimo() { m_atual = m_res.linhas.empty() ? 0 : QuantidadeRegistros() - 1; m_eof = m_res.linhas.empty(); }
    void Proximo();
    void Anterior();
    bool Eof() const { return m_eof || m_res.linhas.empty(); }

    // Values of the current row, or of any row (index from 0).
    const TValor& Valor(const std::string& campo) const;
    const TValor& Valor(int linha, int campo) const;
    const TValor& Valor(int linha, const std::string& campo) const;
    void DefinirValor(const std::string& campo, TValor v);
    void DefinirValor(int linha, int campo, TValor v);

    TConexao& Conexao() const { return *m_conexao; }

private:
    int ExigirCampo(const std::string& nome) const;

    TConexao* m_conexao;
    std::string m_sql;
    TResultado m_res;
    bool m_ativa = false;
    int m_atual = 0;
    bool m_eof = true;
};
