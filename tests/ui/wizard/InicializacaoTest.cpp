#include "core/app/PastaPrograma.h"
#include "ui/wizard/Inicializacao.h"
#include "JanelaTeste.h"

#include <QTimer>

namespace {

// Each test runs in a process of its own, so the settings object is read here for the first time.
TEST(Inicializacao, SenhaErradaPerguntaENaoEncerraSemJanela) {
    banco_teste::TBancoTeste banco(2, false);
    banco.EscreverConnectionConf("senha errada", banco_teste::Porta());
    TPastaPrograma::Definir(banco.Pasta());
    TDialogos::AtivarModoTeste();
    TDialogos::Limpar();
    for (int i = 0; i < 3; ++i) TDialogos::Responder(true); // three times Yes, then No
    TDialogos::Responder(false);
    bool abriu = false;
    EXPECT_EQ(ExecutarAssistente([&](TFMain&) { abriu = true; }), 1);
    EXPECT_FALSE(abriu);
    auto& h = TDialogos::Historico();
    ASSERT_EQ(h.size(), 4u);
    for (const auto& r : h) {
        EXPECT_EQ(r.tipo, "perguntar-erro");
        EXPECT_EQ(r.titulo, QStringLiteral("Erro"));
        EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Não foi possível conectar no banco de dados local. Erro: ")));
        EXPECT_TRUE(r.mensagem.endsWith(QStringLiteral("\r\nDeseja tentar novamente?")));
    }
}

TEST(Inicializacao, ConexaoBoaAbreOAssistente) {
    banco_teste::TBancoTeste banco(2, false);
    TPastaPrograma::Definir(banco.Pasta());
    TDialogos::AtivarModoTeste();
    TDialogos::Limpar();
    bool abriu = false;
    int codigo = ExecutarAssistente([&](TFMain& m) {
        abriu = true;
        EXPECT_EQ(m.PaginaAtiva(), TFMain::pgHome);
        TDialogos::Responder(true);
        QTimer::singleShot(0, &m, [&m] { m.btFechar->click(); });
    });
    EXPECT_TRUE(abriu);
    EXPECT_EQ(codigo, 0);
    ASSERT_EQ(TDialogos::Historico().size(), 1u);
    EXPECT_EQ(TDialogos::Historico()[0].mensagem, QStringLiteral("Deseja realmente finalizar o assistente?"));
}

} // namespace
