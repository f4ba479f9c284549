#include "GeradorFilial.h"

#include "core/app/Data.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Rows gathered into multi-row INSERT statements of a bounded size.
class TLote {
public:
    TLote(TConexao& c, std::string cabecalho) : m_conexao(c), m_cabecalho(std::move(cabecalho)) {}
    void Linha(const std::string& valores) {
        if (m_linhas > 0) m_sql += ",";
        m_sql += "(" + valores + ")";
        if (++m_linhas == 2000) Enviar();
    }
    void Enviar() {
        if (m_linhas == 0) return;
        m_conexao.Executar(m_cabecalho + " VALUES " + m_sql);
        m_sql.clear();
        m_linhas = 0;
    }

private:
    TConexao& m_conexao;
    std::string m_cabecalho;
    std::string m_sql;
    int m_linhas = 0;
};

std::string N(int64_t v) { return std::to_string(v); }

std::string T(const std::string& s) { return "'" + s + "'"; }

// A value with four or two decimals from a count of its smallest unit
std::string Decimal(int64_t unidades, int decimais) {
    int64_t divisor = decimais == 4 ? 10000 : 100;
    char b[40];
    std::snprintf(b, sizeof b, "%lld.%0*lld", static_cast<long long>(unidades / divisor), decimais,
                  static_cast<long long>(unidades % divisor));
    return b;
}

std::string Cnpj(int64_t base, int filial) {
    char b[32];
    long long n = base % 100000000;
    std::snprintf(b, sizeof b, "%02lld.%03lld.%03lld/%04d-%02d", n / 1000000, (n / 1000) % 1000, n % 1000, filial,
                  static_cast<int>((n + filial) % 100));
    return b;
}

// Every day from the first to the last, inclusive
std::vector<TData> Dias(TData primeiro, const TData& ultimo) {
    std::vector<TData> dias;
    for (TData d = primeiro; d <= ultimo; d = d.DiaSeguinte()) dias.push_back(d);
    return dias;
}

} // namespace

TGeradorFilial::TGeradorFilial(TConexao& conexao, const TTamanhoFilial& tamanho)
    : m_conexao(conexao), m_tamanho(tamanho), m_estado(tamanho.semente) {}

