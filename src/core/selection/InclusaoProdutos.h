#pragma once

#include <functional>
#include <string>
#include <vector>

class TdmTorvane;

// Adds the chosen products to temp_produtos of the working connection.
namespace inclusao_produtos {

// Statements sent to the server in one script, at most.
constexpr int kComandosPorScript = 500;

// "REPLACE INTO temp_produtos (produto_id) VALUES (<id>);" for one id in decimal.
std::string ComandoInclusao(const std::string& id);

// Walks the ids in order, appending each one's statement to a script; the script is handed to
// "executar" (with its number of statements) when it holds 500 statements or the id is the
// last one, and "aposCada" runs after each id.
void MontarScripts(const std::vector<std::string>& ids,
                   const std::function<void(const std::string& script, int comandos)>& executar,
                   const std::function<void()>& aposCada = {});
// The scripts the walk above hands over, in order.
std::vector<std::string> MontarScripts(const std::vector<std::string>& ids);

struct TResultadoInclusao {
    std::vector<int> ComandosPorScript; // statements of each script sent, in order
    int ScriptsComFalha = 0;            // scripts whose run returned -1
    int NaoIncluidos = 0;               // chosen ids missing from temp_produtos after a failure
};

// Runs the scripts with ExecutarScript: a failing statement stops the rest of its script and the
// following scripts still run. When any script failed, counts the chosen ids that the table
// does not hold afterwards.
TResultadoInclusao Incluir(TdmTorvane& dm, const std::vector<std::string>& ids,
                           const std::function<void()>& aposCada = {});

// How many of the ids temp_produtos does not hold.
int ContarNaoIncluidos(TdmTorvane& dm, const std::vector<std::string>& ids);

} // namespace inclusao_produtos
