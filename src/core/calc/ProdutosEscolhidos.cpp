#include "core/calc/ProdutosEscolhidos.h"

#include "core/app/DmTorvane.h"
#include "core/app/Erros.h"
#include "core/app/Texto.h"
#include "core/calc/ComandosCalculo.h"
#include "core/selection/InclusaoProdutos.h"

void TProdutosEscolhidos::Gravar(TdmTorvane& dm, const std::vector<int64_t>& produtos) {
    std::vector<std::string> ids;
    ids.reserve(produtos.size());
    for (int64_t p : produtos) ids.push_back(std::to_string(p));
    // the same scripts of at most 500 statements as the products page sends
    if (inclusao_produtos::Incluir(dm, ids).ScriptsComFalha > 0)
        throw EErroSistema(texto::W("Não foi possível gravar os produtos escolhidos."));
}

std::vector<int64_t> TProdutosEscolhidos::Todos(TdmTorvane& dm) {
    auto q = dm.AbrirQuery(comandos_calculo::kTodosProdutos);
    std::vector<int64_t> ids;
    ids.reserve(static_cast<size_t>(q->QuantidadeRegistros()));
    for (q->Primeiro(); !q->Eof(); q->Proximo()) ids.push_back(q->Valor("produto_id").AsInteger());
    return ids;
}
