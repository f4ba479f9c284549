#include "core/app/Conexao.h"

#include "core/app/Erros.h"
#include "core/app/ScriptSQL.h"

#include <mysql.h>

namespace {

struct TBibliotecaCliente {
    TBibliotecaCliente() { mysql_library_init(0, nullptr, nullptr); }
    ~TBibliotecaCliente() { mysql_library_end(); }
};

void IniciarBiblioteca() { static TBibliotecaCliente biblioteca; }

TTipoCampo TipoDoCampo(enum_field_types t) {
    switch (t) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_YEAR:
    case MYSQL_TYPE_BIT:
        return TTipoCampo::Inteiro;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return TTipoCampo::Decimal;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return TTipoCampo::Real;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return TTipoCampo::Data;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return TTipoCampo::DataHora;
    default:
        return TTipoCampo::Texto;
    }
}

TResultado LerResultado(MYSQL_RES* res) {
    TResultado r;
    unsigned n = mysql_num_fields(res);
    MYSQL_FIELD* f = mysql_fetch_fields(res);
    r.campos.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        r.campos.push_back(TCampo{f[i].name, TipoDoCampo(f[i].type), static_cast<unsigned>(f[i].length),
                                  f[i].decimals});
    r.linhas.reserve(mysql_num_rows(res));
    while (MYSQL_ROW row = mysql_fetch_row(res)) {
        unsigned long* len = mysql_fetch_lengths(res);
        std::vector<TValor> linha;
        linha.reserve(n);
        for (unsigned i = 0; i < n; ++i) {
            if (row[i])
                linha.emplace_back(std::string(row[i], len[i]), r.campos[i].tipo);
            else
                linha.push_back(TValor::Nulo(r.campos[i].tipo));
        }
        r.linhas.push_back(std::move(linha));
    }
    return r;
}

} // namespace

TConexao::TConexao() { IniciarBiblioteca(); }

TConexao::~TConexao() { Fechar(); }

void TConexao::Abrir(const TParametrosConexao& p) {
    Fechar();
    MYSQL* m = mysql_init(nullptr);
    if (!m) throw EErroBanco("out of memory for the database connection");
    unsigned timeout = 10;
    mysql_options(m, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    mysql_options(m, MYSQL_SET_CHARSET_NAME, "latin1");
    std::string host = p.host.substr(0, 255);
    if (!mysql_real_connect(m, host.c_str(), p.usuario.c_str(), p.senha.c_str(),
                            p.banco.empty() ? nullptr : p.banco.c_str(), p.porta, nullptr,
                            CLIENT_MULTI_RESULTS | CLIENT_MULTI_STATEMENTS)) {
        std::string msg = mysql_error(m);
        unsigned codigo = mysql_errno(m);
        mysql_close(m);
        throw EErroBanco(msg, codigo);
    }
    m_mysql = m;
    m_parametros = p;
    // The statements rely on a permissive mode (implicit defaults for NULL into NOT NULL,
    // shortened over-long text, the zero date, loose GROUP BY).
    Executar("SET SESSION sql_mode = ''");
}

void TConexao::Fechar() {
    if (m_mysql) {
        mysql_close(m_mysql);
        m_mysql = nullptr;
    }
}

void TConexao::Falhar() {
    std::string msg = mysql_error(m_mysql);
    unsigned codigo = mysql_errno(m_mysql);
    // drain whatever the server still has for this request
    while (mysql_more_results(m_mysql) && mysql_next_result(m_mysql) == 0) {
        if (MYSQL_RES* r = mysql_store_result(m_mysql)) mysql_free_result(r);
    }
    throw EErroBanco(msg, codigo);
}

void TConexao::Exigir() {
    if (!m_mysql) throw EErroBanco("Not connected to the database");
}

// The connection accepts scripts in one request; a single-statement call must not carry more than one.
void TConexao::ExigirUmComando(const std::string& sql) {
    Exigir();
    if (DividirScriptSQL(sql).size() > 1)
        throw EErroBanco("Only one statement may be run at a time: " + sql.substr(0, 200));
}

int64_t TConexao::Executar(const std::string& sql) {
    ExigirUmComando(sql);
    if (mysql_real_query(m_mysql, sql.data(), sql.size()) != 0) Falhar();
    int64_t afetadas = 0;
    if (MYSQL_RES* r = mysql_store_result(m_mysql)) {
        mysql_free_result(r);
    } else if (mysql_field_count(m_mysql) != 0) {
        Falhar();
    } else {
        afetadas = static_cast<int64_t>(mysql_affected_rows(m_mysql));
    }
    return afetadas;
}

void TConexao::ExecutarScript(const std::string& sql) {
    Exigir();
    std::vector<std::string> partes = DividirScriptSQL(sql);
    if (partes.empty()) return;
    std::string junto;
    for (const auto& p : partes) {
        junto += p;
        junto += ";\n";
    }
    if (mysql_real_query(m_mysql, junto.data(), junto.size()) != 0) Falhar();
    for (;;) {
        if (MYSQL_RES* r = mysql_store_result(m_mysql))
            mysql_free_result(r);
        else if (mysql_field_count(m_mysql) != 0)
            Falhar();
        int proximo = mysql_next_result(m_mysql);
        if (proximo == -1) break;
        if (proximo > 0) Falhar();
    }
}

TResultado TConexao::Consultar(const std::string& sql) {
    ExigirUmComando(sql);
    if (mysql_real_query(m_mysql, sql.data(), sql.size()) != 0) Falhar();
    MYSQL_RES* res = mysql_store_result(m_mysql);
    if (!res) {
        if (mysql_field_count(m_mysql) != 0) Falhar();
        return {};
    }
    TResultado r;
    try {
        r = LerResultado(res);
    } catch (...) {
        mysql_free_result(res);
        throw;
    }
    mysql_free_result(res);
    while (mysql_more_results(m_mysql) && mysql_next_result(m_mysql) == 0) {
        if (MYSQL_RES* x = mysql_store_result(m_mysql)) mysql_free_result(x);
    }
    return r;
}
