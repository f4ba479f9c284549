#include "ui/wizard/Inicializacao.h"

#include "core/app/ConnectionInfo.h"
#include "core/app/DmTorvane.h"
#include "ui/common/Dialogos.h"
#include "ui/common/TextoQt.h"
#include "ui/wizard/FMain.h"

#include <QApplication>
#include <memory>

namespace {

// The retry question of the connection, as a box with the error icon.
class TPerguntaConexaoUI : public IPerguntaConexao {
public:
    bool TentarNovamente(const std::string& mensagem) override {
        return TDialogos::PerguntarErro(QStringLiteral("Erro"), Q(mensagem));
    }
};

} // namespace

int ExecutarAssistente(const std::function<void(TFMain&)>& aoAbrir) {
    std::unique_ptr<TdmTorvane> dm;
    try {
        TConnectionInfo& info = TConnectionInfo::ObterInstancia();
        dm = std::make_unique<TdmTorvane>(info);
        TPerguntaConexaoUI pergunta;
        if (!dm->ConectarBanco(pergunta)) return 1;
    } catch (const std::exception& e) {
        TDialogos::MostrarErro(Q(e.what()));
        return 1;
    }

    TFMain janela(*dm);
    janela.show();
    if (aoAbrir) aoAbrir(janela);
    return QApplication::exec();
}
