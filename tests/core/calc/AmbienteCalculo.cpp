#include "core/calc/AmbienteCalculo.h"

#include "core/calc/TabelasTrabalho.h"

namespace calculo_teste {

namespace {
std::string Txt(const std::string& s) { return TdmTorvane::AspasSQL(s); }
} // namespace

CalculoTeste::CalculoTeste() { tabelas::CriarTabelasPermanentes(dm, tabelasTemporarias); }

void CalculoTeste::Estoque(int produto, int estoque) {
    banco.Executar("INSERT INTO estoque_minimo (produto_id, estoque) VALUES (" + std::to_string(produto) + ", " +
                   std::to_string(estoque) + ")");
}

void CalculoTeste::Movimento(const TMovimento& m) {
    banco.Executar("INSERT INTO movment (filial_id, dafilial_id, produto_id, e_s, quanti_uni, data_hora, oper, apagado) "
                   "VALUES (" +
                   std::to_string(m.filial) + ", " + std::to_string(m.dafilial) + ", " + std::to_string(m.produto) +
                   ", " + Txt(m.e_s) + ", " + std::to_string(m.quantidade) + ", " + Txt(m.dataHora) + ", " +
                   std::to_string(m.oper) + ", " + Txt(m.apagado) + ")");
}

void CalculoTeste::Nota(const TNota& n) {
    banco.Executar("INSERT INTO nota_fiscal (filial_id, nota_fiscal_id, num_nota, modelo, chave, data_emissao, "
                   "tipo_nota, fornece_id, filial_id_trans, apagado, cancelada) VALUES (" +
                   std::to_string(n.filial) + ", " + std::to_string(n.id) + ", " + std::to_string(1000 + n.id) +
                   ", \"55\", " + Txt("CHAVE" + std::to_string(n.id)) + ", " + Txt(n.dataEmissao) + ", " +
                   Txt(n.tipo) + ", " + std::to_string(n.fornece) + ", " + std::to_string(n.filialTrans) + ", " +
                   Txt(n.apagado) + ", " + Txt(n.cancelada) + ")");
}

void CalculoTeste::Item(const TItem& i) {
    banco.Executar("INSERT INTO nota_fiscal_item (filial_id, nota_fiscal_id, nota_fiscal_item_id, produto_id, quant, "
                   "valor_unit, valor_frete, valor_seguro, valor_outras, desc_val, st, base_calc_icms_sub, "
                   "base_calc_icms_sub_ret, apagado) VALUES (" +
                   std::to_string(i.filial) + ", " + std::to_string(i.nota) + ", " + std::to_string(i.item) + ", " +
                   std::to_string(i.produto) + ", " + std::to_string(i.quantidade) + ", " + i.valorUnit + ", " +
                   i.frete + ", " + i.seguro + ", " + i.outras + ", " + i.desconto + ", " + Txt(i.st) + ", " +
                   i.baseSub + ", " + i.baseSubRet + ", " + Txt(i.apagado) + ")");
}

void CalculoTeste::Compra(int nota, const std::string& data, int produto, int quantidade,
                          const std::string& valorUnit, const std::string& baseRet) {
    TNota n{nota};
    n.dataEmissao = data;
    Nota(n);
    TItem i{nota, 1, produto};
    i.quantidade = quantidade;
    i.valorUnit = valorUnit;
    i.baseSubRet = baseRet;
    Item(i);
}

void CalculoTeste::Escolher(const std::vector<int>& produtos) {
    for (int p : produtos)
        dm.ExecutarSQL("REPLACE INTO temp_produtos (produto_id) VALUES (" + std::to_string(p) + ");");
}

TCalculoRessarcimento CalculoTeste::Calculo(const TData& data, int filialId) {
    return TCalculoRessarcimento(dm, filialId, data, progresso);
}

void CalculoTeste::CalcularTudo(const TData& data) {
    TCalculoRessarcimento c = Calculo(data);
    c.CalcularSaldoEstoque();
    c.SelecionarDocumentos();
    c.CalcularRessarcimento();
}

std::string CalculoTeste::Linhas(const std::string& sql) {
    auto q = dm.AbrirQuery(sql);
    std::string s;
    for (int l = 0; l < q->QuantidadeRegistros(); ++l) {
        for (int c = 0; c < q->QuantidadeCampos(); ++c) {
            if (c > 0) s += "|";
            s += q->Valor(l, c).AsString();
        }
        s += "\n";
    }
    return s;
}

std::string CalculoTeste::Saldos() {
    return Linhas("SELECT produto_id, quantidade FROM temp_estoque ORDER BY produto_id");
}

std::string CalculoTeste::Documentos() {
    return Linhas("SELECT produto_id, nota_fiscal_id, quantidade_comprovada, vl_unit, vl_bc_icms_ret_unit "
                  "FROM temp_documentos ORDER BY produto_id, data_emissao DESC, nota_fiscal_id DESC");
}

std::string CalculoTeste::Apuracao() {
    return Linhas("SELECT produto_id, quantidade_estoque, quantidade_comprovada, vl_unit_medio, "
                  "vl_bc_icms_ret_medio, vl_item_total, vl_bc_icms_ret_total, vl_icms_ret_total, status, "
                  "status_tem_imposto FROM temp_apuracao ORDER BY produto_id");
}

} // namespace calculo_teste
