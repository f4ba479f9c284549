// rst-gerar-demo: writes to standard output the SQL that fills the ERP tables of erp/schema.sql with
// a demo pharmacy network. The output holds INSERT statements only (no CREATE, no USE), in rows of
// at most 1000 per statement, with text in Windows-1252 (latin1) bytes; load it with a latin1
// client connection into a database that already holds the tables.
//
// Everything comes from a fixed seed and the program's own random number generator, so the same
// options give the same bytes on every machine. Options: --produtos N, --movimentos N (approximate
// total), --itens N (approximate invoice items), --semente S, --grande (at least 10 000 products,
// 2 000 000 movements and 300 000 invoice items, for benchmarks), --ajuda.
//
// What the demo (the default size) holds
// --------------------------------------
// Branches (`filial`):
//   1  head office, regime "LP", CNPJ 45.997.418/0001-53: sends transfers, holds no stock here.
//   2  the demo branch, regime "LP", CNPJ 45.997.418/0002-34, account 1.1.3.01.002.
//   3  a branch of another company in the simplified regime, "SN", CNPJ 08.364.952/0001-04.
// Lookups: groups with a tree ("MEDICAMENTOS > GENÉRICOS", "PERFUMARIA > PELE > PROTEÇÃO SOLAR"),
// price groups, product "espec" rows, manufacturers, active principles, therapeutic classes; each table
// has rows with `apagado` = "S", and about 5 % of the products point at a deleted lookup row or at
// one that does not exist.
// 400 products: medicines (active principle, dose, presentation, manufacturer; unit "CX" or "FR")
// and cosmetics and hygiene (unit "UN"), with EAN-13 bar codes (check digit computed), gtin14,
// NCM codes (30049099, 30042099, 33049910, 33051000, ...) and prices.
// 11 suppliers (`fornece`) with punctuated CNPJs and state registrations, among them
// DISTRIBUIDORA "BOA SAUDE" LTDA (id 3, a double quote in its name), D'ÁVILA DISTRIBUIDORA ...
// (id 5, an apostrophe), one from MG whose items carry the two-digit situation "60" (id 6), one from
// GO with "10" (id 7), manufacturers selling with ST charged on the invoice, "010" (ids 4 and 11),
// and a supplier deleted in January (id 9) that sold before.
// Movements from 1 November 2015 to 31 March 2016, simulated day by day for branches 2 and 3:
// sales (`e_s` "S", `oper` 1), entries of purchase invoices (oper 2) and of transfers from the head
// office (oper 3, recorded as `filial_id` 1 with `dafilial_id` of the branch, beside the head
// office's own exit rows with `filial_id` 1, `dafilial_id` 1, oper 10), inventory adjustments
// (oper 5), customer returns (oper 6) and losses (oper 7) at branch 3, rows with the codes 4, 8, 9
// and 16 (they do not move the stock on hand) and deleted rows (`apagado` "S"). Two sales of branch 2
// are stamped 22/02/2016 00:00:00 and 00:00:01, the edge of the inventory date.
// `estoque_minimo.estoque` is the stock on hand of branch 2 after the last movement.
// Invoices (`nota_fiscal`, `nota_fiscal_item`): purchases "E" and transfers received "R" (the head
// office's "T" twin stays at branch 1), model "55", 44-digit access keys with their check digit;
// items with "060" (retained base in `base_calc_icms_sub_ret`), "010" (base in
// `base_calc_icms_sub`), a few "60" and "10", "000" on products without ST; freight, insurance,
// other expenses and discount on some invoices; deleted and cancelled duplicates, deleted items,
// sales invoices "S", invoices issued after the inventory date and goods in transit on it.
// `arqs_efd`: earlier SPED files of branches 1 and 2; the newest row of branch 2 that is not deleted
// is /tmp/sped/filial002/EFD00220160101201601310.TXT (a newer one is deleted).
//
// What the calculation for branch 2 on 22/02/2016 finds
// -----------------------------------------------------
// The outcome is fixed by the product id, whatever the seed: let s = (produto_id - 1) % 50 + 1.
//   s  1-31  stock fully proven by invoices with a retained base: status 0, ICMS to reimburse
//            (e.g. 1, 4, 51); a few of them sold out by the date (balance 0).
//   s 32-35  fully proven, but no invoice carries a retained base: status 0, status_tem_imposto
//            "N", nothing to reimburse (e.g. 32, 35, 82).
//   s 36-40  opening stock from before November, older than every invoice: partly proven, status 1
//            (e.g. 36, 40, 87).
//   s 41-43  opening stock and no entry invoice up to the date (the first one comes later):
//            status 2 (e.g. 41, 43, 92).
//   s 44     stock from an inventory adjustment, no invoice up to the date: status 2 (e.g. 44, 94).
//   s 45-47  sold out two days before the date, nothing entered since: balance 0, status 0
//            (e.g. 45, 47, 96).
//   s 48     more sold than held three days before the date: negative balance, left out of the
//            calculation (e.g. 48, 98).
//   s 49     never stocked: no movement and no `estoque_minimo` row, balance 0 (e.g. 49, 99).
//   s 50     not offered by the product search: deleted (50, 150, ...) or of `tipo` "S" (100, 200, ...).
// Products 3, 37, 53, 87, ... are bought from DISTRIBUIDORA "BOA SAUDE" LTDA, 5, 55, ... from
// D'ÁVILA; products 2, 52, ... come by transfer from the head office. Products 7, 57, ... have two
// invoices of the same issue date (21/01/2016, from two suppliers); products 12, 62, ... are listed on
// two items of one invoice (26/01/2016) with different unit values.
// Branch 3 gets a mix of all three statuses as well (its balances start from the same stock on hand,
// the table having no branch column).

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// ------------------------------------------------------------------------------------------------
// Random numbers: splitmix64, the same sequence on every machine and library.
class TAleatorio {
public:
    explicit TAleatorio(uint64_t semente) : m_estado(semente) {}
    uint64_t Proximo() {
        uint64_t z = (m_estado += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= r < n
    uint64_t Abaixo(uint64_t n) { return n == 0 ? 0 : Proximo() % n; }
    // a <= r <= b
    int Faixa(int a, int b) { return a + static_cast<int>(Abaixo(static_cast<uint64_t>(b - a + 1))); }
    bool PorMil(int p) { return static_cast<int>(Abaixo(1000)) < p; }

private:
    uint64_t m_estado;
};

// Windows-1252 bytes of a UTF-8 literal of this file (its accented letters are all Latin-1).
std::string W(std::string_view u) {
    std::string s;
    s.reserve(u.size());
    for (size_t i = 0; i < u.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(u[i]);
        if ((c == 0xC2 || c == 0xC3) && i + 1 < u.size()) {
            s += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(u[i + 1]) & 0x3F));
            ++i;
        } else {
            s += static_cast<char>(c);
        }
    }
    return s;
}

// ------------------------------------------------------------------------------------------------
// Calendar: day 0 is 1 November 2015, day 151 is 31 March 2016.
constexpr int kDias = 152;
constexpr int kDiaInventario = 113; // 22 February 2016
constexpr int kSegundosDia = 86400;
constexpr int kPrazoMaximo = 2; // days between an invoice's issue and the entry of its goods
constexpr int64_t kCorte = static_cast<int64_t>(kDiaInventario) * kSegundosDia; // 22/02/2016 00:00:00

struct TDataCivil {
    int ano, mes, dia;
};

TDataCivil DataDoDia(int d) {
    static const int meses[][3] = {{2015, 11, 30}, {2015, 12, 31}, {2016, 1, 31}, {2016, 2, 29},
                                   {2016, 3, 31},  {2016, 4, 30},  {2016, 5, 31}};
    for (const auto& m : meses) {
        if (d < m[2])
            return {m[0], m[1], d + 1};
        d -= m[2];
    }
    return {2016, 6, d + 1};
}

void DoisDigitos(std::string& s, int v) {
    s += static_cast<char>('0' + v / 10);
    s += static_cast<char>('0' + v % 10);
}

std::string DataSQL(int d) {
    TDataCivil c = DataDoDia(d);
    std::string s = std::to_string(c.ano) + "-";
    DoisDigitos(s, c.mes);
    s += '-';
    DoisDigitos(s, c.dia);
    return s;
}

// ------------------------------------------------------------------------------------------------
// Output: one buffer, written out in large pieces.
class TSaida {
public:
    std::string& Texto() { return m_buf; }
    void TalvezDescarregar() {
        if (m_buf.size() >= (1u << 20))
            Descarregar();
    }
    void Descarregar() {
        if (!m_buf.empty() && std::fwrite(m_buf.data(), 1, m_buf.size(), stdout) != m_buf.size())
            m_erro = true;
        m_buf.clear();
    }
    bool Erro() const { return m_erro; }

private:
    std::string m_buf;
    bool m_erro = false;
};

constexpr int kLinhasPorInsert = 1000;

// Multi-row INSERT of one table, closed every kLinhasPorInsert rows.
class TInsert {
public:
    TInsert(TSaida& saida, const char* tabela, const char* colunas)
        : m_saida(saida), m_tabela(tabela), m_colunas(colunas) {}
    ~TInsert() { Fechar(); }

    TInsert& Linha() {
        std::string& b = m_saida.Texto();
        if (m_linhas == 0) {
            b += "INSERT INTO ";
            b += m_tabela;
            b += " (";
            b += m_colunas;
            b += ") VALUES\n(";
        } else {
            b += ",\n(";
        }
        m_primeiro = true;
        return *this;
    }
    TInsert& Int(long long v) {
        Separar();
        char t[24];
        auto r = std::to_chars(t, t + sizeof t, v);
        m_saida.Texto().append(t, r.ptr);
        return *this;
    }
    // Text between double quotes, with backslash escapes
    TInsert& Txt(std::string_view v) {
        Separar();
        std::string& b = m_saida.Texto();
        b += '"';
        for (char c : v) {
            if (c == '"' || c == '\\')
                b += '\\';
            b += c;
        }
        b += '"';
        return *this;
    }
    TInsert& Nulo() {
        Separar();
        m_saida.Texto() += "NULL";
        return *this;
    }
    // A value in hundredths (money) or ten-thousandths, written with its decimals
    TInsert& Decimal(int64_t v, int casas) {
        Separar();
        std::string& b = m_saida.Texto();
        if (v < 0) {
            b += '-';
            v = -v;
        }
        int64_t escala = casas == 2 ? 100 : 10000;
        char t[24];
        auto r = std::to_chars(t, t + sizeof t, v / escala);
        b.append(t, r.ptr);
        b += '.';
        int64_t f = v % escala;
        for (int64_t e = escala / 10; e > 0; e /= 10) {
            b += static_cast<char>('0' + f / e);
            f %= e;
        }
        return *this;
    }
    TInsert& Centavos(int64_t v) { return Decimal(v, 2); }
    TInsert& Data(int dia) {
        Separar();
        std::string& b = m_saida.Texto();
        b += '"';
        b += DataSQL(dia);
        b += '"';
        return *this;
    }
    TInsert& DataHora(int64_t segundo) {
        Separar();
        int dia = static_cast<int>(segundo / kSegundosDia);
        int s = static_cast<int>(segundo % kSegundosDia);
        std::string& b = m_saida.Texto();
        b += '"';
        if (dia != m_diaCache) {
            m_diaCache = dia;
            m_dataCache = DataSQL(dia);
        }
        b += m_dataCache;
        b += ' ';
        DoisDigitos(b, s / 3600);
        b += ':';
        DoisDigitos(b, s / 60 % 60);
        b += ':';
        DoisDigitos(b, s % 60);
        b += '"';
        return *this;
    }
    void FimLinha() {
        m_saida.Texto() += ')';
        if (++m_linhas == kLinhasPorInsert) {
            m_saida.Texto() += ";\n";
            m_linhas = 0;
            m_saida.TalvezDescarregar();
        }
    }
    void Fechar() {
        if (m_linhas > 0)
            m_saida.Texto() += ";\n";
        m_linhas = 0;
        m_saida.TalvezDescarregar();
    }

private:
    void Separar() {
        if (!m_primeiro)
            m_saida.Texto() += ',';
        m_primeiro = false;
    }

