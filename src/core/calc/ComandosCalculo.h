#pragma once

#include "core/app/Data.h"
#include "core/app/Dinheiro.h"

#include <cstdint>
#include <string>

// Every statement of the calculation steps, in the order the steps send them. Values are spliced
// as the system splices them: integers in decimal, texts through TdmTorvane::AspasSQL, money with
// FormatarValorSQL.
namespace comandos_calculo {

// --- Stock balance on the inventory date (temp_estoque) ---

extern const char* const kTruncarEstoque;
extern const char* const kInserirProdutosEstoque;
// Rolls the balance back over the sum of the product's movements since the start of the date.
std::string SomarMovimentosDesdeData(int filialId, const TData& dataInventario);
extern const char* const kSomarEstoqueAtual;
extern const char* const kRemoverSaldosNegativos;

// The instant the rollback starts from, as MariaDB reads it against a DATETIME: "2016-02-22 00:00:00".
std::string InicioDoDia(const TData& data);

// --- Entry invoices and the coverage of each balance (temp_documentos) ---

extern const char* const kTruncarDocumentos;
extern const char* const kSaldos;
std::string InserirNotasEntrada(int filialId, const TData& dataInventario);
extern const char* const kInserirItensNotasEntrada;
// The product's candidate invoices in the order they cover its balance: newest first, and among
// invoices of the same day the higher nota_fiscal_id first.
std::string NotasDoProduto(int64_t produtoId);

// One invoice's share of a product's balance, as the allocation stores it.
struct TDocumentoComprovado {
    int64_t filialId = 0;
    int64_t notaFiscalId = 0;
    int64_t numNota = 0;
    std::string modelo;
    std::string chave;
    TData dataEmissao;
    std::string nomeEmit;
    std::string cnpjEmit;
    std::string ieEmit;
    int64_t produtoId = 0;
    int64_t quantidadeComprovada = 0;
    TDinheiro vlUnit;
    TDinheiro vlBcIcmsRetUnit;
};
// One statement of a product's batch, ending with "); " and a line break.
std::string InserirDocumento(const TDocumentoComprovado& d);

// temp_documentos in the order the allocation took its rows: per product, newest invoice first.
extern const char* const kDocumentosNaOrdemDaAlocacao;

// --- Reimbursement values and status (temp_apuracao) ---

extern const char* const kTruncarApuracao;
std::string InserirApuracao(int filialId);
extern const char* const kTotalizarApuracao;
extern const char* const kContarItensRestituir;
extern const char* const kApuracaoPorProduto;

// --- The chosen products (temp_produtos) ---

// Every live product of type "P", in id order.
extern const char* const kTodosProdutos;

} // namespace comandos_calculo
