// rst-bench-calculo: times the whole calculation (stock balance, invoice coverage, values) on a
// large synthetic branch, and beside it the same allocation computed by one set-based statement
// with window functions, checking that both give the same temp_documentos.
//
// The server comes from RST_DB_HOST, RST_DB_PORT and RST_DB_PASSWORD (bench/run starts a private one).
// Options: --produtos N, --escolhidos N, --movimentos N, --notas N, --itens-por-nota N, --data AAAA-MM-DD,
// --manter (keep the database afterwards).

#include "GeradorFilial.h"

#include "core/app/Conexao.h"
#include "core/app/ConnectionInfo.h"
#include "core/app/DmTorvane.h"
#include "core/app/PastaPrograma.h"
#include "core/app/Progresso.h"
#include "core/calc/CalculoRessarcimento.h"
#include "core/calc/ComandosCalculo.h"
#include "core/calc/ProdutosEscolhidos.h"
#include "core/calc/TabelasTrabalho.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const kBanco = "rst_bench_calculo";
const int kFilial = 2;

// The baseline: the whole allocation as one statement. Per product, its candidate invoices (as the
// step gathers them) are ordered newest first with the same tie-break; a running sum of the
// quantities before each invoice tells how much of the balance is still open when it is reached,
// and each invoice gives the smaller of its quantity and what is open.
std::string AlocacaoEmConjunto(int filialId, const TData& data) {
    const std::string f = std::to_string(filialId);
    const std::string semPontuacao = [](const char* c) {
        return std::string("REPLACE(REPLACE(REPLACE(") + c + ",\".\",\"\"),\"/\",\"\"),\"-\",\"\")";
    }("fornece.cgc");
    const std::string semPontuacaoFilial = "REPLACE(REPLACE(REPLACE(filial.cgc,\".\",\"\"),\"/\",\"\"),\"-\",\"\")";
    const std::string vlUnitario =
        "COALESCE(ROUND(nota_fiscal_item.valor_unit + (nota_fiscal_item.valor_frete / nota_fiscal_item.quant)"
        " + (nota_fiscal_item.valor_seguro / nota_fiscal_item.quant) + (nota_fiscal_item.valor_outras / "
        "nota_fiscal_item.quant) - (nota_fiscal_item.desc_val / nota_fiscal_item.quant), 2), 0)";
    const std::string cst =
        "IF(LENGTH(nota_fiscal_item.st) = 3, SUBSTRING(nota_fiscal_item.st, 2, 2), nota_fiscal_item.st)";
    const std::string vlBase = "COALESCE(ROUND(IF(" + cst +
                               " = \"10\", nota_fiscal_item.base_calc_icms_sub / nota_fiscal_item.quant, "
                               "nota_fiscal_item.base_calc_icms_sub_ret / nota_fiscal_item.quant), 2), 0)";
    return "INSERT INTO temp_documentos_base (filial_id, nota_fiscal_id, num_nota, modelo, chave, data_emissao, "
           "nome_emit, cnpj_emit, ie_emit, produto_id, quantidade_comprovada, vl_unit, vl_bc_icms_ret_unit) "
           "SELECT filial_id, nota_fiscal_id, num_nota, modelo, chave, data_emissao, nome_emit, cnpj_emit, ie_emit, "
           "produto_id, LEAST(quantidade, saldo - anterior), vl_unit, vl_bc "
           "FROM (SELECT notas.*, COALESCE(SUM(notas.quantidade) OVER (PARTITION BY notas.produto_id "
           "ORDER BY notas.data_emissao DESC, notas.nota_fiscal_id DESC "
           "ROWS BETWEEN UNBOUNDED PRECEDING AND 1 PRECEDING), 0) AS anterior "
           "FROM (SELECT nota_fiscal.filial_id, nota_fiscal.nota_fiscal_id, nota_fiscal.num_nota, nota_fiscal.modelo, "
           "nota_fiscal.chave, nota_fiscal.data_emissao, "
           "COALESCE(IF(nota_fiscal.tipo_nota = \"E\", fornece.nome, filial.nome), \"\") AS nome_emit, "
           "COALESCE(IF(nota_fiscal.tipo_nota = \"E\", " +
           semPontuacao + ", " + semPontuacaoFilial +
           "), \"\") AS cnpj_emit, "
           "COALESCE(IF(nota_fiscal.tipo_nota = \"E\", fornece.ie, filial.inscr), \"\") AS ie_emit, "
           "nota_fiscal_item.produto_id, temp_estoque.quantidade AS saldo, "
           "SUM(nota_fiscal_item.quant) AS quantidade, "
           "COALESCE(ROUND(SUM(nota_fiscal_item.quant * " +
           vlUnitario + ") / SUM(nota_fiscal_item.quant), 2), 0) AS vl_unit, COALESCE(ROUND(SUM(nota_fiscal_item.quant * " +
           vlBase +
           ") / SUM(nota_fiscal_item.quant), 2), 0) AS vl_bc "
           "FROM temp_estoque JOIN nota_fiscal_item ON nota_fiscal_item.produto_id = temp_estoque.produto_id "
           "AND nota_fiscal_item.apagado = \"N\" "
           "JOIN nota_fiscal ON nota_fiscal.filial_id = nota_fiscal_item.filial_id "
           "AND nota_fiscal.nota_fiscal_id = nota_fiscal_item.nota_fiscal_id "
           "LEFT JOIN filial ON filial.filial_id = nota_fiscal.filial_id_trans "
           "LEFT JOIN fornece ON fornece.fornece_id = nota_fiscal.fornece_id "
           "WHERE nota_fiscal.filial_id = " +
           f +
           " AND nota_fiscal.apagado = \"N\" AND nota_fiscal.cancelada = \"N\" "
           "AND nota_fiscal.tipo_nota IN (\"E\",\"R\") AND nota_fiscal.data_emissao <= \"" +
           data.AAAAMMDD() +
           "\" AND temp_estoque.quantidade > 0 "
           "GROUP BY nota_fiscal_item.produto_id, nota_fiscal.filial_id, nota_fiscal.nota_fiscal_id) AS notas"
           ") AS cobertura WHERE anterior < saldo";
}

