#pragma once

#include "core/app/Data.h"

#include <cstdint>

class TdmTorvane;
class IProgresso;

// The reimbursement calculation of one branch on an inventory date, over the working tables of the
// data module's working connection: the stock balance of each chosen product (temp_estoque), its
// coverage by the newest entry invoices (temp_documentos) and the values and status per product
// (temp_apuracao). The four lasting working tables must exist (tabelas::CriarTabelasPermanentes)
// and temp_produtos must hold the chosen products.
class TCalculoRessarcimento {
public:
    TCalculoRessarcimento(TdmTorvane& dm, int filialId, TData dataInventario, IProgresso& progresso);

    // Rebuilds temp_estoque: the stock on hand rolled back over the movements since the start of
    // the inventory date; negative balances are removed. Progress 20, 40, 60, 80, 100.
    void CalcularSaldoEstoque();
    // Builds temp_notas and temp_notas_item with every candidate entry invoice and its items.
    void PrepararNotasEntrada();
    // Rebuilds temp_documentos: each balance covered by the product's invoices, newest first.
    // Progress per product. The transient tables are dropped at the end, also when the step fails.
    void SelecionarDocumentos();
    void DescartarNotasEntrada();
    // Rebuilds temp_apuracao from temp_estoque and temp_documentos.
    void CalcularRessarcimento();
    // true when some product has ICMS to be reimbursed; a failing query answers false.
    bool ExisteItemRestituir();

private:
    void AlocarProduto(int64_t produtoId, int64_t saldo);

    TdmTorvane& m_dm;
    int m_filialId;
    TData m_dataInventario;
    IProgresso& m_progresso;
};
