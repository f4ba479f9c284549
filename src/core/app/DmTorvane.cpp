#include "core/app/DmTorvane.h"

#include "core/app/ConfigSistemaQOR.h"
#include "core/app/Erros.h"
#include "core/app/Texto.h"

TdmTorvane::TdmTorvane(const TConnectionInfo& configuracao) : m_configuracao(configuracao) {}

bool TdmTorvane::ConectarBanco(IPerguntaConexao& pergunta) {
    try {
        if (!m_bancodeDados.Aberta()) {
            TParametrosConexao p;
            p.banco = m_configuracao.NomeBanco();
            p.host = m_configuracao.Host();
            p.senha = m_configuracao.Senha();
            p.porta = m_configuracao.Porta();
            p.usuario = "root";
            m_bancodeDados.Abrir(p);
            BancodeDadosAfterConnect();
        } else if (!m_dbLocal.Aberta()) {
            BancodeDadosAfterConnect();
        }
        long long codigo = 0;
        if (auto logica = TConfigSistemaQOR::ObterCodigoLogica()) {
            if (!texto::ParaInteiro(texto::Aparar(*logica), codigo) || codigo < INT32_MIN || codigo > INT32_MAX)
                throw EErroSistema("'" + *logica + texto::W("' não é um valor inteiro válido"));
        }
        TConfigSistemaQOR::DefinirCodigoLojasLeram(FilialParaLojasLeram(static_cast<int>(codigo)));
        return m_bancodeDados.Aberta();
    } catch (const std::exception& e) {
        std::string msg = texto::W("Não foi possível conectar no banco de dados local. Erro: ") + e.what() +
                          "\r\n" + "Deseja tentar novamente?";
        if (pergunta.TentarNovamente(msg)) return ConectarBanco(pergunta);
        return false;
    }
}

void TdmTorvane::BancodeDadosAfterConnect() {
    m_parametrosLocal = m_bancodeDados.Parametros();
    m_dbLocal.Abrir(m_parametrosLocal);
}

void TdmTorvane::Desconectar() {
    m_dbLocal.Fechar();
    m_bancodeDados.Fechar();
}

TConexao& TdmTorvane::DBLocal() {
    // A retry that found the primary connection open may have left the working one closed:
    // it opens itself with the parameters copied from the primary.
    if (!m_dbLocal.Aberta() && m_bancodeDados.Aberta()) BancodeDadosAfterConnect();
    return m_dbLocal;
}

int64_t TdmTorvane::ExecutarSQL(const std::string& sql) { return DBLocal().Executar(sql); }

int64_t TdmTorvane::TentarExecutarSQL(const std::string& sql) {
    try {
        return DBLocal().Executar(sql);
    } catch (const std::exception&) {
        return -1;
    }
}

int TdmTorvane::ExecutarScript(const std::string& sql) {
    try {
        DBLocal().ExecutarScript(sql);
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

std::unique_ptr<TQuery> TdmTorvane::AbrirQuery(const std::string& sql) {
    auto q = std::make_unique<TQuery>(DBLocal());
    q->DefinirSQL(sql);
    q->Abrir();
    return q;
}

TValor TdmTorvane::ObterValor(const std::string& sql, const TValor& padrao) {
    try {
        TResultado r = DBLocal().Consultar(sql);
        if (!r.linhas.empty() && !r.linhas[0].empty() && !r.linhas[0][0].EhNulo()) return r.linhas[0][0];
    } catch (const std::exception&) {
    }
    return padrao;
}

std::unique_ptr<TQuery> TdmTorvane::AbrirDataSet(const std::string& sql) {
    try {
        return AbrirQuery(sql);
    } catch (const std::exception& e) {
        throw EErroSistema(std::string("Erro ao abrir dataset. Erro: ") + e.what());
    }
}

std::string TdmTorvane::AspasSQL(const std::string& t) {
    std::string s;
    s.reserve(t.size() + 2);
    s += '"';
    for (char c : t) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\0': s += "\\0"; break;
        case '\x1a': s += "\\Z"; break;
        default: s += c;
        }
    }
    s += '"';
    return s;
}
