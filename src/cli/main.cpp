// ressarcimento-st-cli: the reimbursement calculation of one branch without the wizard.
//
//   ressarcimento-st-cli calcular --data AAAA-MM-DD (--produtos ID,ID,... | --todos)
//                                 [--config PASTA] [--json ARQUIVO]

#include "core/app/ConfigSistemaQOR.h"
#include "core/app/ConnectionInfo.h"
#include "core/app/Data.h"
#include "core/app/DmTorvane.h"
#include "core/app/Erros.h"
#include "core/app/PastaPrograma.h"
#include "core/app/Progresso.h"
#include "core/app/RessarcimentoHelper.h"
#include "core/app/Texto.h"
#include "core/calc/ApuracaoJson.h"
#include "core/calc/CalculoRessarcimento.h"
#include "core/calc/ProdutosEscolhidos.h"
#include "core/calc/TabelasTrabalho.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const kPrograma = "ressarcimento-st-cli";

const char* const kUso =
    "Uso: ressarcimento-st-cli calcular --data AAAA-MM-DD (--produtos ID,ID,... | --todos)\n"
    "                                   [--config PASTA] [--json ARQUIVO]\n"
    "\n"
    "Calcula o ressarcimento de ICMS ST da filial na data do inventário: saldo em estoque,\n"
    "documentos de entrada com retenção de ICMS e valores por produto.\n"
    "\n"
    "  --data AAAA-MM-DD      data do inventário\n"
    "  --produtos ID,ID,...   os produtos a calcular (produto_id)\n"
    "  --todos                todos os produtos não apagados do tipo \"P\"\n"
    "  --config PASTA         pasta de \"connection.conf\" e \"sistema_qor.ini\"\n"
    "                         (padrão: a pasta do executável)\n"
    "  --json ARQUIVO         grava o resultado em JSON (UTF-8)\n"
    "  --help                 mostra esta ajuda\n";

// A wrong command line: one line on standard error, exit code 2.
struct EUso {
    std::string mensagem;
};

struct TOpcoes {
    TData data;
    bool temData = false;
    std::optional<std::vector<int64_t>> produtos;
    bool todos = false;
    std::optional<std::string> config;
    std::optional<std::string> json;
    bool ajuda = false;
};

std::vector<int64_t> LerProdutos(const std::string& lista) {
    std::vector<int64_t> ids;
    size_t inicio = 0;
    for (;;) {
        size_t fim = lista.find(',', inicio);
        std::string parte = texto::Aparar(lista.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio));
        long long id;
        if (!texto::ParaInteiro(parte, id) || id <= 0 || id > INT32_MAX)
            throw EUso{"produto inválido em --produtos: \"" + parte + "\""};
        ids.push_back(id);
        if (fim == std::string::npos) break;
        inicio = fim + 1;
    }
    return ids;
}

TOpcoes LerOpcoes(const std::vector<std::string>& args) {
    TOpcoes o;
    if (args.empty()) throw EUso{"informe o comando (calcular); veja --help"};
    if (args[0] == "--help" || args[0] == "-h") {
        o.ajuda = true;
        return o;
    }
    if (args[0] != "calcular") throw EUso{"comando desconhecido: " + args[0]};
    for (size_t i = 1; i < args.size(); ++i) {
        std::string nome = args[i];
        std::optional<std::string> valorJunto;
        if (size_t igual = nome.find('='); texto::ComecaCom(nome, "--") && igual != std::string::npos) {
            valorJunto = nome.substr(igual + 1);
            nome = nome.substr(0, igual);
        }
        auto valor = [&]() -> std::string {
            if (valorJunto) return *valorJunto;
            if (i + 1 >= args.size()) throw EUso{"a opção " + nome + " exige um valor"};
            return args[++i];
        };
        auto semValor = [&]() {
            if (valorJunto) throw EUso{"a opção " + nome + " não aceita valor"};
        };
        if (nome == "--help" || nome == "-h") {
            semValor();
            o.ajuda = true;
        } else if (nome == "--data") {
            std::string v = valor();
            if (!TData::LerIso(v, o.data)) throw EUso{"data inválida: \"" + v + "\" (use AAAA-MM-DD)"};
            o.temData = true;
        } else if (nome == "--produtos") {
            o.produtos = LerProdutos(valor());
        } else if (nome == "--todos") {
            semValor();
            o.todos = true;
        } else if (nome == "--config") {
            o.config = valor();
        } else if (nome == "--json") {
            o.json = valor();
            if (o.json->empty()) throw EUso{"a opção --json exige um nome de arquivo"};
        } else if (texto::ComecaCom(nome, "-")) {
            throw EUso{"opção desconhecida: " + nome};
        } else {
            throw EUso{"argumento inesperado: " + nome};
        }
    }
    if (o.ajuda) return o;
    if (o.config && !std::filesystem::is_directory(*o.config))
        throw EUso{"a pasta de --config não existe: " + *o.config};
    if (!o.temData) throw EUso{"falta a data do inventário: --data AAAA-MM-DD"};
    if (o.todos == o.produtos.has_value())
        throw EUso{o.todos ? "use --produtos ou --todos, não os dois" : "falta a escolha dos produtos: --produtos ID,ID,... ou --todos"};
    return o;
}

// A message of the system (Windows-1252, possibly with line breaks) as one line of UTF-8.
std::string UmaLinha(const std::string& cp1252) {
    std::string s = texto::Cp1252ParaUtf8(cp1252);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return texto::Aparar(s);
}

void Erro(const std::string& utf8) { std::cerr << kPrograma << ": " << utf8 << "\n"; }