// Rows of one table that have no equal row in the other (NULL-safe on every column)
std::string Diferenca(const char* a, const char* b) {
    std::string s = std::string("SELECT COUNT(*) FROM ") + a + " AS x LEFT JOIN " + b + " AS y ON ";
    const char* colunas[] = {"filial_id", "nota_fiscal_id", "num_nota",   "modelo",   "chave",
                             "data_emissao", "nome_emit",   "cnpj_emit",  "ie_emit",  "produto_id",
                             "quantidade_comprovada", "vl_unit", "vl_bc_icms_ret_unit"};
    bool primeira = true;
    for (const char* c : colunas) {
        if (!primeira) s += " AND ";
        s += std::string("x.") + c + " <=> y." + c;
        primeira = false;
    }
    return s + " WHERE y.produto_id IS NULL";
}

std::string Ambiente(const char* nome) {
    const char* v = std::getenv(nome);
    if (!v) {
        std::cerr << "rst-bench-calculo: " << nome << " is not set (run bench/run)\n";
        std::exit(2);
    }
    return v;
}

std::string Hex(const std::string& t) {
    static const char* d = "0123456789ABCDEF";
    std::string s;
    for (unsigned char c : t) {
        s += d[c >> 4];
        s += d[c & 15];
    }
    return s;
}

double Segundos(const std::function<void()>& f) {
    auto inicio = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

class TPerguntaNao : public IPerguntaConexao {
public:
    bool TentarNovamente(const std::string& m) override {
        std::cerr << m << "\n";
        return false;
    }
};

// Prints an EXPLAIN and tells whether every ERP table in it is reached through an index.
bool Explicar(TdmTorvane& dm, const std::string& titulo, const std::string& sql) {
    auto q = dm.AbrirQuery("EXPLAIN " + sql);
    std::cout << "\nEXPLAIN " << titulo << "\n";
    bool indices = true;
    const char* campos[] = {"id", "select_type", "table", "type", "key", "key_len", "ref", "rows", "Extra"};
    for (const char* c : campos) std::printf("%-*s", c == std::string("Extra") ? 1 : 16, c);
    std::printf("\n");
    for (q->Primeiro(); !q->Eof(); q->Proximo()) {
        for (const char* c : campos) {
            std::string v = q->Valor(c).AsString();
            std::printf("%-*s", c == std::string("Extra") ? 1 : 16, (v.size() > 15 ? v.substr(0, 15) : v).c_str());
        }
        std::printf("\n");
        const std::string tabela = q->Valor("table").AsString(), tipo = q->Valor("type").AsString();
        if ((tabela == "movment" || tabela == "nota_fiscal" || tabela == "nota_fiscal_item") &&
            (tipo == "ALL" || q->Valor("key").EhNulo()))
            indices = false;
    }
    std::cout << (indices ? "  ERP tables reached through indexes\n" : "  FULL SCAN of an ERP table\n");
    return indices;
}

} // namespace

