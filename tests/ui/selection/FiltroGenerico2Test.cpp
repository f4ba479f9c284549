#include "JanelaTeste.h"

#include "core/app/Erros.h"
#include "core/app/Query.h"
#include "core/app/Texto.h"
#include "core/selection/FixtureSelecao.h"
#include "ui/common/Grade.h"
#include "ui/common/TextoQt.h"
#include "ui/selection/FFiltroGenerico2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const std::string kTodos = texto::W("TODOS OS REGISTROS ESTÃO SELECIONADOS");

class FiltroGenerico2Test : public JanelaTeste {
protected:
    void SetUp() override {
        JanelaTeste::SetUp();
        banco.Executar(fixture_selecao::kLookups);
    }
    // The group filter over the lookup rows: HIGIENE (4), MEDICAMENTOS (1), PERFUMARIA (2); group 3 is
    // deleted.
    std::unique_ptr<TFFiltroGenerico2> Grupos(const std::string& atuais) {
        ids = atuais;
        return std::make_unique<TFFiltroGenerico2>(nullptr, banco.dm(), "grupo_id", "desc_arvore", "grupo",
                                                   QStringLiteral("Código"), QStringLiteral("Grupo"), ids,
                                                   descricao, "apagado");
    }
    static std::string Linhas(TFFiltroGenerico2& f) {
        std::string s;
        for (int i = 0; i < f.QrySelecao->QuantidadeRegistros(); ++i)
            s += f.QrySelecao->Valor(i, "grupo_id").AsString() +
                 f.QrySelecao->Valor(i, "MARCADO").AsString() + " ";
        return s;
    }
    std::string ids;
    std::string descricao;
};

