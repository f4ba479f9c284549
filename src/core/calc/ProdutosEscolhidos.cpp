#include "core/calc/ProdutosEscolhidos.h"

#include "core/app/DmTorvane.h"
#include "core/app/Erros.h"
#include "core/app/Texto.h"
#include "core/calc/ComandosCalculo.h"

void TProdutosEscolhidos::Gravar(TdmTorvane& dm, const std::vector<int64_t>& produtos) {
    std::string script;
    int comandos = 0;
    for (size_t i = 0; i < produtos.size(); ++i) {
        script += comandos_calculo::EscolherProduto(produtos[i]);
        ++comandos;
        if (comandos == kComandosPorScript || i + 1 == produtos.size()) {
            if (dm.ExecutarScript(script) != 0)
                throw EErroSistema(texto::W("Não foi possível gravar os produtos escolhidos."));
            script.clear();
            comandos = 0;
        }
    }
}

std::vector<int64_t> TProdutosEscolhidos::Todos(TdmTorvane& dm) {
    auto q = dm.AbrirQuery(comandos_calculo::kTodosProdutos);
    std::vector<int64_t> ids;
    ids.reserve(static_cast<size_t>(q->QuantidadeRegistros()));
    for (q->Primeiro(); !q->Eof(); q->Proximo()) ids.push_back(q->Valor("produto_id").AsInteger());
    return ids;
}