    TSaida& m_saida;
    const char* m_tabela;
    const char* m_colunas;
    int m_linhas = 0;
    bool m_primeiro = true;
    int m_diaCache = -1;
    std::string m_dataCache;
};

// ------------------------------------------------------------------------------------------------
// Document numbers with check digits

int DigitoCnpj(const std::string& d, const int* pesos) {
    int soma = 0;
    for (size_t i = 0; i < d.size(); ++i)
        soma += (d[i] - '0') * pesos[i];
    int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

// 14 digits of a CNPJ from its 8-digit root and 4-digit branch number
std::string Cnpj(const std::string& raiz, const std::string& filial) {
    static const int p1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int p2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string d = raiz + filial;
    d += static_cast<char>('0' + DigitoCnpj(d, p1));
    d += static_cast<char>('0' + DigitoCnpj(d, p2));
    return d;
}

// "12.345.678/0001-95"
std::string CnpjFormatado(const std::string& d) {
    return d.substr(0, 2) + "." + d.substr(2, 3) + "." + d.substr(5, 3) + "/" + d.substr(8, 4) + "-" +
           d.substr(12, 2);
}

// State registration of São Paulo: 12 digits, check digits in positions 9 and 12, "110.042.490.114"
std::string InscricaoSP(const std::string& oito, const std::string& dois) {
    static const int p1[] = {1, 3, 4, 5, 6, 7, 8, 10};
    static const int p2[] = {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string d = oito;
    int soma = 0;
    for (int i = 0; i < 8; ++i)
        soma += (d[i] - '0') * p1[i];
    d += static_cast<char>('0' + soma % 11 % 10);
    d += dois;
    soma = 0;
    for (int i = 0; i < 11; ++i)
        soma += (d[i] - '0') * p2[i];
    d += static_cast<char>('0' + soma % 11 % 10);
    return d.substr(0, 3) + "." + d.substr(3, 3) + "." + d.substr(6, 3) + "." + d.substr(9, 3);
}

// GTIN check digit of the data digits (EAN-13 from 12, GTIN-14 from 13)
char DigitoGtin(const std::string& d) {
    int soma = 0;
    int peso = 3;
    for (size_t i = d.size(); i-- > 0;) {
        soma += (d[i] - '0') * peso;
        peso = 4 - peso;
    }
    return static_cast<char>('0' + (10 - soma % 10) % 10);
}

// Access key of an electronic invoice: 43 digits and the modulo-11 check digit
std::string ChaveAcesso(int cUF, int dia, const std::string& cnpj, int serie, int numero, int codigo) {
    char t[64];
    TDataCivil c = DataDoDia(dia);
    std::snprintf(t, sizeof t, "%02d%02d%02d", cUF, c.ano % 100, c.mes);
    std::string k = t;
    k += cnpj;
    std::snprintf(t, sizeof t, "55%03d%09d1%08d", serie, numero, codigo);
    k += t;
    int soma = 0;
    int peso = 2;
    for (size_t i = k.size(); i-- > 0;) {
        soma += (k[i] - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    int r = soma % 11;
    k += static_cast<char>('0' + (r < 2 ? 0 : 11 - r));
    return k;
}

// ------------------------------------------------------------------------------------------------
// Catalogue

struct TLookup {
    const char* descricao;
    char apagado;
};

struct TGrupo {
    const char* descricao;
    const char* arvore;
    int pai;
    char apagado;
};

const TGrupo kGrupos[] = {
    {"MEDICAMENTOS", "MEDICAMENTOS", 0, 'N'},                         // 1
    {"GENÉRICOS", "MEDICAMENTOS > GENÉRICOS", 1, 'N'},                // 2
    {"REFERÊNCIA", "MEDICAMENTOS > REFERÊNCIA", 1, 'N'},              // 3
    {"SIMILARES", "MEDICAMENTOS > SIMILARES", 1, 'N'},                // 4
    {"CONTROLADOS", "MEDICAMENTOS > CONTROLADOS", 1, 'N'},            // 5
    {"PERFUMARIA", "PERFUMARIA", 0, 'N'},                             // 6
    {"CABELOS", "PERFUMARIA > CABELOS", 6, 'N'},                      // 7
    {"PELE", "PERFUMARIA > PELE", 6, 'N'},                            // 8
    {"PROTEÇÃO SOLAR", "PERFUMARIA > PELE > PROTEÇÃO SOLAR", 8, 'N'}, // 9
    {"HIGIENE PESSOAL", "HIGIENE PESSOAL", 0, 'N'},                   // 10
    {"HIGIENE BUCAL", "HIGIENE PESSOAL > HIGIENE BUCAL", 10, 'N'},    // 11
    {"INFANTIL", "HIGIENE PESSOAL > INFANTIL", 10, 'N'},              // 12
    {"MATERIAL HOSPITALAR", "MATERIAL HOSPITALAR", 0, 'N'},           // 13
    {"CURATIVOS", "MATERIAL HOSPITALAR > CURATIVOS", 13, 'N'},        // 14
    {"FITOTERÁPICOS", "MEDICAMENTOS > FITOTERÁPICOS", 1, 'S'},        // 15
    {"CONVENIÊNCIA", "CONVENIÊNCIA", 0, 'S'},                         // 16
    {"SERVIÇOS FARMACÊUTICOS", "SERVIÇOS FARMACÊUTICOS", 0, 'N'},     // 17
};
constexpr int kGrupoGenericos = 2, kGrupoReferencia = 3, kGrupoSimilares = 4, kGrupoControlados = 5,
              kGrupoServicos = 17;
const int kGruposApagados[] = {15, 16};

const TLookup kGruposPrecos[] = {
    {"LISTA POSITIVA", 'N'}, {"LISTA NEGATIVA", 'N'},   {"LISTA NEUTRA", 'N'},
    {"PERFUMARIA", 'N'},     {"HIGIENE E BELEZA", 'N'}, {"PROMOÇÃO VERÃO", 'S'},
};
constexpr int kGrupoPrecosApagado = 6;

const TLookup kEspecs[] = {
    {"GENÉRICO", 'N'},    {"REFERÊNCIA", 'N'},     {"SIMILAR", 'N'}, {"CONTROLADO", 'N'},
    {"ANTIBIÓTICO", 'N'}, {"DERMOCOSMÉTICO", 'N'}, {"HIGIENE", 'N'}, {"FITOTERÁPICO", 'S'},
};
constexpr int kEspecGenerico = 1, kEspecReferencia = 2, kEspecSimilar = 3, kEspecControlado = 4,
              kEspecAntibiotico = 5, kEspecDermo = 6, kEspecHigiene = 7, kEspecApagada = 8;

struct TFabricante {
    const char* descricao;
    const char* curto;
    const char* raiz;
    char apagado;
};
const TFabricante kFabricantes[] = {
    {"LABORATÓRIO VITAFARMA S.A.", "VITAFARMA", "61150286", 'N'},         // 1
    {"NEOMED IND. FARMACÊUTICA LTDA", "NEOMED", "02814497", 'N'},         // 2
    {"PHARMABRASIL LABORATÓRIOS LTDA", "PHARMABRASIL", "05161069", 'N'},  // 3
    {"GENOMA GENÉRICOS S.A.", "GENOMA", "10588595", 'N'},                 // 4
    {"BIOQUÍMICA PAULISTA LTDA", "BIOQUÍMICA", "33009945", 'N'},          // 5
    {"LABORATÓRIO SÃO LUCAS LTDA", "SÃO LUCAS", "57507378", 'N'},         // 6
    {"FARMACÊUTICA ANDRADE LTDA", "ANDRADE", "44734671", 'S'},            // 7
    {"DERMACLIN COSMÉTICOS LTDA", "DERMACLIN", "03848445", 'N'},          // 8
    {"ORALCARE HIGIENE BUCAL LTDA", "ORALCARE", "07128564", 'N'},         // 9
    {"BELLE COSMÉTICOS LTDA", "BELLE", "19570720", 'N'},                  // 10
    {"PUREZA HIGIENE PESSOAL LTDA", "PUREZA", "60397775", 'N'},           // 11
    {"BEBÊ FELIZ PRODUTOS INFANTIS LTDA", "BEBÊ FELIZ", "26472985", 'N'}, // 12
    {"CURAMED MATERIAL HOSPITALAR LTDA", "CURAMED", "09257877", 'N'},     // 13
};
constexpr int kFabricanteApagado = 7;

const TLookup kClasses[] = {
    {"ANALGÉSICOS E ANTITÉRMICOS", 'N'},  // 1
    {"ANTI-INFLAMATÓRIOS", 'N'},          // 2
    {"ANTIBIÓTICOS", 'N'},                // 3
    {"ANTI-HIPERTENSIVOS", 'N'},          // 4
    {"ANTIDIABÉTICOS", 'N'},              // 5
    {"ANTIÁCIDOS E ANTIULCEROSOS", 'N'},  // 6
    {"ANTIDEPRESSIVOS", 'N'},             // 7
    {"ANTI-HISTAMÍNICOS", 'N'},           // 8
    {"HIPOLIPEMIANTES", 'N'},             // 9
    {"VITAMINAS E SUPLEMENTOS", 'N'},     // 10
    {"ANTIFÚNGICOS", 'N'},                // 11
    {"ANTIPARASITÁRIOS", 'N'},            // 12
    {"EXPECTORANTES E MUCOLÍTICOS", 'N'}, // 13
    {"CORTICOSTEROIDES", 'N'},            // 14
    {"ANTIESPASMÓDICOS", 'N'},            // 15
    {"BRONCODILATADORES", 'N'},           // 16
    {"HORMÔNIOS TIREOIDIANOS", 'N'},      // 17
    {"ANTIVIRAIS", 'N'},                  // 18
    {"ANSIOLÍTICOS", 'S'},                // 19
    {"ANTIEMÉTICOS", 'N'},                // 20
};

struct TApresentacao {
    const char* texto;
    const char* unidade;
};
struct TMedicamento {
    const char* principio;
    int classe;
    const char* ncm;
    bool controlado;
    TApresentacao apresentacoes[3];
};

// The active principle of medicine i is principio_ativo i + 1.
const TMedicamento kMedicamentos[] = {
    {"ÁCIDO ACETILSALICÍLICO",
     1,
     "30049099",
     false,
     {{"100MG C/30 COMP", "CX"}, {"500MG C/20 COMP", "CX"}, {}}},
    {"DIPIRONA SÓDICA",
     1,
     "30049099",
     false,
     {{"500MG C/10 COMP", "CX"}, {"500MG/ML GTS 20ML", "FR"}, {"1G C/10 COMP", "CX"}}},
    {"PARACETAMOL",
     1,
     "30049099",
     false,
     {{"500MG C/20 COMP", "CX"}, {"750MG C/20 COMP", "CX"}, {"200MG/ML GTS 15ML", "FR"}}},
    {"IBUPROFENO",
     2,
     "30049099",
     false,
     {{"400MG C/10 CAPS", "CX"}, {"600MG C/20 COMP", "CX"}, {"50MG/ML SUSP 30ML", "FR"}}},
    {"NIMESULIDA", 2, "30049099", false, {{"100MG C/12 COMP", "CX"}, {"50MG/ML GTS 15ML", "FR"}, {}}},
    {"DICLOFENACO SÓDICO", 2, "30049099", false, {{"50MG C/20 COMP", "CX"}, {"75MG/3ML INJ C/1", "CX"}, {}}},
    {"DICLOFENACO DIETILAMÔNIO", 2, "30049099", false, {{"11,6MG/G GEL 60G", "UN"}, {}, {}}},
    {"CETOPROFENO", 2, "30049099", false, {{"150MG C/10 COMP", "CX"}, {"25MG/G GEL 30G", "UN"}, {}}},
    {"AMOXICILINA", 3, "30042099", false, {{"500MG C/21 CAPS", "CX"}, {"250MG/5ML SUSP 150ML", "FR"}, {}}},
    {"AZITROMICINA", 3, "30042099", false, {{"500MG C/3 COMP", "CX"}, {"40MG/ML SUSP 15ML", "FR"}, {}}},
    {"CEFALEXINA", 3, "30042099", false, {{"500MG C/8 CAPS", "CX"}, {"250MG/5ML SUSP 100ML", "FR"}, {}}},
    {"CLORIDRATO DE CIPROFLOXACINO", 3, "30042099", false, {{"500MG C/14 COMP", "CX"}, {}, {}}},
    {"LOSARTANA POTÁSSICA", 4, "30049099", false, {{"50MG C/30 COMP", "CX"}, {"100MG C/30 COMP", "CX"}, {}}},
    {"ATENOLOL", 4, "30049099", false, {{"25MG C/30 COMP", "CX"}, {"50MG C/30 COMP", "CX"}, {}}},
    {"HIDROCLOROTIAZIDA", 4, "30049099", false, {{"25MG C/30 COMP", "CX"}, {}, {}}},
    {"MALEATO DE ENALAPRIL", 4, "30049099", false, {{"10MG C/30 COMP", "CX"}, {"20MG C/30 COMP", "CX"}, {}}},
    {"CAPTOPRIL", 4, "30049099", false, {{"25MG C/30 COMP", "CX"}, {"50MG C/30 COMP", "CX"}, {}}},
    {"BESILATO DE ANLODIPINO", 4, "30049099", false, {{"5MG C/30 COMP", "CX"}, {"10MG C/30 COMP", "CX"}, {}}},
    {"CLORIDRATO DE METFORMINA",
     5,
     "30049099",
     false,
     {{"850MG C/30 COMP", "CX"}, {"500MG C/30 COMP", "CX"}, {}}},
    {"GLIBENCLAMIDA", 5, "30049099", false, {{"5MG C/30 COMP", "CX"}, {}, {}}},
    {"OMEPRAZOL", 6, "30049099", false, {{"20MG C/28 CAPS", "CX"}, {"40MG C/28 CAPS", "CX"}, {}}},
    {"PANTOPRAZOL", 6, "30049099", false, {{"40MG C/28 COMP", "CX"}, {"20MG C/28 COMP", "CX"}, {}}},
    {"CLORIDRATO DE SERTRALINA",
     7,
     "30049099",
     true,
     {{"50MG C/30 COMP", "CX"}, {"100MG C/30 COMP", "CX"}, {}}},
    {"CLORIDRATO DE FLUOXETINA",
     7,
     "30049099",
     true,
     {{"20MG C/30 CAPS", "CX"}, {"20MG/ML GTS 20ML", "FR"}, {}}},
    {"LORATADINA", 8, "30049099", false, {{"10MG C/12 COMP", "CX"}, {"1MG/ML XPE 100ML", "FR"}, {}}},
    {"MALEATO DE DEXCLORFENIRAMINA",
     8,
     "30049099",
     false,
     {{"2MG C/20 COMP", "CX"}, {"0,4MG/ML SOL ORAL 120ML", "FR"}, {}}},
    {"SINVASTATINA", 9, "30049099", false, {{"20MG C/30 COMP", "CX"}, {"40MG C/30 COMP", "CX"}, {}}},
    {"ÁCIDO ASCÓRBICO",
     10,
     "30045090",
     false,
     {{"1G C/10 COMP EFERV", "UN"}, {"200MG/ML GTS 20ML", "FR"}, {}}},
    {"COLECALCIFEROL", 10, "30045090", false, {{"1.000UI C/30 CAPS", "CX"}, {"7.000UI C/4 COMP", "CX"}, {}}},
    {"FLUCONAZOL", 11, "30049099", false, {{"150MG C/1 CAPS", "CX"}, {"150MG C/2 CAPS", "CX"}, {}}},
    {"NITRATO DE MICONAZOL", 11, "30049099", false, {{"20MG/G CREME 28G", "UN"}, {}, {}}},
    {"ALBENDAZOL", 12, "30049099", false, {{"400MG C/1 COMP", "CX"}, {"40MG/ML SUSP 10ML", "FR"}, {}}},
    {"IVERMECTINA", 12, "30049099", false, {{"6MG C/4 COMP", "CX"}, {}, {}}},
    {"CLORIDRATO DE AMBROXOL",
     13,
     "30049099",
     false,
     {{"30MG/5ML XPE ADULTO 120ML", "FR"}, {"15MG/5ML XPE PED 120ML", "FR"}, {}}},
    {"CARBOCISTEÍNA",
     13,
     "30049099",
     false,
     {{"50MG/ML XPE 100ML", "FR"}, {"20MG/ML XPE PED 100ML", "FR"}, {}}},
    {"PREDNISONA", 14, "30043200", false, {{"20MG C/10 COMP", "CX"}, {"5MG C/20 COMP", "CX"}, {}}},
    {"DEXAMETASONA", 14, "30043200", false, {{"1MG/G CREME 10G", "UN"}, {"4MG C/10 COMP", "CX"}, {}}},
    {"BUTILBROMETO DE ESCOPOLAMINA",
     15,
     "30049099",
     false,
     {{"10MG C/20 DRG", "CX"}, {"10MG/ML GTS 20ML", "FR"}, {}}},
    {"SIMETICONA", 15, "30049099", false, {{"40MG C/20 COMP", "CX"}, {"75MG/ML GTS 10ML", "FR"}, {}}},
    {"SULFATO DE SALBUTAMOL", 16, "30049099", false, {{"100MCG AEROSSOL 200 DOSES", "UN"}, {}, {}}},
    {"LEVOTIROXINA SÓDICA",
     17,
     "30043919",
     false,
     {{"50MCG C/30 COMP", "CX"}, {"100MCG C/30 COMP", "CX"}, {}}},
    {"ACICLOVIR", 18, "30049099", false, {{"50MG/G CREME 10G", "UN"}, {"200MG C/25 COMP", "CX"}, {}}},
    {"BROMOPRIDA", 20, "30049099", false, {{"10MG C/20 CAPS", "CX"}, {"4MG/ML GTS 20ML", "FR"}, {}}},
    {"CLORIDRATO DE METOCLOPRAMIDA", 20, "30049099", false, {{"10MG C/20 COMP", "CX"}, {}, {}}},
    {"CLONAZEPAM", 19, "30049099", true, {{"2MG C/30 COMP", "CX"}, {"2,5MG/ML GTS 20ML", "FR"}, {}}},
};
constexpr int kNumMedicamentos = static_cast<int>(sizeof kMedicamentos / sizeof kMedicamentos[0]);
// Active principles no medicine uses any more, deleted
const char* const kPrincipiosApagados[] = {"DOMPERIDONA", "NIMESULIDA BETACICLODEXTRINA"};

struct TCosmetico {
    const char* nome;
    const char* ncm;
    int grupo;
    int espec;
    int fabricantes[2];
    const char* variantes[5];
    const char* tamanhos[3];
};
const TCosmetico kCosmeticos[] = {
    {"SHAMPOO",
     "33051000",
     7,
     kEspecHigiene,
     {10, 11},
     {"ANTICASPA", "HIDRATAÇÃO INTENSA", "CACHOS", "LISO", "INFANTIL"},
     {"200ML", "350ML"}},
    {"CONDICIONADOR",
     "33059000",
     7,
     kEspecHigiene,
     {10, 11},
     {"HIDRATAÇÃO INTENSA", "CACHOS", "LISO", "RECONSTRUÇÃO"},
     {"200ML", "350ML"}},
    {"PROTETOR SOLAR",
     "33049910",
     9,
     kEspecDermo,
     {8, 10},
     {"FPS 30", "FPS 50", "FPS 70 FACIAL", "FPS 50 INFANTIL"},
     {"120ML", "200ML", "50G"}},
    {"HIDRATANTE CORPORAL",
     "33049910",
     8,
     kEspecDermo,
     {8, 10},
     {"ALOE VERA", "KARITÉ", "AMÊNDOAS", "PELE EXTRASSECA"},
     {"200ML", "400ML"}},
    {"CREME DENTAL",
     "33061000",
     11,
     kEspecHigiene,
     {9, 11},
     {"MENTA", "TRIPLA AÇÃO", "SENSIBILIDADE", "BRANQUEADOR"},
     {"70G", "90G"}},
    {"ENXAGUANTE BUCAL",
     "33069000",
     11,
     kEspecHigiene,
     {9, 9},
     {"MENTA", "SEM ÁLCOOL", "ANTICÁRIES"},
     {"250ML", "500ML"}},
    {"ESCOVA DENTAL",
     "96032100",
     11,
     kEspecHigiene,
     {9, 9},
     {"MACIA", "MÉDIA", "INFANTIL", "ULTRA MACIA"},
     {"C/1", "C/2"}},
    {"DESODORANTE AEROSOL",
     "33072010",
     10,
     kEspecHigiene,
     {11, 10},
     {"MASCULINO", "FEMININO", "SEM PERFUME"},
     {"150ML"}},
    {"DESODORANTE ROLL-ON",
     "33072010",
     10,
     kEspecHigiene,
     {11, 10},
     {"MASCULINO", "FEMININO", "SEM PERFUME"},
     {"50ML"}},
    {"SABONETE",
     "34011190",
     10,
     kEspecHigiene,
     {11, 12},
     {"GLICERINADO", "ERVA-DOCE", "ANTIBACTERIANO", "AVEIA"},
     {"90G"}},
    {"SABONETE LÍQUIDO",
     "34013000",
     10,
     kEspecHigiene,
     {11, 12},
     {"ANTISSÉPTICO", "LAVANDA", "INFANTIL"},
     {"250ML"}},
    {"FRALDA INFANTIL",
     "96190000",
     12,
     kEspecHigiene,
     {12, 12},
     {"P C/30", "M C/26", "G C/24", "XG C/20"},
     {"ECONÔMICA", "NOTURNA"}},
    {"LENÇO UMEDECIDO",
     "33074900",
     12,
     kEspecHigiene,
     {12, 12},
     {"C/50", "C/100"},
     {"SEM PERFUME", "CAMOMILA"}},
    {"ALGODÃO HIDRÓFILO", "30059090", 14, kEspecHigiene, {13, 13}, {"ROLO", "BOLAS"}, {"50G", "100G"}},
    {"CURATIVO ADESIVO", "30051090", 14, kEspecHigiene, {13, 13}, {"TRANSPARENTE", "BEGE"}, {"C/10", "C/35"}},
    {"ESMALTE CREMOSO",
     "33043000",
     6,
     kEspecDermo,
     {10, 10},
     {"VERMELHO", "NUDE", "BRANCO", "ROSA"},
     {"8ML"}},
    {"ÁGUA OXIGENADA 10 VOLUMES",
     "28470000",
     14,
     kEspecHigiene,
     {13, 13},
     {"CREMOSA", "LÍQUIDA"},
     {"100ML", "500ML"}},
};
constexpr int kNumCosmeticos = static_cast<int>(sizeof kCosmeticos / sizeof kCosmeticos[0]);

const char* const kServicos[] = {"APLICAÇÃO DE INJETÁVEL", "AFERIÇÃO DE PRESSÃO ARTERIAL",
                                 "TESTE DE GLICEMIA CAPILAR", "PERFURAÇÃO DE LÓBULO AURICULAR"};

struct TFornecedorFixo {
    const char* nome;
    const char* fantasia;
    const char* raiz;
    const char* uf;
    int cUF;
    const char* st; // tax situation on its items
    char apagado;
    const char* ie; // state registration of another state, written as is; empty for SP (computed)
};
const TFornecedorFixo kFornecedores[] = {
    {"DISTRIBUIDORA PAULISTA DE MEDICAMENTOS S/A", "DISPAULISTA", "47336518", "SP", 35, "060", 'N', ""}, // 1
    {"MEDFARMA COMÉRCIO DE PRODUTOS FARMACÊUTICOS LTDA", "MEDFARMA", "03155791", "SP", 35, "060", 'N',
     ""},                                                                                          // 2
    {"DISTRIBUIDORA \"BOA SAUDE\" LTDA", "BOA SAUDE", "14220397", "SP", 35, "060", 'N', ""},       // 3
    {"LABORATÓRIO VITAFARMA S.A.", "VITAFARMA", "61150286", "SP", 35, "010", 'N', ""},             // 4
    {"D'ÁVILA DISTRIBUIDORA DE COSMÉTICOS LTDA", "D'ÁVILA", "22684130", "SP", 35, "060", 'N', ""}, // 5
    {"NORTE MINAS DISTRIBUIDORA FARMACÊUTICA LTDA", "NORTE MINAS", "17256512", "MG", 31, "60", 'N',
     "062.307.904/0081"},                                                                         // 6
    {"NEOMED IND. FARMACÊUTICA LTDA", "NEOMED", "02814497", "GO", 52, "10", 'N', "10.418.695-3"}, // 7
    {"PARANÁ FARMA DISTRIBUIDORA LTDA", "PARANÁ FARMA", "76492701", "PR", 41, "060", 'N',
     "901.23456-71"},                                                                                // 8
    {"CENTRAL DE DROGAS CAMPINAS LTDA EPP", "CENTRAL DROGAS", "50864215", "SP", 35, "060", 'S', ""}, // 9
    {"ATACADO SAÚDE & BELEZA LTDA", "SAÚDE & BELEZA", "09713548", "SP", 35, "060", 'N', ""},         // 10
    {"DERMACLIN COSMÉTICOS LTDA", "DERMACLIN", "03848445", "SP", 35, "010", 'N', ""},                // 11
};
constexpr int kNumFornecedores = static_cast<int>(sizeof kFornecedores / sizeof kFornecedores[0]);
constexpr int kFornecedorBoaSaude = 3, kFornecedorDavila = 5, kFornecedorApagado = 9;
constexpr int kUltimoDiaApagado = 75; // the deleted supplier sold until mid-January
constexpr int kMatriz = 0;            // source of an order: 0 the head office, otherwise a supplier id

// ------------------------------------------------------------------------------------------------
// Products and the outcome each one is built for (see the top of the file)

enum class TPerfil : uint8_t {
    Regular,        // fully proven, with a retained base
    SemImposto,     // fully proven, no retained base
    Parcial,        // opening stock older than the invoices
    SemNota,        // opening stock, no invoice up to the date
    Ajuste,         // stock from an adjustment, no invoice up to the date
    Zerado,         // sold out before the date
    Negativo,       // negative balance on the date
    SemMovimento,   // never stocked
    ForaDaPesquisa, // deleted or not a product
};

TPerfil PerfilDoProduto(int id) {
    int s = (id - 1) % 50 + 1;
    if (s <= 31)
        return TPerfil::Regular;
    if (s <= 35)
        return TPerfil::SemImposto;
    if (s <= 40)
        return TPerfil::Parcial;
    if (s <= 43)
        return TPerfil::SemNota;
    if (s == 44)
        return TPerfil::Ajuste;
    if (s <= 47)
        return TPerfil::Zerado;
    if (s == 48)
        return TPerfil::Negativo;
    if (s == 49)
        return TPerfil::SemMovimento;
    return TPerfil::ForaDaPesquisa;
}

int Casa(int id) {
    return (id - 1) % 50 + 1;
}

struct TProduto {
    int id = 0;
    std::string descricao; // Windows-1252
    std::string barras, gtin14;
    const char* unidade = "UN";
    const char* ncm = "";
    char tipo = 'P';
    char apagado = 'N';
    int grupo = 0, grupoPrecos = 0, espec = 0, fabricante = 0, principio = 0, classe = 0, contado = 0;
    int64_t preco = 0;    // cents
    int64_t custo4 = 0;   // ten-thousandths of a real
    int64_t baseUnit = 0; // cents: retained base of one unit
    TPerfil perfil = TPerfil::Regular;
    int fonte = 1;    // main source of its purchases (kMatriz: transfers)
    int fonteAlt = 2; // another supplier
};

// Stock of one product at one branch during the simulation
struct TEstoque {
    int saldo = 0;
    int peso = 0; // share of the branch's sales
    int pontoPedido = 1;
    int lote = 5;
    bool pendente = false;
    int vendidoAntes = 0;
    int limiteAntes = INT_MAX; // at most this many units sold before the inventory date
    int diaAjuste = -1;
    int qtdAjuste = 0;
    int diaPedidoForcado = -1;
    int qtdPedidoForcado = 0;
};

struct TItem {
    int produto = 0;
    int quant = 0;
    int64_t unit4 = 0;                                       // ten-thousandths
    int64_t frete = 0, seguro = 0, outras = 0, desconto = 0; // cents, item totals
    char st[4] = "060";
    const char* cfop = "1403";
    int64_t baseSub = 0, icmsSub = 0, baseRet = 0, icmsRet = 0;
    char apagado = 'N';
};

struct TNota {
    int filial = 0;
    int id = 0;
    int num = 0;
    int serie = 1;
    int emissao = 0;
    int entrada = -1; // -1: no entry date
    char tipo = 'E';
    int fonte = 0; // kMatriz, a supplier id, or -1 the branch itself (sales)
    int filialTrans = 0;
    char apagado = 'N', cancelada = 'N';
    int pctFrete = 0, pctSeguro = 0, pctOutras = 0, pctDesconto = 0;
    int origem = -1; // the invoice it copies (the head office's twin of a transfer)
    std::string chave;
    std::vector<TItem> itens;
};

struct TMov {
    int32_t segundo = 0; // since 01/11/2015 00:00:00
    int32_t produto = 0;
    int32_t documento = 0;
    int16_t quant = 0;
    uint8_t filial = 0, dafilial = 0, oper = 0;
    char es = 'S', apagado = 'N';
};

struct TOpcoes {
    int produtos = 400;
    long long movimentos = 30000;
    long long itens = 4000;
    uint64_t semente = 20160222;
};

// Operation codes of the movements
constexpr uint8_t kOperVenda = 1, kOperCompra = 2, kOperTransfRecebida = 3, kOperAjuste = 5,
                  kOperDevolucaoCliente = 6, kOperPerda = 7, kOperTransfEnviada = 10;
const uint8_t kOperSemEstoque[] = {4, 8, 9, 16}; // do not move the stock on hand

constexpr int kFiliais[2] = {2, 3}; // the simulated branches; index 0 is the demo branch

// Share of a day in the period's sales: weekday (1 Nov 2015 was a Sunday), and December sells more
long long PesoDoDia(int dia) {
    static const int semana[] = {60, 100, 95, 95, 100, 115, 120};
    return semana[dia % 7] * (DataDoDia(dia).mes == 12 ? 115 : 100);
}

long long SomaPesosDias() {
    static const long long soma = [] {
        long long t = 0;
        for (int d = 0; d < kDias; ++d)
            t += PesoDoDia(d);
        return t;
    }();
    return soma;
}

// Each source invoices on fixed weekdays (day 0 was a Sunday): the head office on Tuesdays and
// Fridays, the large distributors from Monday to Saturday, the others once or twice a week.
unsigned DiasDeEntrega(int fonte) {
    constexpr unsigned seg = 1u << 1, ter = 1u << 2, qua = 1u << 3, qui = 1u << 4, sex = 1u << 5,
                       sab = 1u << 6;
    static const unsigned dias[kNumFornecedores + 1] = {
        ter | sex,                         // head office
        seg | ter | qua | qui | sex | sab, // 1
        seg | ter | qua | qui | sex | sab, // 2
        seg | qua | sex,                   // 3
        qua,                               // 4
        seg,                               // 5
        qui,                               // 6
        ter,                               // 7
        seg | ter | qua | qui | sex,       // 8
        qua,                               // 9
        seg | qui,                         // 10
        qui,                               // 11
    };
    return dias[fonte];
}

// ------------------------------------------------------------------------------------------------
class TDemo {
public:
    explicit TDemo(const TOpcoes& o) : m_op(o), m_rnd(o.semente) {}

    void Gerar();
    bool Escrever();

private:
    void Catalogo();
    void ProdutoMedicamento(TProduto& p);
    void ProdutoCosmetico(TProduto& p);
    void Simular();
    void PrepararFiliais();
    void Chegadas(int fi, int dia);
    void Vendas(int fi, int dia);
    bool Vender(int fi, int p, int quant, int64_t segundo);
    void Repor(int fi, int dia);
    int Pedir(int fi, int p, int dia, int quant, int fonte = -1, bool doisItens = false,
              int emissaoFixa = -1);
    int AjustarEmissao(int p, int emissao);
    static int ProximaEntrega(int fonte, int dia);
    int NotaAberta(int fi, int fonte, int emissao);
    TItem NovoItem(const TNota& n, int p, int quant);
    void NotaDeVenda(int fi, int p, int quant, int dia, TMov& mov);
    void Mov(int64_t segundo, int p, int filial, int dafilial, char es, int quant, uint8_t oper, int doc,
             char apagado = 'N');
    void Completar();
    std::string CnpjEmitente(const TNota& n) const;
    int CodigoUF(const TNota& n) const;
    int64_t TotalItem(const TItem& it) const { return (it.unit4 * it.quant + 50) / 100; }

    TOpcoes m_op;
    TAleatorio m_rnd;
    std::vector<TProduto> m_produtos; // index = produto_id - 1
    std::vector<std::string> m_cnpjFornecedor, m_ieFornecedor;
    std::string m_cnpjFilial[4];
    std::string m_ieFilial[4];
    std::vector<TEstoque> m_estoque[2];
    std::vector<int64_t> m_pesoAcumulado[2];
    long long m_vendasAlvo[2] = {0, 0};
    std::vector<TNota> m_notas;
    std::map<std::tuple<int, int, int>, int> m_notasAbertas;
    std::vector<std::vector<std::pair<int, int>>> m_chegadas;
    std::vector<TMov> m_movs;
    // thousandths applied to the targets of sales and orders, so that the counts meet the options
    long long m_fatorVendas = 1000, m_fatorPedidos = 1000;
    int m_proximaNota[4] = {};
    int m_numeroFornecedor[kNumFornecedores + 1] = {};
    int m_numeroMatriz = 0;
    int m_numeroVenda[2] = {};
    int m_cupom[2] = {};
};

// The catalogue once; then the simulation, rerun with corrected targets while the counts of
// movements and invoice items stray more than 2 % from the options (each run starts from the same
// seed, so the result stays the same for the same options).
void TDemo::Gerar() {
    Catalogo();
    for (int passo = 0;; ++passo) {
        m_rnd = TAleatorio(m_op.semente ^ 0x5DEECE66Dull);
        m_notas.clear();
        m_notasAbertas.clear();
        m_movs.clear();
        std::fill(std::begin(m_proximaNota), std::end(m_proximaNota), 0);
        for (int f = 1; f <= kNumFornecedores; ++f)
            m_numeroFornecedor[f] = 10000 + f * 7919 % 90000;
        m_numeroMatriz = 88000;
        m_numeroVenda[0] = 15200;
        m_numeroVenda[1] = 4300;
        m_cupom[0] = 500000;
        m_cupom[1] = 120000;
        Simular();
        Completar();
        long long movs = static_cast<long long>(m_movs.size());
        long long itens = 0;
        for (const TNota& n : m_notas)
            itens += static_cast<long long>(n.itens.size());
        auto perto = [](long long v, long long alvo) { return v * 50 >= alvo * 49 && v * 50 <= alvo * 51; };
        if (passo == 4 || (perto(movs, m_op.movimentos) && perto(itens, m_op.itens)))
            break;
        m_fatorVendas = std::clamp(m_fatorVendas * m_op.movimentos / std::max(1LL, movs), 250LL, 8000LL);
        m_fatorPedidos = std::clamp(m_fatorPedidos * m_op.itens / std::max(1LL, itens), 250LL, 8000LL);
    }
}

void TDemo::Catalogo() {
    // fixed identities: the same branch and supplier numbers whatever the seed
    m_cnpjFilial[1] = Cnpj("45997418", "0001");
    m_cnpjFilial[2] = Cnpj("45997418", "0002");
    m_cnpjFilial[3] = Cnpj("08364952", "0001");
    m_ieFilial[1] = InscricaoSP("11004249", "11");
    m_ieFilial[2] = InscricaoSP("11004251", "27");
    m_ieFilial[3] = InscricaoSP("14728630", "05");
    m_cnpjFornecedor.assign(kNumFornecedores + 1, "");
    m_ieFornecedor.assign(kNumFornecedores + 1, "");
    for (int f = 1; f <= kNumFornecedores; ++f) {
        const TFornecedorFixo& ff = kFornecedores[f - 1];
        m_cnpjFornecedor[f] = Cnpj(ff.raiz, f == 4 || f == 7 || f == 11 ? "0003" : "0001");
        if (*ff.ie)
            m_ieFornecedor[f] = ff.ie;
        else
            m_ieFornecedor[f] = InscricaoSP(std::string(ff.raiz).substr(0, 8), std::to_string(10 + f * 7));
    }

    m_produtos.resize(static_cast<size_t>(m_op.produtos));
    for (int i = 0; i < m_op.produtos; ++i) {
        TProduto& p = m_produtos[static_cast<size_t>(i)];
        p.id = i + 1;
        p.perfil = PerfilDoProduto(p.id);
        if (m_rnd.Abaixo(100) < 70)
            ProdutoMedicamento(p);
        else
            ProdutoCosmetico(p);
        int bloco = (p.id - 1) / 50;
        if (p.perfil == TPerfil::ForaDaPesquisa) {
            if (bloco % 2 == 0) {
                p.apagado = 'S';
            } else {
                // a service the branch sells, not a product
                p.tipo = 'S';
                p.descricao = W(kServicos[static_cast<size_t>(bloco / 2) % 4]);
                p.unidade = "UN";
                p.ncm = "";
                p.grupo = kGrupoServicos;
                p.principio = 0;
                p.classe = 0;
                p.fabricante = 0;
                p.barras.clear();
                p.gtin14.clear();
            }
        }
        // a few point at a deleted lookup row, a few at none
        uint64_t a = m_rnd.Abaixo(100);
        if (a < 3) {
            switch (m_rnd.Abaixo(5)) {
            case 0:
                p.grupo = kGruposApagados[m_rnd.Abaixo(2)];
                break;
            case 1:
                p.grupoPrecos = kGrupoPrecosApagado;
                break;
            case 2:
                p.espec = kEspecApagada;
                break;
            case 3:
                p.fabricante = kFabricanteApagado;
                break;
            default:
                p.classe = 19;
                break;
            }
        } else if (a < 5) {
            switch (m_rnd.Abaixo(3)) {
            case 0:
                p.grupo = 0;
                break;
            case 1:
                p.fabricante = 999;
                break;
            default:
                p.principio = 0;
                break;
            }
        }
        p.contado = m_rnd.PorMil(150) ? 1 : 0;
        // sources of its purchases
        // a fifth by transfer, most from the distributors that deliver every day
        static const int diarios[] = {1, 2, 8};
        int r = static_cast<int>(m_rnd.Abaixo(100));
        if (r < 20)
            p.fonte = kMatriz;
        else if (r < 65)
            p.fonte = diarios[r % 3];
        else
            p.fonte = static_cast<int>(m_rnd.Abaixo(kNumFornecedores)) + 1;
        p.fonteAlt = static_cast<int>(m_rnd.Abaixo(kNumFornecedores)) + 1;
        int casa = Casa(p.id);
        if (casa == 2)
            p.fonte = kMatriz;
        if (casa == 3 || casa == 37)
            p.fonte = kFornecedorBoaSaude;
        if (casa == 5)
            p.fonte = kFornecedorDavila;
        if (casa == 7 && p.fonte == kMatriz)
            p.fonte = 1;
        if (p.fonte == kFornecedorApagado && casa <= 40)
            p.fonte = 2; // it sells only until January
        if (p.fonteAlt == p.fonte || p.fonteAlt == kFornecedorApagado)
            p.fonteAlt = p.fonte == 1 ? 2 : 1;
    }
}

void TDemo::ProdutoMedicamento(TProduto& p) {
    const TMedicamento& m = kMedicamentos[m_rnd.Abaixo(kNumMedicamentos)];
    int nAp = 0;
    while (nAp < 3 && m.apresentacoes[nAp].texto)
        ++nAp;
    const TApresentacao& ap = m.apresentacoes[m_rnd.Abaixo(static_cast<uint64_t>(nAp))];
    int tipo = static_cast<int>(m_rnd.Abaixo(100)); // generic, similar, reference
    p.fabricante = static_cast<int>(m_rnd.Abaixo(6)) + 1;
    std::string d = std::string(m.principio) + " " + ap.texto;
    if (tipo < 45) {
        p.grupo = kGrupoGenericos;
        p.espec = kEspecGenerico;
    } else if (tipo < 75) {
        p.grupo = kGrupoSimilares;
        p.espec = kEspecSimilar;
    } else {
        p.grupo = kGrupoReferencia;
        p.espec = kEspecReferencia;
    }
    if (m.controlado) {
        p.grupo = kGrupoControlados;
        p.espec = kEspecControlado;
    } else if (m.classe == 3) {
        p.espec = kEspecAntibiotico;
    }
    // the manufacturer and the generic mark as far as the 60 characters allow
    std::string completa = d + " " + kFabricantes[p.fabricante - 1].curto + (tipo < 45 ? " GEN" : "");
    if (W(completa).size() <= 60)
        d = completa;
    else if (tipo < 45 && W(d + " GEN").size() <= 60)
        d += " GEN";
    p.descricao = W(d).substr(0, 60);
    p.unidade = ap.unidade;
    p.ncm = m.ncm;
    p.principio = static_cast<int>(&m - kMedicamentos) + 1;
    p.classe = m.classe;
    p.grupoPrecos = static_cast<int>(m_rnd.Abaixo(3)) + 1;
    bool caro = m_rnd.Abaixo(100) < 25;
    p.preco = caro ? m_rnd.Faixa(2990, 12990) : m_rnd.Faixa(390, 2990);
    if (p.espec == kEspecReferencia)
        p.preco = p.preco * 16 / 10;
    p.preco = p.preco / 10 * 10 + 9; // prices end in 9 cents
    int64_t pct = m_rnd.Faixa(48, 66);
    p.custo4 = p.preco * pct + m_rnd.Faixa(0, 99);
    p.baseUnit = p.preco * m_rnd.Faixa(88, 100) / 100;
    std::string barras = "789" + std::to_string(1000 + p.fabricante * 37);
    char t[8];
    std::snprintf(t, sizeof t, "%05d", p.id % 100000);
    barras += t;
    barras += DigitoGtin(barras);
    uint64_t g = m_rnd.Abaixo(100);
    if (g < 2)
        return; // no bar code
    p.barras = barras;
    if (g < 72)
        p.gtin14 = "0" + barras;
    else if (g < 87 && std::strcmp(p.unidade, "CX") == 0) {
        std::string caixa = "1" + barras.substr(0, 12);
        p.gtin14 = caixa + DigitoGtin(caixa);
    }
}

void TDemo::ProdutoCosmetico(TProduto& p) {
    const TCosmetico& c = kCosmeticos[m_rnd.Abaixo(kNumCosmeticos)];
    int nVar = 0, nTam = 0;
    while (nVar < 5 && c.variantes[nVar])
        ++nVar;
    while (nTam < 3 && c.tamanhos[nTam])
        ++nTam;
    const char* var = c.variantes[m_rnd.Abaixo(static_cast<uint64_t>(nVar))];
    const char* tam = c.tamanhos[m_rnd.Abaixo(static_cast<uint64_t>(nTam))];
    p.fabricante = c.fabricantes[m_rnd.Abaixo(2)];
    std::string d = std::string(c.nome) + " " + var + " " + tam + " " + kFabricantes[p.fabricante - 1].curto;
    p.descricao = W(d).substr(0, 60);
    p.unidade = "UN";
    p.ncm = c.ncm;
    p.grupo = c.grupo;
    p.espec = c.espec;
    p.principio = 0;
    p.classe = 0;
    p.grupoPrecos = m_rnd.Abaixo(2) == 0 ? 4 : 5;
    p.preco = m_rnd.Faixa(590, 6990) / 10 * 10 + 9;
    int64_t margem = m_rnd.Faixa(45, 62);
    p.custo4 = p.preco * margem + m_rnd.Faixa(0, 99);
    p.baseUnit = p.preco * m_rnd.Faixa(85, 100) / 100;
    std::string barras = "789" + std::to_string(1000 + p.fabricante * 37);
    char t[8];
    std::snprintf(t, sizeof t, "%05d", p.id % 100000);
    barras += t;
    barras += DigitoGtin(barras);
    p.barras = barras;
    if (m_rnd.Abaixo(100) < 70)
        p.gtin14 = "0" + barras;
}

// ------------------------------------------------------------------------------------------------
// Simulation, day by day

void TDemo::PrepararFiliais() {
    // movements: sales, entries (about one per invoice item, and the head office's exit beside
    // each transfer), and about 2.5 % of extra rows (codes that do not move stock, deleted rows)
    long long itens = m_op.itens;
    long long vendas = (m_op.movimentos - itens * 6 / 5) * 1000 / 1025;
    if (vendas < m_op.movimentos / 4)
        vendas = m_op.movimentos / 4;
    vendas = vendas * m_fatorVendas / 1000;
    m_vendasAlvo[0] = vendas * 7 / 10;
    m_vendasAlvo[1] = vendas - m_vendasAlvo[0];
    // the invoice items of the orders; the rest are the head office's twins of the transfers (a
    // fifth of the orders), duplicates and sales invoices
    long long pedidos = itens * 100 / 124 * m_fatorPedidos / 1000;
    long long itensFilial[2] = {pedidos * 7 / 10, pedidos - pedidos * 7 / 10};

    for (int fi = 0; fi < 2; ++fi) {
        std::vector<TEstoque>& est = m_estoque[fi];
        est.assign(m_produtos.size(), TEstoque());
        int64_t somaPesos = 0;
        for (size_t i = 0; i < m_produtos.size(); ++i) {
            const TProduto& p = m_produtos[i];
            TEstoque& e = est[i];
            int r = m_rnd.Faixa(1, 100);
            int pesoComum = r * r * r / 1000 + 1;
            bool carrega = m_rnd.Abaixo(100) < 75;
            switch (p.perfil) {
            case TPerfil::SemMovimento:
            case TPerfil::ForaDaPesquisa:
                e.peso = 0;
                break;
            case TPerfil::Parcial:
            case TPerfil::SemNota:
            case TPerfil::Ajuste:
                e.peso = fi == 0 ? m_rnd.Faixa(1, 8) : (carrega ? pesoComum : 0);
                break;
            default:
                e.peso = fi == 0 || carrega ? pesoComum : 0;
                break;
            }
            somaPesos += e.peso;
        }
        if (somaPesos == 0)
            somaPesos = 1;
        // one order brings about (units sold / items) units, whatever the product's pace
        long long loteBase = 141 * m_vendasAlvo[fi] / (100 * std::max(1LL, itensFilial[fi]));
        if (loteBase < 2)
            loteBase = 2;
        m_pesoAcumulado[fi].assign(m_produtos.size(), 0);
        int64_t acum = 0;
        for (size_t i = 0; i < m_produtos.size(); ++i) {
            const TProduto& p = m_produtos[i];
            TEstoque& e = est[i];
            acum += e.peso;
            m_pesoAcumulado[fi][i] = acum;
            if (e.peso == 0)
                continue;
            long long unidades = 141 * m_vendasAlvo[fi] * e.peso / (100 * somaPesos);
            // enough for the days until the source's next delivery and the days the goods take
            int intervalo = 7 / std::popcount(DiasDeEntrega(p.fonte));
            e.pontoPedido = static_cast<int>(1 + unidades * (intervalo + kPrazoMaximo + 1) / kDias);
            e.lote = static_cast<int>(std::max(2LL, loteBase * m_rnd.Faixa(70, 130) / 100));
            long long antes = unidades * kDiaInventario / kDias;
            if (fi == 1) {
                if (m_rnd.Abaixo(2) == 0)
                    e.saldo = m_rnd.Faixa(1, 20);
                continue;
            }
            switch (p.perfil) {
            case TPerfil::Parcial:
                e.saldo = static_cast<int>(antes) + m_rnd.Faixa(6, 30);
                e.limiteAntes = e.saldo - 3;
                e.diaPedidoForcado = m_rnd.Faixa(10, kDiaInventario - 12);
                e.qtdPedidoForcado = m_rnd.Faixa(3, 12);
                break;
            case TPerfil::SemNota:
                e.saldo = static_cast<int>(antes) + m_rnd.Faixa(4, 25);
                e.limiteAntes = e.saldo - 3;
                break;
            case TPerfil::Ajuste:
                e.diaAjuste = m_rnd.Faixa(20, 90);
                e.qtdAjuste = m_rnd.Faixa(12, 40);
                e.limiteAntes = e.qtdAjuste - 2;
                break;
            default:
                break;
            }
        }
    }
}

void TDemo::Mov(int64_t segundo, int p, int filial, int dafilial, char es, int quant, uint8_t oper, int doc,
                char apagado) {
    TMov m;
    m.segundo = static_cast<int32_t>(segundo);
    m.produto = p;
    m.filial = static_cast<uint8_t>(filial);
    m.dafilial = static_cast<uint8_t>(dafilial);
    m.es = es;
    m.quant = static_cast<int16_t>(std::min(quant, 32000));
    m.oper = oper;
    m.documento = doc;
    m.apagado = apagado;
    m_movs.push_back(m);
}

void TDemo::Simular() {
    PrepararFiliais();
    m_chegadas.assign(kDias + 8, {});
    m_movs.reserve(static_cast<size_t>(m_op.movimentos + m_op.movimentos / 8 + 1000));
    // first orders: the goods arrive on the first days
    for (int fi = 0; fi < 2; ++fi)
        for (size_t i = 0; i < m_produtos.size(); ++i) {
            TEstoque& e = m_estoque[fi][i];
            if (e.peso > 0 && e.saldo <= e.pontoPedido)
                Pedir(fi, static_cast<int>(i), -1, e.pontoPedido + e.lote - e.saldo, -1, false, 0);
        }
    for (int dia = 0; dia < kDias; ++dia) {
        for (int fi = 0; fi < 2; ++fi) {
            Chegadas(fi, dia);
            if (fi == 0) {
                for (size_t i = 0; i < m_produtos.size(); ++i) {
                    TEstoque& e = m_estoque[0][i];
                    if (e.diaAjuste == dia) {
                        // inventory adjustment: stock found without an invoice
                        e.saldo += e.qtdAjuste;
                        Mov(int64_t(dia) * kSegundosDia + 7 * 3600 + 1800, static_cast<int>(i) + 1, 2, 2, 'E',
                            e.qtdAjuste, kOperAjuste, 0);
                    }
                }
            }
            if (fi == 0 && dia == kDiaInventario) {
                // a 24-hour branch: sales at the very edge of the inventory date
                int vendidas = 0;
                for (size_t i = 0; i < m_produtos.size() && vendidas < 2; ++i) {
                    if (m_produtos[i].perfil != TPerfil::Regular || m_estoque[0][i].saldo <= 0)
                        continue;
                    if (Vender(0, static_cast<int>(i), 1, int64_t(dia) * kSegundosDia + vendidas))
                        ++vendidas;
                }
            }
            Vendas(fi, dia);
            if (fi == 0 && (dia == kDiaInventario - 2 || dia == kDiaInventario - 3)) {
                for (size_t i = 0; i < m_produtos.size(); ++i) {
                    TEstoque& e = m_estoque[0][i];
                    int64_t seg = int64_t(dia) * kSegundosDia + 21 * 3600 + m_rnd.Faixa(0, 1800);
                    if (m_produtos[i].perfil == TPerfil::Zerado && dia == kDiaInventario - 2 && e.saldo > 0) {
                        Mov(seg, static_cast<int>(i) + 1, 2, 2, 'S', e.saldo, kOperVenda, ++m_cupom[0]);
                        e.saldo = 0;
                    } else if (m_produtos[i].perfil == TPerfil::Negativo && dia == kDiaInventario - 3) {
                        // sold before the entry was recorded
                        int q = std::max(e.saldo, 0) + m_rnd.Faixa(1, 4);
                        Mov(seg, static_cast<int>(i) + 1, 2, 2, 'S', q, kOperVenda, ++m_cupom[0]);
                        e.saldo -= q;
                    }
                }
            }
            if (fi == 0) {
                for (size_t i = 0; i < m_produtos.size(); ++i) {
                    TEstoque& e = m_estoque[0][i];
                    int p = static_cast<int>(i);
                    if (e.diaPedidoForcado == dia && !e.pendente)
                        Pedir(0, p, dia, e.qtdPedidoForcado);
                    int casa = Casa(p + 1);
                    if (casa == 7 && dia == 80 && m_produtos[i].perfil == TPerfil::Regular) {
                        // two invoices of the same date for the product, from two suppliers
                        int q = m_rnd.Faixa(3, 8);
                        Pedir(0, p, dia, q, m_produtos[i].fonte, false, dia + 1);
                        Pedir(0, p, dia, q + 2, m_produtos[i].fonteAlt, false, dia + 1);
                    }
                    if (casa == 12 && dia == 85)
                        Pedir(0, p, dia, m_rnd.Faixa(6, 14), -1, true, dia + 1);
                }
            }
            Repor(fi, dia);
        }
    }
}

void TDemo::Chegadas(int fi, int dia) {
    for (const auto& [n, k] : m_chegadas[static_cast<size_t>(dia)]) {
        const TNota& nota = m_notas[static_cast<size_t>(n)];
        if (nota.filial != kFiliais[fi])
            continue;
        const TItem& it = nota.itens[static_cast<size_t>(k)];
        TEstoque& e = m_estoque[fi][static_cast<size_t>(it.produto - 1)];
        e.saldo += it.quant;
        e.pendente = false;
        int64_t seg = int64_t(dia) * kSegundosDia + m_rnd.Faixa(8 * 3600, 12 * 3600);
        if (nota.tipo == 'R') // transfers are recorded by the head office on behalf of the branch
            Mov(seg, it.produto, 1, nota.filial, 'E', it.quant, kOperTransfRecebida, nota.id);
        else
            Mov(seg, it.produto, nota.filial, nota.filial, 'E', it.quant, kOperCompra, nota.id);
    }
}

void TDemo::Vendas(int fi, int dia) {
    const long long eventos = m_vendasAlvo[fi] * PesoDoDia(dia) / SomaPesosDias();
    const std::vector<int64_t>& acum = m_pesoAcumulado[fi];
    if (acum.empty() || acum.back() == 0)
        return;
    for (long long ev = 0; ev < eventos; ++ev) {
        int64_t alvo = static_cast<int64_t>(m_rnd.Abaixo(static_cast<uint64_t>(acum.back())));
        int p = static_cast<int>(std::upper_bound(acum.begin(), acum.end(), alvo) - acum.begin());
        int r = static_cast<int>(m_rnd.Abaixo(100));
        int q = r < 75 ? 1 : r < 92 ? 2 : r < 98 ? 3 : m_rnd.Faixa(4, 10);
        int64_t seg = int64_t(dia) * kSegundosDia + m_rnd.Faixa(8 * 3600, 22 * 3600 - 1);
        Vender(fi, p, q, seg);
    }
}

bool TDemo::Vender(int fi, int p, int quant, int64_t segundo) {
    TEstoque& e = m_estoque[fi][static_cast<size_t>(p)];
    int filial = kFiliais[fi];
    bool antes = segundo <= kCorte;
    if (fi == 0 && antes && e.vendidoAntes + quant > e.limiteAntes)
        return false;
    if (e.saldo < quant) {
        if (e.saldo <= 0)
            return false;
        quant = e.saldo;
    }
    e.saldo -= quant;
    if (antes)
        e.vendidoAntes += quant;
    Mov(segundo, p + 1, filial, filial, 'S', quant, kOperVenda, ++m_cupom[fi]);
    if (m_rnd.PorMil(4))
        NotaDeVenda(fi, p, quant, static_cast<int>(segundo / kSegundosDia), m_movs.back());
    if (m_rnd.PorMil(12)) {
        // a row of an operation that does not move the stock on hand
        uint8_t oper = kOperSemEstoque[m_rnd.Abaixo(4)];
        char es = m_rnd.Abaixo(2) == 0 ? 'E' : 'S';
        int q = m_rnd.Faixa(1, 5);
        bool matriz = m_rnd.Abaixo(5) == 0;
        Mov(segundo + m_rnd.Faixa(1, 900), p + 1, matriz ? 1 : filial, filial, es, q, oper, 0);
    }
    if (m_rnd.PorMil(5)) // a sale entered twice, the copy deleted
        Mov(segundo + m_rnd.Faixa(1, 120), p + 1, filial, filial, 'S', quant, kOperVenda, ++m_cupom[fi], 'S');
    if (fi == 1) {
        if (m_rnd.PorMil(3) && e.saldo > 0) {
            Mov(segundo + 60, p + 1, filial, filial, 'S', 1, kOperPerda, 0);
            e.saldo -= 1;
        }
        if (m_rnd.PorMil(2)) {
            Mov(segundo + 3600, p + 1, filial, filial, 'E', 1, kOperDevolucaoCliente, m_cupom[fi]);
            e.saldo += 1;
        }
    }
    return true;
}

void TDemo::NotaDeVenda(int fi, int p, int quant, int dia, TMov& mov) {
    TNota n;
    n.filial = kFiliais[fi];
    n.id = ++m_proximaNota[n.filial];
    n.num = ++m_numeroVenda[fi];
    n.emissao = dia;
    n.tipo = 'S';
    n.fonte = -1;
    TItem it;
    it.produto = p + 1;
    it.quant = quant;
    it.unit4 = m_produtos[static_cast<size_t>(p)].preco * 100;
    std::strcpy(it.st, "060");
    it.cfop = "5405";
    n.itens.push_back(it);
    mov.documento = n.id;
    m_notas.push_back(std::move(n));
}

void TDemo::Repor(int fi, int dia) {
    std::vector<TEstoque>& est = m_estoque[fi];
    for (size_t i = 0; i < est.size(); ++i) {
        TEstoque& e = est[i];
        if (e.peso == 0 || e.pendente || e.saldo > e.pontoPedido)
            continue;
        Pedir(fi, static_cast<int>(i), dia, e.pontoPedido + e.lote - e.saldo);
    }
}

// Moves the invoices of the demo branch's special products out of the way of what each is built
// for. The goods arrive at most kPrazoMaximo days after the issue date.
int TDemo::AjustarEmissao(int p, int emissao) {
    bool adiar = false;
    int chegadaMaxima = emissao + kPrazoMaximo;
    switch (m_produtos[static_cast<size_t>(p)].perfil) {
    case TPerfil::SemNota:
    case TPerfil::Ajuste:
        adiar = emissao <= kDiaInventario;
        break;
    case TPerfil::Zerado:
    case TPerfil::Negativo:
        adiar = emissao <= kDiaInventario && chegadaMaxima >= kDiaInventario - 20;
        break;
    case TPerfil::Parcial:
        adiar = emissao <= kDiaInventario && chegadaMaxima >= kDiaInventario;
        break;
    default:
        break;
    }
    return adiar ? kDiaInventario + 1 : emissao;
}

int TDemo::ProximaEntrega(int fonte, int dia) {
    while (!(DiasDeEntrega(fonte) & (1u << (dia % 7))))
        ++dia;
    return dia;
}

int TDemo::Pedir(int fi, int p, int dia, int quant, int fonte, bool doisItens, int emissaoFixa) {
    const TProduto& prod = m_produtos[static_cast<size_t>(p)];
    if (fonte < 0)
        fonte = prod.fonte;
    if (fonte == kFornecedorApagado && dia + 1 > kUltimoDiaApagado)
        fonte = 1;
    int emissao = emissaoFixa >= 0 ? emissaoFixa : ProximaEntrega(fonte, dia + 1);
    if (fi == 0) {
        int ajustada = AjustarEmissao(p, emissao);
        if (ajustada != emissao)
            emissao = ProximaEntrega(fonte, ajustada);
    }
    int n = NotaAberta(fi, fonte, emissao);
    if (n < 0)
        return -1;
    TNota& nota = m_notas[static_cast<size_t>(n)];
    auto chegada = static_cast<size_t>(nota.entrada);
    if (doisItens) {
        int q1 = quant / 2;
        nota.itens.push_back(NovoItem(nota, p, q1));
        m_chegadas[chegada].push_back({n, static_cast<int>(nota.itens.size()) - 1});
        TItem outro = NovoItem(nota, p, quant - q1);
        outro.unit4 = nota.itens.back().unit4 + 1250; // the second line carries another unit value
        int64_t total = TotalItem(outro);
        if (outro.baseRet > 0)
            outro.icmsRet = std::max<int64_t>(0, outro.baseRet * 18 / 100 - total * 18 / 100);
        nota.itens.push_back(outro);
    } else {
        nota.itens.push_back(NovoItem(nota, p, quant));
    }
    m_chegadas[chegada].push_back({n, static_cast<int>(nota.itens.size()) - 1});
    if (fonte == kMatriz) // the head office's own exit for the transfer
        Mov(int64_t(emissao) * kSegundosDia + m_rnd.Faixa(7 * 3600, 8 * 3600), p + 1, 1, 1, 'S', quant,
            kOperTransfEnviada, nota.num);
    m_estoque[fi][static_cast<size_t>(p)].pendente = true;
    return n;
}

// The invoice of the source for the branch issued on the day, opened by the first order; -1 when its
// goods would arrive after the period.
int TDemo::NotaAberta(int fi, int fonte, int emissao) {
    auto chave = std::make_tuple(fi, fonte, emissao);
    auto it = m_notasAbertas.find(chave);
    if (it != m_notasAbertas.end())
        return it->second;
    int chegada = emissao + m_rnd.Faixa(0, kPrazoMaximo);
    if (chegada >= kDias)
        return -1;
    TNota n;
    n.filial = kFiliais[fi];
    n.id = ++m_proximaNota[n.filial];
    n.emissao = emissao;
    n.entrada = chegada;
    n.fonte = fonte;
    if (fonte == kMatriz) {
        n.tipo = 'R';
        n.filialTrans = 1;
        n.num = ++m_numeroMatriz;
        n.serie = 2;
    } else {
        n.tipo = 'E';
        n.num = ++m_numeroFornecedor[fonte];
        int a = static_cast<int>(m_rnd.Abaixo(100));
        if (a < 10)
            n.pctFrete = m_rnd.Faixa(1, 4);
        if (a >= 5 && a < 8)
            n.pctSeguro = 1;
        if (a >= 20 && a < 24)
            n.pctOutras = m_rnd.Faixa(1, 2);
        if (a >= 40 && a < 48)
            n.pctDesconto = m_rnd.Faixa(2, 10);
    }
    int idx = static_cast<int>(m_notas.size());
    m_notas.push_back(std::move(n));
    m_notasAbertas.emplace(chave, idx);
    return idx;
}

TItem TDemo::NovoItem(const TNota& n, int p, int quant) {
    const TProduto& prod = m_produtos[static_cast<size_t>(p)];
    TItem it;
    it.produto = p + 1;
    it.quant = quant;
    it.unit4 = prod.custo4 * m_rnd.Faixa(96, 104) / 100;
    int64_t total = TotalItem(it);
    it.frete = total * n.pctFrete / 100;
    it.seguro = total * n.pctSeguro / 200;
    it.outras = total * n.pctOutras / 100;
    it.desconto = total * n.pctDesconto / 100;
    const char* st = n.fonte == kMatriz ? "060" : kFornecedores[n.fonte - 1].st;
    bool interestadual = n.fonte != kMatriz && std::strcmp(kFornecedores[n.fonte - 1].uf, "SP") != 0;
    bool st10 = std::strcmp(st, "010") == 0 || std::strcmp(st, "10") == 0;
    int64_t base = prod.baseUnit * quant * m_rnd.Faixa(98, 102) / 100;
    int aliquotaPropria = interestadual ? 12 : 18;
    if (prod.perfil == TPerfil::SemImposto) {
        // no retained base on the invoice: taxed in full, or ST without the base informed
        if (st10) {
            std::strcpy(it.st, std::strlen(st) == 3 ? "000" : "00");
            it.cfop = interestadual ? "2102" : "1102";
        } else {
            std::strcpy(it.st, st);
            it.cfop = n.fonte == kMatriz ? "1409" : interestadual ? "2403" : "1403";
        }
    } else if (st10) {
        std::strcpy(it.st, st);
        it.cfop = interestadual ? "2403" : "1403";
        it.baseSub = base;
        it.icmsSub = std::max<int64_t>(0, base * 18 / 100 - total * aliquotaPropria / 100);
    } else {
        std::strcpy(it.st, st);
        it.cfop = n.fonte == kMatriz ? "1409" : interestadual ? "2403" : "1403";
        it.baseRet = base;
        it.icmsRet = std::max<int64_t>(0, base * 18 / 100 - total * aliquotaPropria / 100);
    }
    return it;
}

// ------------------------------------------------------------------------------------------------
// After the simulation: duplicates entered by mistake, deleted items, the head office's twins of
// the transfers, access keys.

void TDemo::Completar() {
    size_t originais = m_notas.size();
    for (size_t i = 0; i < originais; ++i) {
        if (m_notas[i].itens.empty())
            continue;
        char tipo = m_notas[i].tipo;
        if (tipo == 'E' || tipo == 'R') {
            bool apagada = m_rnd.PorMil(15);
            bool cancelada = !apagada && tipo == 'E' && m_rnd.PorMil(8);
            if (apagada || cancelada) {
                TNota copia = m_notas[i];
                copia.id = ++m_proximaNota[copia.filial];
                if (apagada) {
                    copia.apagado = 'S'; // entered twice, the copy deleted: same number and key
                    copia.origem = static_cast<int>(i);
                } else {
                    copia.cancelada = 'S'; // cancelled by the supplier, issued again
                    copia.num = ++m_numeroFornecedor[copia.fonte];
                }
                for (const TItem& it : copia.itens)
                    Mov(int64_t(copia.entrada) * kSegundosDia + m_rnd.Faixa(8 * 3600, 12 * 3600), it.produto,
                        copia.tipo == 'R' ? 1 : copia.filial, copia.filial, 'E', it.quant,
                        copia.tipo == 'R' ? kOperTransfRecebida : kOperCompra, copia.id, 'S');
                m_notas.push_back(std::move(copia));
            }
            if (m_rnd.PorMil(12)) {
                // an item typed by mistake and deleted
                TNota& n = m_notas[i];
                int p = static_cast<int>(m_rnd.Abaixo(m_produtos.size()));
                TItem it = NovoItem(n, p, m_rnd.Faixa(1, 6));
                it.apagado = 'S';
                n.itens.push_back(it);
                Mov(int64_t(n.entrada) * kSegundosDia + m_rnd.Faixa(8 * 3600, 12 * 3600), p + 1,
                    n.tipo == 'R' ? 1 : n.filial, n.filial, 'E', it.quant,
                    n.tipo == 'R' ? kOperTransfRecebida : kOperCompra, n.id, 'S');
            }
        }
    }
    // the head office keeps its own record of every transfer it sent
    size_t total = m_notas.size();
    for (size_t i = 0; i < total; ++i) {
        if (m_notas[i].tipo != 'R' || m_notas[i].apagado == 'S' || m_notas[i].itens.empty())
            continue;
        TNota t = m_notas[i];
        t.filialTrans = t.filial;
        t.filial = 1;
        t.id = ++m_proximaNota[1];
        t.tipo = 'T';
        t.entrada = -1;
        t.origem = static_cast<int>(i);
        t.itens.erase(
            std::remove_if(t.itens.begin(), t.itens.end(), [](const TItem& x) { return x.apagado == 'S'; }),
            t.itens.end());
        for (TItem& it : t.itens)
            it.cfop = "5409";
        m_notas.push_back(std::move(t));
    }
    // the head office's twin and a deleted duplicate carry the key of the invoice they copy
    for (size_t i = 0; i < m_notas.size(); ++i) {
        TNota& n = m_notas[i];
        if (n.origem >= 0) {
            n.chave = m_notas[static_cast<size_t>(n.origem)].chave;
            continue;
        }
        int codigo = static_cast<int>(m_rnd.Abaixo(100000000));
        n.chave = ChaveAcesso(CodigoUF(n), n.emissao, CnpjEmitente(n), n.serie, n.num, codigo);
    }
    std::stable_sort(m_notas.begin(), m_notas.end(),
                     [](const TNota& a, const TNota& b) { return a.filial < b.filial; });
    std::stable_sort(m_movs.begin(), m_movs.end(),
                     [](const TMov& a, const TMov& b) { return a.segundo < b.segundo; });
}

std::string TDemo::CnpjEmitente(const TNota& n) const {
    if (n.tipo == 'S')
        return m_cnpjFilial[n.filial];
    if (n.fonte == kMatriz)
        return m_cnpjFilial[1];
    return m_cnpjFornecedor[static_cast<size_t>(n.fonte)];
}

int TDemo::CodigoUF(const TNota& n) const {
    if (n.tipo == 'S' || n.fonte == kMatriz)
        return 35;
    return kFornecedores[n.fonte - 1].cUF;
}

// ------------------------------------------------------------------------------------------------
bool TDemo::Escrever() {
    TSaida s;
    char cab[256];
    std::snprintf(
        cab, sizeof cab,
        "-- Demo branch database written by rst-gerar-demo --produtos %d --movimentos %lld --itens %lld "
        "--semente %llu\n",
        m_op.produtos, m_op.movimentos, m_op.itens, static_cast<unsigned long long>(m_op.semente));
    s.Texto() += cab;
    {
        TInsert t(s, "filial",
                  "filial_id, nome, fantasia, cgc, inscr, endereco, cidade, uf, cod_regime_tribut, "
                  "conta_analitica_inv, "
                  "apagado");
        t.Linha().Int(1).Txt("DROGARIA BOM JESUS LTDA").Txt("DROGARIA BOM JESUS - MATRIZ");
        t.Txt(CnpjFormatado(m_cnpjFilial[1])).Txt(m_ieFilial[1]).Txt("AV. CELSO GARCIA, 1820");
        t.Txt(W("SÃO PAULO")).Txt("SP").Txt("LP").Txt("1.1.3.01.001").Txt("N");
        t.FimLinha();
        t.Linha().Int(2).Txt("DROGARIA BOM JESUS LTDA").Txt("DROGARIA BOM JESUS - VILA MARIANA");
        t.Txt(CnpjFormatado(m_cnpjFilial[2])).Txt(m_ieFilial[2]).Txt("RUA DOMINGOS DE MORAIS, 2150");
        t.Txt(W("SÃO PAULO")).Txt("SP").Txt("LP").Txt("1.1.3.01.002").Txt("N");
        t.FimLinha();
        t.Linha().Int(3).Txt(W("FARMÁCIA SÃO JOSÉ DO IPIRANGA LTDA ME")).Txt(W("FARMÁCIA SÃO JOSÉ"));
        t.Txt(CnpjFormatado(m_cnpjFilial[3])).Txt(m_ieFilial[3]).Txt("RUA BOM PASTOR, 745");
        t.Txt(W("SÃO PAULO")).Txt("SP").Txt("SN").Txt("1.1.3.01.003").Txt("N");
        t.FimLinha();
    }
    {
        TInsert t(s, "grupo", "grupo_id, descricao, desc_arvore, grupo_pai_id, apagado");
        int id = 0;
        for (const TGrupo& g : kGrupos) {
            t.Linha()
                .Int(++id)
                .Txt(W(g.descricao))
                .Txt(W(g.arvore))
                .Int(g.pai)
                .Txt(std::string(1, g.apagado));
            t.FimLinha();
        }
    }
    auto lookups = [&](const char* tabela, const char* colunas, const TLookup* l, size_t n) {
        TInsert t(s, tabela, colunas);
        for (size_t i = 0; i < n; ++i) {
            t.Linha()
                .Int(static_cast<long long>(i) + 1)
                .Txt(W(l[i].descricao))
                .Txt(std::string(1, l[i].apagado));
            t.FimLinha();
        }
    };
    lookups("grupo_precos", "grupo_precos_id, descricao, apagado", kGruposPrecos, std::size(kGruposPrecos));
    lookups("espec", "espec_id, descricao, apagado", kEspecs, std::size(kEspecs));
    lookups("classe_terapeutica", "classe_terapeutica_id, descricao, apagado", kClasses, std::size(kClasses));
    {
        TInsert t(s, "fabricantes", "fabricantes_id, descricao, cgc, apagado");
        int id = 0;
        for (const TFabricante& f : kFabricantes) {
            t.Linha().Int(++id).Txt(W(f.descricao)).Txt(CnpjFormatado(Cnpj(f.raiz, "0001")));
            t.Txt(std::string(1, f.apagado));
            t.FimLinha();
        }
    }
    {
        TInsert t(s, "principio_ativo", "principio_ativo_id, descricao, apagado");
        int id = 0;
        for (const TMedicamento& m : kMedicamentos) {
            t.Linha().Int(++id).Txt(W(m.principio)).Txt("N");
            t.FimLinha();
        }
        for (const char* d : kPrincipiosApagados) {
            t.Linha().Int(++id).Txt(W(d)).Txt("S");
            t.FimLinha();
        }
    }
    {
        TInsert t(
            s, "produto",
            "produto_id, descricao, barras, gtin14, unidade, ncm, tipo, grupo_id, grupo_precos_id, espec_id, "
            "fabricantes_id, principio_ativo_id, classe_terapeutica_id, contado, preco_venda, apagado");
        for (const TProduto& p : m_produtos) {
            t.Linha().Int(p.id).Txt(p.descricao).Txt(p.barras).Txt(p.gtin14).Txt(p.unidade).Txt(p.ncm);
            t.Txt(std::string(1, p.tipo)).Int(p.grupo).Int(p.grupoPrecos).Int(p.espec).Int(p.fabricante);
            t.Int(p.principio).Int(p.classe).Int(p.contado).Centavos(p.preco).Txt(std::string(1, p.apagado));
            t.FimLinha();
        }
    }
    {
        TInsert t(s, "estoque_minimo", "produto_id, estoque, estoque_min, estoque_max");
        for (size_t i = 0; i < m_produtos.size(); ++i) {
            if (m_produtos[i].perfil == TPerfil::SemMovimento)
                continue;
            const TEstoque& e = m_estoque[0][i];
            bool carregado = e.peso > 0;
            t.Linha().Int(static_cast<long long>(i) + 1).Int(e.saldo).Int(carregado ? e.pontoPedido : 0);
            t.Int(carregado ? e.pontoPedido + e.lote : 0);
            t.FimLinha();
        }
    }
    {
        TInsert t(s, "fornece", "fornece_id, nome, fantasia, cgc, ie, uf, apagado");
        for (int f = 1; f <= kNumFornecedores; ++f) {
            const TFornecedorFixo& ff = kFornecedores[f - 1];
            t.Linha().Int(f).Txt(W(ff.nome)).Txt(W(ff.fantasia)).Txt(CnpjFormatado(m_cnpjFornecedor[f]));
            t.Txt(m_ieFornecedor[f]).Txt(ff.uf).Txt(std::string(1, ff.apagado));
            t.FimLinha();
        }
    }
    {
        TInsert t(s, "nota_fiscal",
                  "filial_id, nota_fiscal_id, num_nota, serie, modelo, chave, data_emissao, data_entrada, "
                  "tipo_nota, "
                  "fornece_id, filial_id_trans, valor_total, apagado, cancelada");
        for (const TNota& n : m_notas) {
            int64_t total = 0;
            for (const TItem& it : n.itens) {
                if (it.apagado == 'S')
                    continue;
                total += TotalItem(it) + it.frete + it.seguro + it.outras - it.desconto + it.icmsSub;
            }
            t.Linha().Int(n.filial).Int(n.id).Int(n.num).Txt(std::to_string(n.serie)).Txt("55").Txt(n.chave);
            t.Data(n.emissao);
            if (n.entrada >= 0)
                t.Data(n.entrada);
            else
                t.Nulo();
            t.Txt(std::string(1, n.tipo)).Int(n.fonte > 0 ? n.fonte : 0).Int(n.filialTrans).Centavos(total);
            t.Txt(std::string(1, n.apagado)).Txt(std::string(1, n.cancelada));
            t.FimLinha();
        }
    }
    long long nItens = 0;
    {
        TInsert t(
            s, "nota_fiscal_item",
            "filial_id, nota_fiscal_id, nota_fiscal_item_id, produto_id, quant, valor_unit, valor_frete, "
            "valor_seguro, valor_outras, desc_val, st, cfop, base_calc_icms_sub, valor_icms_sub, "
            "base_calc_icms_sub_ret, valor_icms_sub_ret, apagado");
        for (const TNota& n : m_notas) {
            int k = 0;
            for (const TItem& it : n.itens) {
                t.Linha().Int(n.filial).Int(n.id).Int(++k).Int(it.produto).Int(it.quant).Decimal(it.unit4, 4);
                t.Centavos(it.frete).Centavos(it.seguro).Centavos(it.outras).Centavos(it.desconto).Txt(it.st);
                t.Txt(it.cfop)
                    .Centavos(it.baseSub)
                    .Centavos(it.icmsSub)
                    .Centavos(it.baseRet)
                    .Centavos(it.icmsRet);
                t.Txt(std::string(1, it.apagado));
                t.FimLinha();
                ++nItens;
            }
        }
    }
    {
        TInsert t(s, "movment",
                  "movment_id, filial_id, dafilial_id, produto_id, e_s, quanti_uni, data_hora, oper, "
                  "documento, apagado");
        long long id = 0;
        for (const TMov& m : m_movs) {
            t.Linha().Int(++id).Int(m.filial).Int(m.dafilial).Int(m.produto).Txt(std::string_view(&m.es, 1));
            t.Int(m.quant)
                .DataHora(m.segundo)
                .Int(m.oper)
                .Int(m.documento)
                .Txt(std::string_view(&m.apagado, 1));
            t.FimLinha();
        }
    }
    {
        TInsert t(s, "arqs_efd", "arqs_efd_id, dafilial_id, nome_arquivo, data_ini, data_fin, apagado");
        struct {
            int filial;
            const char* nome;
            const char* ini;
            const char* fin;
            const char* apagado;
        } const arquivos[] = {
            {2, "C:\\SPED\\FILIAL002\\2015\\EFD00220151101201511300.TXT", "2015-11-01", "2015-11-30", "N"},
            {2, "C:\\SPED\\FILIAL002\\2015\\EFD00220151201201512310.TXT", "2015-12-01", "2015-12-31", "N"},
            {1, "C:\\SPED\\MATRIZ\\2016\\EFD00120160101201601310.TXT", "2016-01-01", "2016-01-31", "N"},
            {2, "/tmp/sped/filial002/EFD00220160101201601310.TXT", "2016-01-01", "2016-01-31", "N"},
            {2, "C:\\SPED\\RASCUNHO\\EFD00220160101201601311.TXT", "2016-01-01", "2016-01-31", "S"},
        };
        int id = 0;
        for (const auto& a : arquivos) {
            t.Linha().Int(++id).Int(a.filial).Txt(a.nome).Txt(a.ini).Txt(a.fin).Txt(a.apagado);
            t.FimLinha();
        }
    }
    s.Descarregar();
    std::fprintf(stderr, "rst-gerar-demo: %zu products, %zu invoices, %lld invoice items, %zu movements\n",
                 m_produtos.size(), m_notas.size(), nItens, m_movs.size());
    return !s.Erro() && std::fflush(stdout) == 0;
}

// ------------------------------------------------------------------------------------------------
const char* const kAjuda =
    "Usage: rst-gerar-demo [options] > demo.sql\n"
    "Writes to standard output the INSERT statements that fill the ERP tables of erp/schema.sql\n"
    "with a demo pharmacy network (head office 1, branch 2 of the periodic regime, branch 3 of\n"
    "the simplified regime), movements from 01/11/2015 to 31/03/2016 and the invoices behind\n"
    "them, text in latin1. The same options give the same bytes.\n"
    "  --produtos N     number of products (default 400, at least 50)\n"
    "  --movimentos N   approximate number of stock movements (default 30000)\n"
    "  --itens N        approximate number of invoice items (default 4000)\n"
    "  --semente S      seed of the random choices (default 20160222)\n"
    "  --grande         a large branch: 10000 products, 2100000 movements, 320000 items\n"
    "  --ajuda          this text\n";

bool LerNumero(const char* s, long long minimo, long long& v) {
    const char* fim = s + std::strlen(s);
    auto r = std::from_chars(s, fim, v);
    return r.ec == std::errc() && r.ptr == fim && v >= minimo;
}

} // namespace

int main(int argc, char** argv) {
    TOpcoes op;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--ajuda" || a == "-h" || a == "--help") {
            std::fputs(kAjuda, stdout);
            return 0;
        }
        if (a == "--grande") {
            op.produtos = std::max(op.produtos, 10000);
            op.movimentos = std::max(op.movimentos, 2100000LL);
            op.itens = std::max(op.itens, 320000LL);
            continue;
        }
        long long v = 0;
        long long minimo = a == "--produtos" ? 50 : a == "--semente" ? 0 : 100;
        bool conhecida = a == "--produtos" || a == "--movimentos" || a == "--itens" || a == "--semente";
        if (!conhecida) {
            std::fprintf(stderr, "rst-gerar-demo: unknown option %s (see --ajuda)\n", a.c_str());
            return 2;
        }
        if (i + 1 >= argc || !LerNumero(argv[i + 1], minimo, v) || (a == "--produtos" && v > 1000000) ||
            (a != "--semente" && v > 100000000)) {
            std::fprintf(stderr, "rst-gerar-demo: %s needs a whole number (see --ajuda)\n", a.c_str());
            return 2;
        }
        ++i;
        if (a == "--produtos")
            op.produtos = static_cast<int>(v);
        else if (a == "--movimentos")
            op.movimentos = v;
        else if (a == "--itens")
            op.itens = v;
        else
            op.semente = static_cast<uint64_t>(v);
    }
    TDemo demo(op);
    demo.Gerar();
    if (!demo.Escrever()) {
        std::fprintf(stderr, "rst-gerar-demo: could not write the output\n");
        return 1;
    }
    return 0;
}