int main(int argc, char** argv) {
    TTamanhoFilial tamanho;
    int escolhidos = 10000;
    TData data{2016, 3, 31};
    bool manter = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto valor = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << "rst-bench-calculo: " << a << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--produtos") tamanho.produtos = std::stoi(valor());
        else if (a == "--escolhidos") escolhidos = std::stoi(valor());
        else if (a == "--movimentos") tamanho.movimentos = std::stoll(valor());
        else if (a == "--notas") tamanho.notas = std::stoi(valor());
        else if (a == "--itens-por-nota") tamanho.itensPorNota = std::stoi(valor());
        else if (a == "--data") {
            std::string v = valor();
            if (!TData::LerIso(v, data)) {
                std::cerr << "rst-bench-calculo: invalid date " << v << "\n";
                return 2;
            }
        } else if (a == "--manter") manter = true;
        else {
            std::cerr << "rst-bench-calculo: unknown option " << a << "\n";
            return 2;
        }
    }
    if (escolhidos > tamanho.produtos) escolhidos = tamanho.produtos;

    TParametrosConexao servidor;
    servidor.host = Ambiente("RST_DB_HOST");
    servidor.porta = static_cast<unsigned>(std::stoul(Ambiente("RST_DB_PORT")));
    servidor.senha = Ambiente("RST_DB_PASSWORD");

    try {
        std::cout << "Synthetic branch: " << tamanho.produtos << " products (" << escolhidos << " chosen), "
                  << tamanho.movimentos << " movements, " << tamanho.notas << " invoices x " << tamanho.itensPorNota
                  << " items; inventory date " << data.Iso() << "\n";
        double carga = Segundos([&] {
            TConexao c;
            c.Abrir(servidor);
            c.Executar(std::string("DROP DATABASE IF EXISTS ") + kBanco);
            c.Executar(std::string("CREATE DATABASE ") + kBanco + " CHARACTER SET latin1");
            TParametrosConexao p = servidor;
            p.banco = kBanco;
            c.Abrir(p);
            std::ifstream in(std::string(RST_SOURCE_DIR) + "/erp/schema.sql", std::ios::binary);
            std::stringstream schema;
            schema << in.rdbuf();
            c.ExecutarScript(schema.str());
            TGeradorFilial(c, tamanho).Gerar();
            c.Executar("ANALYZE TABLE movment, nota_fiscal, nota_fiscal_item, estoque_minimo, produto");
        });
        std::printf("Data generated and loaded in %.1f s\n", carga);

        // settings files as the system reads them
        std::string pasta = (std::filesystem::temp_directory_path() / ("rst-bench-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(pasta);
        {
            std::ofstream conf(pasta + "/connection.conf", std::ios::binary);
            conf << "[connection]\r\nDatabaseIP=" << Hex(servidor.host) << "\r\nDatabasename=" << Hex(kBanco)
                 << "\r\nSenha=" << Hex(servidor.senha) << "\r\nDatabasePort=" << Hex(std::to_string(servidor.porta))
                 << "\r\n";
            std::ofstream ini(pasta + "/sistema_qor.ini", std::ios::binary);
            ini << "[FilialMatriz]\r\nCodLogica=" << kFilial << "\r\n";
        }
        TPastaPrograma::Definir(pasta);
        TConnectionInfo info = TConnectionInfo::LerArquivo(pasta + "/connection.conf");
        TdmTorvane dm(info);
        TPerguntaNao pergunta;
        if (!dm.ConectarBanco(pergunta)) return 1;
        std::filesystem::remove_all(pasta);

        std::vector<std::string> tabelasTemporarias;
        tabelas::CriarTabelasPermanentes(dm, tabelasTemporarias);
        std::vector<int64_t> ids;
        for (int p = 1; p <= escolhidos; ++p) ids.push_back(p);
        TProdutosEscolhidos::Gravar(dm, ids);

        TProgressoNulo progresso;
        TCalculoRessarcimento calculo(dm, kFilial, data, progresso);
        double tSaldo = 0, tDocumentos = 0, tValores = 0;
        double total = Segundos([&] {
            tSaldo = Segundos([&] { calculo.CalcularSaldoEstoque(); });
            tDocumentos = Segundos([&] { calculo.SelecionarDocumentos(); });
            tValores = Segundos([&] { calculo.CalcularRessarcimento(); });
        });

        auto valor = [&](const std::string& sql) { return dm.ObterValor(sql, 0).AsString(); };
        std::cout << "\nBalances: " << valor("SELECT COUNT(*) FROM temp_estoque")
                  << ", documents: " << valor("SELECT COUNT(*) FROM temp_documentos")
                  << ", status 0/1/2: " << valor("SELECT SUM(status = 0) FROM temp_apuracao") << "/"
                  << valor("SELECT SUM(status = 1) FROM temp_apuracao") << "/"
                  << valor("SELECT SUM(status = 2) FROM temp_apuracao")
                  << ", to reimburse: " << valor("SELECT SUM(vl_icms_ret_total) FROM temp_apuracao") << "\n";

        // the plans of the set-based statements on this data
        bool indices = Explicar(dm, "stock rollback (UPDATE)", comandos_calculo::SomarMovimentosDesdeData(kFilial, data));
        dm.ExecutarScript(tabelas::kDescartarNotasEntrada);
        dm.ExecutarSQL(tabelas::kCriarTempNotas);
        dm.ExecutarSQL(tabelas::kCriarTempNotasItem);
        indices = Explicar(dm, "candidate invoices (INSERT ... SELECT)",
                           comandos_calculo::InserirNotasEntrada(kFilial, data)) && indices;
        dm.ExecutarSQL(comandos_calculo::InserirNotasEntrada(kFilial, data));
        dm.ExecutarSQL("ANALYZE TABLE temp_notas");
        indices = Explicar(dm, "candidate items (INSERT ... SELECT)", comandos_calculo::kInserirItensNotasEntrada) &&
                  indices;
        dm.ExecutarSQL(comandos_calculo::kInserirItensNotasEntrada);
        Explicar(dm, "one product's invoices (per-product query)", comandos_calculo::NotasDoProduto(1));
        dm.ExecutarScript(tabelas::kDescartarNotasEntrada);

        // the share of SelecionarDocumentos that gathers the candidate invoices, measured apart
        double tPreparar = Segundos([&] { calculo.PrepararNotasEntrada(); });
        calculo.DescartarNotasEntrada();

        // the baseline on the same balances
        dm.ExecutarSQL("CREATE TEMPORARY TABLE temp_documentos_base LIKE temp_documentos");
        double tConjunto = Segundos([&] { dm.ExecutarSQL(AlocacaoEmConjunto(kFilial, data)); });
        Explicar(dm, "baseline allocation (window functions)", AlocacaoEmConjunto(kFilial, data));

        const std::string faltam = valor(Diferenca("temp_documentos", "temp_documentos_base"));
        const std::string sobram = valor(Diferenca("temp_documentos_base", "temp_documentos"));
        const bool iguais = faltam == "0" && sobram == "0" &&
                            valor("SELECT COUNT(*) FROM temp_documentos") == valor("SELECT COUNT(*) FROM temp_documentos_base");

        std::printf("\nWhole calculation:                 %8.3f s\n", total);
        std::printf("  CalcularSaldoEstoque             %8.3f s\n", tSaldo);
        std::printf("  SelecionarDocumentos             %8.3f s\n", tDocumentos);
        std::printf("    of which PrepararNotasEntrada  %8.3f s (measured apart)\n", tPreparar);
        std::printf("  CalcularRessarcimento            %8.3f s\n", tValores);
        std::printf("Baseline allocation (1 statement): %8.3f s\n", tConjunto);
        std::printf("Ratio SelecionarDocumentos / baseline allocation: %.2f\n", tDocumentos / tConjunto);
        std::printf("Ratio whole calculation / (stock + baseline + values): %.2f\n",
                    total / (tSaldo + tConjunto + tValores));
        std::printf("temp_documentos and the baseline: %s (%s rows only in the calculation, %s only in the baseline)\n",
                    iguais ? "the same rows" : "DIFFERENT", faltam.c_str(), sobram.c_str());

        tabelas::RemoverTabelas(dm, tabelasTemporarias);
        dm.Desconectar();
        if (!manter) {
            TConexao c;
            c.Abrir(servidor);
            c.Executar(std::string("DROP DATABASE IF EXISTS ") + kBanco);
        }
        return iguais && indices ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "rst-bench-calculo: " << e.what() << "\n";
        return 1;
    }
}
