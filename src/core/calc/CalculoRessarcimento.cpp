#include "core/calc/CalculoRessarcimento.h"

#include "core/app/DmTorvane.h"
#include "core/app/Progresso.h"
#include "core/app/Texto.h"
#include "core/calc/ComandosCalculo.h"
#include "core/calc/TabelasTrabalho.h"

namespace sql = comandos_calculo;

TCalculoRessarcimento::TCalculoRessarcimento(TdmTorvane& dm, int filialId, TData dataInventario,
                                             IProgresso& progresso)
    : m_dm(dm), m_filialId(filialId), m_dataInventario(dataInventario), m_progresso(progresso) {}

void TCalculoRessarcimento::CalcularSaldoEstoque() {
    m_progresso.AtualizarTela();
    const std::string comandos[] = {sql::kTruncarEstoque, sql::kInserirProdutosEstoque,
                                    sql::SomarMovimentosDesdeData(m_filialId, m_dataInventario),
                                    sql::kSomarEstoqueAtual, sql::kRemoverSaldosNegativos};
    int progresso = 0;
    for (const std::string& comando : comandos) {
        m_dm.ExecutarSQL(comando);
        m_progresso.AtualizarTela();
        progresso += 20;
        m_progresso.DefinirProgresso(progresso);
    }
}

void TCalculoRessarcimento::PrepararNotasEntrada() {
    // A calculation that failed earlier on this connection may have left them behind.
    DescartarNotasEntrada();
    m_dm.ExecutarSQL(tabelas::kCriarTempNotas);
    m_dm.ExecutarSQL(sql::InserirNotasEntrada(m_filialId, m_dataInventario));
    m_dm.ExecutarSQL(tabelas::kCriarTempNotasItem);
    m_dm.ExecutarSQL(sql::kInserirItensNotasEntrada);
}

void TCalculoRessarcimento::DescartarNotasEntrada() { m_dm.ExecutarScript(tabelas::kDescartarNotasEntrada); }

void TCalculoRessarcimento::SelecionarDocumentos() {
    m_progresso.AtualizarTela();
    m_dm.ExecutarSQL(sql::kTruncarDocumentos);
    m_progresso.AtualizarTela();
    auto saldos = m_dm.AbrirQuery(sql::kSaldos);
    m_progresso.AtualizarTela();
    if (saldos->Vazia()) return;

    try {
        PrepararNotasEntrada();
        const int64_t linhas = saldos->QuantidadeRegistros();
        for (saldos->Primeiro(); !saldos->Eof(); saldos->Proximo()) {
            m_progresso.DefinirProgresso(static_cast<int>(saldos->NumeroRegistro() * 100 / linhas));
            AlocarProduto(saldos->Valor("produto_id").AsInteger(), saldos->Valor("saldo").AsInteger());
        }
    } catch (...) {
        DescartarNotasEntrada();
        throw;
    }
    saldos.reset();
    DescartarNotasEntrada();
}

// Covers one balance with the product's invoices, newest first; the oldest invoice used gives only
// what is still missing. The product's rows go to the server as one script.
void TCalculoRessarcimento::AlocarProduto(int64_t produtoId, int64_t saldo) {
    auto notas = m_dm.AbrirQuery(sql::NotasDoProduto(produtoId));
    m_progresso.AtualizarTela();

    std::string lote;
    int64_t comprovado = 0;
    for (notas->Primeiro(); comprovado < saldo && !notas->Eof(); notas->Proximo()) {
        sql::TDocumentoComprovado d;
        d.filialId = notas->Valor("filial_id").AsInteger();
        d.notaFiscalId = notas->Valor("nota_fiscal_id").AsInteger();
        d.numNota = notas->Valor("num_nota").AsInteger();
        d.modelo = notas->Valor("modelo").AsString();
        d.chave = notas->Valor("chave").AsString();
        d.dataEmissao = notas->Valor("data_emissao").AsData();
        d.nomeEmit = notas->Valor("nome_emit").AsString();
        d.cnpjEmit = notas->Valor("cnpj_emit").AsString();
        d.ieEmit = notas->Valor("ie_emit").AsString();
        d.produtoId = produtoId;
        const int64_t q = notas->Valor("quantidade_comprovada").AsInteger();
        d.quantidadeComprovada = q + comprovado > saldo ? saldo - comprovado : q;
        d.vlUnit = notas->Valor("vl_unit").AsDinheiro();
        d.vlBcIcmsRetUnit = notas->Valor("vl_bc_icms_ret_unit").AsDinheiro();
        comprovado += d.quantidadeComprovada;
        lote += sql::InserirDocumento(d);
        m_progresso.AtualizarTela();
    }
    // A failing row is not reported: the rows before it stay, the step goes on with the next product.
    if (!texto::Aparar(lote).empty()) m_dm.ExecutarScript(lote);
    notas.reset();
    m_progresso.AtualizarTela();
}

void TCalculoRessarcimento::CalcularRessarcimento() {
    m_progresso.AtualizarTela();
    m_dm.ExecutarSQL(sql::kTruncarApuracao);
    m_progresso.AtualizarTela();
    m_dm.ExecutarSQL(sql::InserirApuracao(m_filialId));
    m_progresso.AtualizarTela();
    m_dm.ExecutarSQL(sql::kTotalizarApuracao);
    m_progresso.AtualizarTela();
}

bool TCalculoRessarcimento::ExisteItemRestituir() {
    return m_dm.ObterValor(sql::kContarItensRestituir, 0).AsInteger() > 0;
}