// The retry question of the connection is answered with No; its text is kept for the error line.
class TPerguntaNao : public IPerguntaConexao {
public:
    bool TentarNovamente(const std::string& mensagem) override {
        // the first line: the question that follows it makes no sense here
        m_mensagem = mensagem.substr(0, mensagem.find("\r\n"));
        return false;
    }
    const std::string& Mensagem() const { return m_mensagem; }

private:
    std::string m_mensagem;
};

// The progress of the running step as a bar on standard error (only on a terminal).
class TBarraProgresso : public IProgresso {
public:
    explicit TBarraProgresso(bool ativa) : m_ativa(ativa) {}

    void Iniciar(const std::string& etapaUtf8) {
        m_etapa = etapaUtf8;
        m_percentual = 0;
        m_desenhado = -1;
        Desenhar();
    }
    void Concluir() {
        if (!m_ativa) return;
        m_percentual = 100;
        Desenhar();
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
    void AtualizarTela() override {
        if (m_percentual != m_desenhado) Desenhar();
    }
    void DefinirProgresso(int percentual) override { m_percentual = percentual; }

private:
    void Desenhar() {
        if (!m_ativa) return;
        const int largura = 30;
        int p = m_percentual < 0 ? 0 : (m_percentual > 100 ? 100 : m_percentual);
        int cheios = p * largura / 100;
        std::string barra(static_cast<size_t>(cheios), '#');
        barra.append(static_cast<size_t>(largura - cheios), '.');
        // the label padded to a fixed width in characters (UTF-8 continuation bytes do not count)
        std::string rotulo = m_etapa;
        size_t caracteres = 0;
        for (unsigned char c : m_etapa)
            if ((c & 0xC0) != 0x80) ++caracteres;
        if (caracteres < 46) rotulo.append(46 - caracteres, ' ');
        std::fprintf(stderr, "\r%s [%s] %3d%%", rotulo.c_str(), barra.c_str(), p);
        std::fflush(stderr);
        m_desenhado = m_percentual;
    }

    bool m_ativa;
    std::string m_etapa;
    int m_percentual = 0;
    int m_desenhado = -1;
};

void ImprimirResumo(TdmTorvane& dm, int filialId, const TData& data) {
    auto q = dm.AbrirQuery("SELECT  COUNT(*) AS produtos,  COALESCE(SUM(status = 0), 0) AS regulares, "
                           " COALESCE(SUM(status = 1), 0) AS parciais,  COALESCE(SUM(status = 2), 0) AS sem_nota, "
                           " COALESCE(SUM(vl_bc_icms_ret_total), 0) AS base,  COALESCE(SUM(vl_icms_ret_total), 0) AS "
                           "ressarcir FROM  temp_apuracao ");
    auto dinheiro = [&](const char* campo) {
        return TRessarcimentoHelper::FormatarValor(2, q->Valor(campo).AsDinheiro());
    };
    std::cout << "Filial " << filialId << ", inventário de " << data.DDMMAAAA() << "\n"
              << "Produtos escolhidos: " << dm.ObterValor("SELECT  COUNT(*) FROM  temp_produtos ", 0).AsInteger() << "\n"
              << "Produtos apurados: " << q->Valor("produtos").AsInteger() << "\n"
              << "  Estoque regular (0): " << q->Valor("regulares").AsInteger() << "\n"
              << "  Estoque parcialmente comprovado (1): " << q->Valor("parciais").AsInteger() << "\n"
              << "  Estoque não comprovado (2): " << q->Valor("sem_nota").AsInteger() << "\n"
              << "Total da base do ICMS retido: " << dinheiro("base") << "\n"
              << "Total a ressarcir: " << dinheiro("ressarcir") << "\n";
}

int Calcular(const TOpcoes& o) {
    TPastaPrograma::Definir(o.config ? *o.config : TPastaPrograma::PastaDoExecutavel());
    const TConnectionInfo& configuracao = TConnectionInfo::ObterInstancia();
    const int filialId = TConfigSistemaQOR::ObterCodigoFilial();

    TdmTorvane dm(configuracao);
    TPerguntaNao pergunta;
    if (!dm.ConectarBanco(pergunta)) {
        Erro(UmaLinha(pergunta.Mensagem()));
        return 1;
    }

    std::vector<std::string> tabelasTemporarias;
    tabelas::CriarTabelasPermanentes(dm, tabelasTemporarias);
    std::vector<int64_t> produtos = o.todos ? TProdutosEscolhidos::Todos(dm) : *o.produtos;
    TProdutosEscolhidos::Gravar(dm, produtos);

    TBarraProgresso barra(isatty(STDERR_FILENO) == 1);
    TCalculoRessarcimento calculo(dm, filialId, o.data, barra);
    barra.Iniciar("Calculando saldo em estoque");
    calculo.CalcularSaldoEstoque();
    barra.Concluir();
    barra.Iniciar("Pesquisando documentos com retenção de ICMS");
    calculo.SelecionarDocumentos();
    barra.Concluir();
    barra.Iniciar("Calculando valor de ressarcimento");
    calculo.CalcularRessarcimento();
    barra.Concluir();

    ImprimirResumo(dm, filialId, o.data);
    if (o.json) TApuracaoJson::GravarArquivo(*o.json, TApuracaoJson::Gerar(dm, filialId, o.data));

    tabelas::RemoverTabelas(dm, tabelasTemporarias);
    dm.Desconectar();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    TOpcoes opcoes;
    try {
        opcoes = LerOpcoes(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const EUso& e) {
        Erro(e.mensagem);
        return 2;
    }
    if (opcoes.ajuda) {
        std::cout << kUso;
        return 0;
    }
    try {
        return Calcular(opcoes);
    } catch (const EErro& e) {
        Erro(UmaLinha(e.what()));
    } catch (const std::exception& e) {
        Erro(UmaLinha(e.what()));
    }
    return 1;
}