// splitmix64: the same sequence on every machine
uint64_t TGeradorFilial::Proximo() {
    uint64_t z = (m_estado += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int64_t TGeradorFilial::Entre(int64_t minimo, int64_t maximo) {
    return minimo + static_cast<int64_t>(Proximo() % static_cast<uint64_t>(maximo - minimo + 1));
}

bool TGeradorFilial::Chance(int porMil) { return Entre(0, 999) < porMil; }

void TGeradorFilial::Gerar() {
    m_conexao.Executar("SET SESSION unique_checks = 0");
    Filiais();
    Fornecedores();
    Produtos();
    Movimentos();
    Notas();
    m_conexao.Executar("SET SESSION unique_checks = 1");
}

void TGeradorFilial::Filiais() {
    TLote lote(m_conexao, "INSERT INTO filial (filial_id, nome, cgc, inscr, cod_regime_tribut)");
    for (int f = 1; f <= 5; ++f)
        lote.Linha(N(f) + ", " + T("FILIAL " + N(f) + " DROGARIA") + ", " + T(Cnpj(45997418, f)) + ", " +
                   T(N(110000000000LL + f)) + ", '3'");
    lote.Enviar();
}

void TGeradorFilial::Fornecedores() {
    TLote lote(m_conexao, "INSERT INTO fornece (fornece_id, nome, cgc, ie)");
    for (int f = 1; f <= 200; ++f)
        lote.Linha(N(f) + ", " + T("DISTRIBUIDORA \\\"" + N(f) + "\\\" S\xC3O PAULO\\\\LTDA") + ", " +
                   T(Cnpj(10000000 + f * 7919, 1)) + ", " + T(N(100000000000LL + f * 37)));
    lote.Enviar();
}

void TGeradorFilial::Produtos() {
    TLote produtos(m_conexao, "INSERT INTO produto (produto_id, descricao, tipo, apagado)");
    TLote estoque(m_conexao, "INSERT INTO estoque_minimo (produto_id, estoque)");
    for (int p = 1; p <= m_tamanho.produtos; ++p) {
        produtos.Linha(N(p) + ", " + T("PRODUTO " + N(p)) + ", " + T(Chance(30) ? "S" : "P") + ", " +
                       T(Chance(20) ? "S" : "N"));
        // a few products hold far more than their invoices prove
        int64_t e = Chance(30) ? Entre(3000, 6000) : Entre(0, 200);
        if (!Chance(10)) estoque.Linha(N(p) + ", " + N(e));
    }
    produtos.Enviar();
    estoque.Enviar();
}

void TGeradorFilial::Movimentos() {
    TLote lote(m_conexao,
               "INSERT INTO movment (filial_id, dafilial_id, produto_id, e_s, quanti_uni, data_hora, oper, apagado)");
    static const int kOper[] = {1, 1, 1, 1, 1, 1, 2, 3, 5, 6, 7, 4, 8, 9, 16};
    const std::vector<TData> dias = Dias(TData{2015, 1, 1}, TData{2016, 6, 30});
    for (int64_t m = 0; m < m_tamanho.movimentos; ++m) {
        int filial = 2, dafilial = 0;
        int64_t r = Entre(0, 99);
        if (r < 8) {
            filial = 1;
            dafilial = Entre(0, 1) ? 2 : 3;
        } else if (r < 16) {
            filial = static_cast<int>(Entre(3, 5));
        }
        const TData& dia = dias[static_cast<size_t>(Entre(0, static_cast<int64_t>(dias.size()) - 1))];
        char hora[32];
        std::snprintf(hora, sizeof hora, "%s %02d:%02d:%02d", dia.Iso().c_str(), static_cast<int>(Entre(0, 23)),
                      static_cast<int>(Entre(0, 59)), static_cast<int>(Entre(0, 59)));
        lote.Linha(N(filial) + ", " + N(dafilial) + ", " + N(Entre(1, m_tamanho.produtos)) + ", " +
                   T(Chance(300) ? "E" : "S") + ", " + N(Entre(1, 20)) + ", " + T(hora) + ", " +
                   N(kOper[Entre(0, 14)]) + ", " + T(Chance(20) ? "S" : "N"));
    }
    lote.Enviar();
}

void TGeradorFilial::Notas() {
    TLote notas(m_conexao, "INSERT INTO nota_fiscal (filial_id, nota_fiscal_id, num_nota, modelo, chave, "
                           "data_emissao, tipo_nota, fornece_id, filial_id_trans, apagado, cancelada)");
    TLote itens(m_conexao, "INSERT INTO nota_fiscal_item (filial_id, nota_fiscal_id, nota_fiscal_item_id, "
                           "produto_id, quant, valor_unit, valor_frete, valor_seguro, valor_outras, desc_val, st, "
                           "base_calc_icms_sub, base_calc_icms_sub_ret, apagado)");
    const std::vector<TData> dias = Dias(TData{2014, 6, 1}, TData{2016, 6, 30});
    static const char* kTipos[] = {"E", "E", "E", "E", "E", "E", "E", "E", "R", "R", "S", "D", "T"};
    static const char* kSt[] = {"060", "060", "060", "060", "060", "060", "010", "010", "10", "60", "000"};
    for (int n = 1; n <= m_tamanho.notas; ++n) {
        int filial = Chance(50) ? 3 : 2;
        const char* tipo = kTipos[Entre(0, 12)];
        const TData& dia = dias[static_cast<size_t>(Entre(0, static_cast<int64_t>(dias.size()) - 1))];
        std::string chave = "3516" + N(10000000000000LL + n) + "55001" + N(100000000000000LL + n * 13);
        notas.Linha(N(filial) + ", " + N(n) + ", " + N(100000 + n) + ", '55', " + T(chave.substr(0, 44)) + ", " +
                    T(dia.Iso()) + ", " + T(tipo) + ", " + N(Entre(1, 200)) + ", " +
                    N(std::string(tipo) == "R" ? Entre(3, 5) : 0) + ", " + T(Chance(20) ? "S" : "N") + ", " +
                    T(Chance(20) ? "S" : "N"));
        int64_t produto = 0;
        for (int i = 1; i <= m_tamanho.itensPorNota; ++i) {
            // now and then the product of the previous item again, on an item of its own
            // every 50th product never enters by invoice (its stock is not proven)
            if (produto == 0 || !Chance(20)) {
                do produto = Entre(1, m_tamanho.produtos);
                while (produto % 50 == 0);
            }
            int64_t q = Entre(1, 60);
            int64_t unit = Entre(10000, 2000000);  // 1.0000 to 200.0000
            const char* st = kSt[Entre(0, 10)];
            int64_t base = unit / 100 * q * Entre(110, 160) / 100;  // cents, for the whole item
            bool temBase = std::string(st) != "000";
            itens.Linha(N(filial) + ", " + N(n) + ", " + N(i) + ", " + N(produto) + ", " + N(q) + ", " +
                        Decimal(unit, 4) + ", " + Decimal(Chance(100) ? Entre(0, 5000) : 0, 2) + ", " +
                        Decimal(Chance(50) ? Entre(0, 2000) : 0, 2) + ", " + Decimal(Chance(50) ? Entre(0, 2000) : 0, 2) +
                        ", " + Decimal(Chance(150) ? Entre(0, 3000) : 0, 2) + ", " + T(st) + ", " +
                        Decimal(temBase ? base : 0, 2) + ", " + Decimal(temBase ? base * 9 / 10 : 0, 2) + ", " +
                        T(Chance(20) ? "S" : "N"));
        }
    }
    notas.Enviar();
    itens.Enviar();
}
