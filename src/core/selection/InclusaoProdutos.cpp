#include "core/selection/InclusaoProdutos.h"

#include "core/app/DmTorvane.h"

#include <set>

namespace inclusao_produtos {

std::string ComandoInclusao(const std::string& id) {
    return "REPLACE INTO temp_produtos (produto_id) VALUES (" + id + ");";
}

void MontarScripts(const std::vector<std::string>& ids,
                   const std::function<void(const std::string& script, int comandos)>& executar,
                   const std::function<void()>& aposCada) {
    std::string script;
    int comandos = 0;
    for (size_t i = 0; i < ids.size(); ++i) {
        script += ComandoInclusao(ids[i]);
        ++comandos;
        if (comandos == kComandosPorScript || i + 1 == ids.size()) {
            executar(script, comandos);
            script.clear();
            comandos = 0;
        }
        if (aposCada)
            aposCada();
    }
}

std::vector<std::string> MontarScripts(const std::vector<std::string>& ids) {
    std::vector<std::string> scripts;
    MontarScripts(ids, [&](const std::string& script, int) { scripts.push_back(script); });
    return scripts;
}

TResultadoInclusao Incluir(TdmTorvane& dm, const std::vector<std::string>& ids,
                           const std::function<void()>& aposCada) {
    TResultadoInclusao r;
    MontarScripts(
        ids,
        [&](const std::string& script, int comandos) {
            r.ComandosPorScript.push_back(comandos);
            if (dm.ExecutarScript(script) == -1)
                ++r.ScriptsComFalha;
        },
        aposCada);
    if (r.ScriptsComFalha > 0)
        r.NaoIncluidos = ContarNaoIncluidos(dm, ids);
    return r;
}

int ContarNaoIncluidos(TdmTorvane& dm, const std::vector<std::string>& ids) {
    auto q = dm.AbrirQuery("SELECT produto_id FROM temp_produtos");
    std::set<std::string> gravados;
    for (q->Primeiro(); !q->Eof(); q->Proximo())
        gravados.insert(q->Valor("produto_id").AsString());
    std::set<std::string> escolhidos(ids.begin(), ids.end());
    int faltam = 0;
    for (const auto& id : escolhidos)
        if (!gravados.count(id))
            ++faltam;
    return faltam;
}

} // namespace inclusao_produtos