TEST_F(FiltroGenerico2Test, SemFiltroTudoMarcadoEOKDevolveListaVazia) {
    auto f = Grupos("");
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Filtro - Seleção de Grupo"));
    EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("Grupo (Código/Descrição)"));
    EXPECT_EQ(f->oGrid->Modelo()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Código"));
    EXPECT_EQ(f->oGrid->Modelo()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Grupo"));
    EXPECT_EQ(f->oGrid->columnWidth(0), 60);
    EXPECT_EQ(f->oGrid->columnWidth(1), 315);
    // the deleted group is never offered; rows by description
    EXPECT_EQ(Linhas(*f), "4S 1S 2S ");
    descricao = "antes";
    QTest::keyClick(f->EditPesquisa, Qt::Key_Return); // Enter presses OK from any control
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(ids, "");
    EXPECT_EQ(descricao, kTodos);
    EXPECT_FALSE(f->NadaSelecionado);
}

TEST_F(FiltroGenerico2Test, FiltroAtualVemMarcadoEPerdeLinhaApagada) {
    auto f = Grupos("(1,3)");
    EXPECT_EQ(Linhas(*f), "4N 1S 2N ");
    f->btnOKClick();
    EXPECT_EQ(ids, "(1)");
    EXPECT_EQ(descricao, "00000001 - MEDICAMENTOS");
}

TEST_F(FiltroGenerico2Test, ListasDevolvidas) {
    struct {
        const char* nome;
        std::vector<int> teclas; // F5 on the current row (the first: HIGIENE), F6, F7, Down
        std::string ids;
        std::string descricao;
        bool nada;
    } casos[] = {
        {"uma linha", {Qt::Key_F7, Qt::Key_Down, Qt::Key_F5}, "(1)", "00000001 - MEDICAMENTOS", false},
        {"todas menos uma", {Qt::Key_F5}, "(1,2)", "00000001 - MEDICAMENTOS\r\n00000002 - PERFUMARIA", false},
        {"todas", {Qt::Key_F7, Qt::Key_F6}, "", kTodos, false},
        {"nenhuma", {Qt::Key_F7}, "", kTodos, true},
        {"desmarcar e marcar de novo",
         {Qt::Key_F5, Qt::Key_F5, Qt::Key_Down, Qt::Key_Down, Qt::Key_F5},
         "(4,1)",
         "00000004 - HIGIENE\r\n00000001 - MEDICAMENTOS",
         false},
    };
    for (const auto& c : casos) {
        auto f = Grupos("");
        descricao.clear();
        for (int t : c.teclas)
            QTest::keyClick(t == Qt::Key_Down ? static_cast<QWidget*>(f->oGrid) : f.get(),
                            static_cast<Qt::Key>(t));
        QTest::keyClick(f.get(), Qt::Key_Return);
        EXPECT_EQ(f->result(), QDialog::Accepted) << c.nome;
        EXPECT_EQ(ids, c.ids) << c.nome;
        EXPECT_EQ(descricao, c.descricao) << c.nome;
        EXPECT_EQ(f->NadaSelecionado, c.nada) << c.nome;
    }
}

TEST_F(FiltroGenerico2Test, TabelaVaziaNadaSelecionado) {
    banco.Executar("UPDATE grupo SET apagado = 'S'");
    auto f = Grupos("(1)");
    EXPECT_EQ(f->QrySelecao->QuantidadeRegistros(), 0);
    QTest::keyClick(f.get(), Qt::Key_F5); // marking keys do nothing without rows
    QTest::keyClick(f.get(), Qt::Key_F6);
    f->btnOKClick();
    EXPECT_EQ(ids, "");
    EXPECT_EQ(descricao, kTodos);
    EXPECT_TRUE(f->NadaSelecionado);
}

TEST_F(FiltroGenerico2Test, CancelarMantemOsParametros) {
    for (QWidget* (*cancelar)(TFFiltroGenerico2&) :
         {+[](TFFiltroGenerico2& f) -> QWidget* { return &f; },               // Esc anywhere
          +[](TFFiltroGenerico2& f) -> QWidget* { return f.btnCancelar; }}) { // Enter on the focused button
        auto f = Grupos("(1)");
        descricao = "antes";
        QTest::keyClick(f.get(), Qt::Key_F7);
        QWidget* alvo = cancelar(*f);
        QTest::keyClick(alvo, alvo == f.get() ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_EQ(f->result(), QDialog::Rejected);
        EXPECT_EQ(ids, "(1)");
        EXPECT_EQ(descricao, "antes");
        EXPECT_FALSE(f->NadaSelecionado);
    }
}

TEST_F(FiltroGenerico2Test, PesquisaIncrementalPorCodigoOuDescricao) {
    auto f = Grupos("");
    struct {
        const char* texto;
        int linha; // expected record number afterwards
    } casos[] = {
        {"2", 3},    {"4", 1},   {"99", 1}, // no such code: stays
        {"perf", 3}, {"MeD", 2}, {"x", 2},  {"   ", 2}, {"1", 2}, {"HIGIENE", 1},
    };
    for (const auto& c : casos) {
        f->EditPesquisa->setText(QString::fromUtf8(c.texto));
        EXPECT_EQ(f->QrySelecao->NumeroRegistro(), c.linha) << c.texto;
        EXPECT_EQ(f->oGrid->currentIndex().row() + 1, c.linha) << c.texto;
    }
    // nothing filtered nor marked, and F5 works on the row found
    EXPECT_EQ(Linhas(*f), "4S 1S 2S ");
    f->EditPesquisa->setText("perf");
    QTest::keyClick(f.get(), Qt::Key_F5);
    EXPECT_EQ(Linhas(*f), "4S 1S 2N ");
}

TEST_F(FiltroGenerico2Test, LinhasMarcadasEmVermelhoClaro) {
    auto f = Grupos("(1)");
    auto cores = [&](int linha, bool selecionada) {
        QStyleOptionViewItem o;
        o.widget = f->oGrid;
        o.state = selecionada ? QStyle::State_Selected : QStyle::State_None;
        return f->Delegate->Cores(o, f->oGrid->Modelo()->index(linha, 1));
    };
    const QColor textoJanela = QApplication::palette().color(QPalette::WindowText);
    EXPECT_EQ(cores(1, false).fundo, QColor(255, 128, 128));
    EXPECT_EQ(cores(1, false).texto, textoJanela);
    EXPECT_EQ(cores(1, true).fundo, QColor(255, 128, 128)); // selected, the grid without the focus
    EXPECT_EQ(cores(1, true).texto, textoJanela);
    EXPECT_EQ(cores(0, false).fundo, QColor(186, 211, 254)); // unmarked rows keep the grid's colours
    EXPECT_EQ(cores(2, false).fundo, TColorGrid::ColorirLinha(false, 3).fundo);

    f->show();
    f->activateWindow();
    f->oGrid->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(f->oGrid->hasFocus());
    EXPECT_EQ(cores(1, true).fundo, QColor(255, 128, 128));
    EXPECT_EQ(cores(1, true).texto, QColor(Qt::white));
}

TEST_F(FiltroGenerico2Test, TabelaInexistenteSaiDoConstrutor) {
    EXPECT_THROW(TFFiltroGenerico2(nullptr, banco.dm(), "x_id", "descricao", "nao_existe", "Código", "X", ids,
                                   descricao, "apagado"),
                 EErroBanco);
}

} // namespace
