#include "core/app/DmTorvane.h"
#include "ui/common/Grade.h"
#include "ui/review/FDetalhes.h"
#include "ui/wizard/PaginaResultados.h"
#include "JanelaTeste.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

class PaginaResultadosTest : public JanelaTeste {
protected:
    TPaginaResultados* r = nullptr;

    void SetUp() override {
        JanelaTeste::SetUp();
        banco.Executar(
            "INSERT INTO produto (produto_id, descricao, ncm, barras) VALUES"
            " (123, 'DIPIRONA 500MG', '30049099', '7891234567895'),"
            " (7, 'AMOXICILINA 500MG', '30041012', '7890000000001'),"
            " (45, 'CREME \"MAOS\" 50G', '33049910', '7890000000002'),"
            " (9, 'PROTETOR FPS 30', '33049990', '7890000000003'),"
            " (1230, 'SORO 123A', '30049099', '7890000000004');");
        Abrir();
        r = main->tabResultados;
        main->PageControl1->setCurrentIndex(TFMain::pgResultados);
        // status 0 with tax, 1 with tax, 2 without, 0 without tax (zero balance), 1 with 0.00 tax
        banco.dm().ExecutarSQL(
            "INSERT INTO temp_apuracao (filial_id, produto_id, quantidade_estoque, quantidade_comprovada,"
            " vl_bc_icms_ret_total, vl_icms_ret_total, status, status_tem_imposto) VALUES"
            " (2, 123, 10, 10, 123.00, 7.38, 0, 'S'), (2, 7, 5, 2, 20.00, 1.20, 1, 'S'),"
            " (2, 45, 3, 0, 0, 0, 2, 'N'), (2, 9, 0, 0, 0, 0, 0, 'N'), (2, 1230, 4, 1, 0.08, 0.00, 1, 'S')");
    }

    std::vector<long long> Ids() {
        std::vector<long long> ids;
        TQuery* q = r->DBGridApuracao->Query();
        for (int i = 0; i < q->QuantidadeRegistros(); ++i) ids.push_back(q->Valor(i, "produto_id").AsInteger());
        return ids;
    }
    void Filtrar(const QString& texto, std::initializer_list<QCheckBox*> marcados = {}) {
        r->edFiltro->setText(texto);
        for (QCheckBox* cb : {r->cbFiltroRegular, r->cbFiltroParcial, r->cbFiltroIrregular, r->cbFiltroQuantidade,
                              r->cbFiltroImposto})
            cb->setChecked(false);
        for (QCheckBox* cb : marcados) cb->setChecked(true);
        r->btFiltrar->click();
    }
};

TEST_F(PaginaResultadosTest, PesquisaFiltrosEContagem) {
    struct Caso {
        QString texto;
        std::vector<QCheckBox*> caixas;
        std::vector<long long> ids; // ordered by description
        QString contagem;
    };
    const QString sufixo = QStringLiteral(" (filtro aplicado)");
    const std::vector<Caso> casos = {
        {"", {}, {7, 45, 123, 9, 1230}, "5 registros na grade"},
        {"   ", {}, {7, 45, 123, 9, 1230}, "5 registros na grade"}, // blanks only: no criterion
        {"123", {}, {123}, "1 registro na grade" + sufixo},
        {"123a", {}, {1230}, "1 registro na grade" + sufixo},
        {" 123", {}, {1230}, "1 registro na grade" + sufixo}, // a leading blank searches descriptions
        {"\"MAOS\"", {}, {45}, "1 registro na grade" + sufixo},     // a double quote is found, not an error
        {"%", {}, {}, "Nenhum registro na grade" + sufixo},          // a percent sign is itself
        {"", {r->cbFiltroRegular, r->cbFiltroParcial}, {7, 123, 9, 1230}, "4 registros na grade" + sufixo},
        {"", {r->cbFiltroRegular, r->cbFiltroParcial, r->cbFiltroIrregular}, {7, 45, 123, 9, 1230},
         "5 registros na grade" + sufixo},
        {"", {r->cbFiltroImposto}, {7, 123}, "2 registros na grade" + sufixo},
        {"", {r->cbFiltroQuantidade}, {7, 45, 123, 1230}, "4 registros na grade" + sufixo},
        {"MG", {r->cbFiltroIrregular}, {}, "Nenhum registro na grade" + sufixo},
        {"999", {}, {}, "Nenhum registro na grade" + sufixo},
    };
    for (const auto& c : casos) {
        r->edFiltro->setText(c.texto);
        for (QCheckBox* cb : {r->cbFiltroRegular, r->cbFiltroParcial, r->cbFiltroIrregular, r->cbFiltroQuantidade,
                              r->cbFiltroImposto})
            cb->setChecked(std::find(c.caixas.begin(), c.caixas.end(), cb) != c.caixas.end());
        r->btFiltrar->click();
        EXPECT_TRUE(Mensagens().empty()) << c.texto.toStdString();
        EXPECT_EQ(Ids(), c.ids) << c.texto.toStdString();
        EXPECT_EQ(r->lbRodapeApuracaoQtd->text(), c.contagem) << c.texto.toStdString();
        EXPECT_EQ(r->lbRodapeApuracaoQtd->font().bold(), c.contagem.endsWith(sufixo));
    }
}

TEST_F(PaginaResultadosTest, IndicadorDeFiltroEPainel) {
    EXPECT_FALSE(r->lbFiltroAtivado->isVisible());
    r->btExibirFiltros->click();
    EXPECT_TRUE(r->pnFiltros->isVisible());
    // the panel drops down just below the search box
    EXPECT_EQ(r->pnFiltros->pos(), r->edFiltro->mapTo(r, QPoint(0, r->edFiltro->height() + 2)));
    r->cbFiltroImposto->click();
    EXPECT_TRUE(r->lbFiltroAtivado->isVisible()); // before any search
    r->cbFiltroImposto->click();
    EXPECT_FALSE(r->lbFiltroAtivado->isVisible());
    r->edFiltro->setText("DIPIRONA");
    r->btFiltrar->click(); // hides the panel and searches
    EXPECT_FALSE(r->pnFiltros->isVisible());
    EXPECT_FALSE(r->lbFiltroAtivado->isVisible()); // the text does not count
    r->btExibirFiltros->click();
    r->btFecharFiltro->click();
    EXPECT_FALSE(r->pnFiltros->isVisible());
}

TEST_F(PaginaResultadosTest, OrdenacaoPorTitulo) {
    r->AtualizarGradeApuracao();
    TGrade* g = r->DBGridApuracao;
    const int id = g->IndiceColuna("produto_id"), desc = g->IndiceColuna("descricao");
    r->DBGridApuracaoTitleClick(id);
    EXPECT_EQ(Ids(), (std::vector<long long>{7, 9, 45, 123, 1230}));
    EXPECT_EQ(g->Cabecalho()->CorTitulo(id), QColor(255, 255, 0));
    EXPECT_EQ(g->Cabecalho()->CorTitulo(desc), QColor(Qt::white));
    r->DBGridApuracaoTitleClick(id);
    EXPECT_EQ(Ids(), (std::vector<long long>{1230, 123, 45, 9, 7}));
    r->DBGridApuracaoTitleClick(id);
    EXPECT_EQ(Ids(), (std::vector<long long>{7, 9, 45, 123, 1230}));
    // another column starts ascending; A, B, A again gives A ascending
    r->DBGridApuracaoTitleClick(desc);
    EXPECT_EQ(Ids(), (std::vector<long long>{7, 45, 123, 9, 1230}));
    r->DBGridApuracaoTitleClick(id);
    EXPECT_EQ(Ids(), (std::vector<long long>{7, 9, 45, 123, 1230}));
    EXPECT_EQ(r->OrdemGradeApuracao.Direcao, "asc");
    // the picture columns sort by status and by status_tem_imposto
    r->DBGridApuracaoTitleClick(0);
    EXPECT_EQ(r->OrdemGradeApuracao.Campo, "status");
    TQuery* q = g->Query();
    for (int i = 1; i < q->QuantidadeRegistros(); ++i)
        EXPECT_LE(q->Valor(i - 1, "status").AsInteger(), q->Valor(i, "status").AsInteger());
    r->DBGridApuracaoTitleClick(1);
    EXPECT_EQ(r->OrdemGradeApuracao.Campo, "status_tem_imposto");
    EXPECT_EQ(q->Valor(0, "status_tem_imposto").AsString(), "N");
    // the next refresh returns to the order by description
    r->AtualizarGradeApuracao();
    EXPECT_EQ(Ids(), (std::vector<long long>{7, 45, 123, 9, 1230}));
    // a click on an empty grid does nothing, not even the colours
    Filtrar("999");
    g->Cabecalho()->PintarTodos(Qt::white);
    r->DBGridApuracaoTitleClick(id);
    EXPECT_EQ(g->Cabecalho()->CorTitulo(id), QColor(Qt::white));
}

TEST_F(PaginaResultadosTest, ValoresCoresEQuadrados) {
    r->AtualizarGradeApuracao();
    TGrade* g = r->DBGridApuracao;
    TModeloQuery* m = g->Modelo();
    EXPECT_EQ(m->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString());
    EXPECT_EQ(m->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("ID"));
    // DIPIRONA is the third row by description
    const int linha = 2;
    QLocale l;
    EXPECT_EQ(m->Texto(linha, g->IndiceColuna("vl_bc_icms_ret_total")), QStringLiteral("123") + l.decimalPoint() + "00");
    EXPECT_EQ(m->Texto(linha, g->IndiceColuna("aliq_icms_ret")), QStringLiteral("6") + l.decimalPoint() + "00");
    EXPECT_EQ(m->Texto(linha, g->IndiceColuna("vl_icms_ret_total")), QStringLiteral("7") + l.decimalPoint() + "38");

    // paint the grid and look at the squares of the picture columns
    g->resize(800, 200);
    g->show();
    QApplication::processEvents();
    g->clearSelection();
    g->setCurrentIndex(QModelIndex());
    QImage img = g->viewport()->grab().toImage();
    auto corEm = [&](int row, int col) {
        QRect rc = g->visualRect(m->index(row, col));
        return img.pixelColor(rc.left() + 10, rc.top() + 8);
    };
    // rows by description: 7 (status 1, S), 45 (2, N), 123 (0, S), 9 (0, N), 1230 (1, S)
    EXPECT_EQ(corEm(0, 0), QColor(255, 255, 128));
    EXPECT_EQ(corEm(1, 0), QColor(255, 72, 72));
    EXPECT_EQ(corEm(1, 1), QColor(128, 128, 128)); // red and grey for status 2 without tax
    EXPECT_EQ(corEm(2, 0), QColor(54, 154, 235));
    EXPECT_EQ(corEm(0, 1), QColor(186, 211, 254)); // no grey square: the stripe shows
    // stripes: first, third, fifth light blue
    auto fundo = [&](int row) {
        QRect rc = g->visualRect(m->index(row, 3));
        return img.pixelColor(rc.right() - 2, rc.top() + 2);
    };
    EXPECT_EQ(fundo(0), QColor(186, 211, 254));
    EXPECT_EQ(fundo(2), QColor(186, 211, 254));
    EXPECT_EQ(fundo(4), QColor(186, 211, 254));
    EXPECT_NE(fundo(1), QColor(186, 211, 254));
    EXPECT_NE(fundo(3), QColor(186, 211, 254));
}

TEST_F(PaginaResultadosTest, ContagemComMilhares) {
    std::string valores;
    for (int i = 0; i < 1500; ++i) {
        valores += (i ? "," : "") + std::string("(") + std::to_string(10000 + i) + ", 'P" + std::to_string(i) + "')";
    }
    banco.Executar("INSERT INTO produto (produto_id, descricao) VALUES " + valores);
    banco.dm().ExecutarSQL("INSERT INTO temp_apuracao (filial_id, produto_id) SELECT 2, produto_id FROM produto WHERE produto_id >= 10000");
    r->AtualizarGradeApuracao();
    EXPECT_EQ(r->lbRodapeApuracaoQtd->text(), QStringLiteral("1") + QLocale().groupSeparator() + "505 registros na grade");
}

TEST_F(PaginaResultadosTest, DuploCliqueAbreOsDetalhes) {
    Filtrar("123");
    r->DBGridApuracaoDblClick();
    auto msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, "detalhes");
    EXPECT_EQ(msgs[0].mensagem, QStringLiteral("DIPIRONA 500MG"));
    Filtrar("999");
    r->DBGridApuracaoDblClick(); // empty grid: nothing
    EXPECT_TRUE(Mensagens().empty());
    r->ImageHelpClick();
    msgs = Mensagens();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].tipo, "legenda");
}

class FDetalhesTest : public JanelaTeste {};

TEST_F(FDetalhesTest, TotaisEDocumentos) {
    banco.Executar("INSERT INTO produto (produto_id, descricao) VALUES (5, 'PRODUTO CINCO')");
    Abrir();
    TdmTorvane& dm = banco.dm();
    dm.ExecutarSQL("INSERT INTO temp_apuracao (filial_id, produto_id, quantidade_estoque, quantidade_comprovada,"
                   " vl_unit_medio, vl_bc_icms_ret_medio, vl_item_total, vl_bc_icms_ret_total, vl_icms_ret_total, status,"
                   " status_tem_imposto) VALUES (2, 5, 12, 10, 10.25, 12.30, 102.50, 123.00, 7.38, 1, 'S'),"
                   " (2, 6, 4, 0, 0, 0, 0, 0, 0, 2, 'N')");
    dm.ExecutarSQL("INSERT INTO temp_documentos (filial_id, nota_fiscal_id, num_nota, modelo, chave, data_emissao, nome_emit,"
                   " cnpj_emit, ie_emit, produto_id, quantidade_comprovada, vl_unit, vl_bc_icms_ret_unit) VALUES"
                   " (2, 1, 123, '55', 'K1', '2016-03-15', 'FORN A', '12345678000195', '1', 5, 6, 10.00, 12.00),"
                   " (2, 2, 12345678, '55', 'K2', '2016-03-02', 'FORN B', '12345678901', '2', 5, 3, 11.00, 13.20),"
                   " (2, 3, 77, '55', 'K3', '2016-02-20', 'FORN C', '12345678000195', '3', 5, 1, 9.50, 11.40)");
    TFDetalhes d(main.get(), dm, 5);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Detalhes da apuração do item"));
    EXPECT_EQ(d.lbProduto->text(), QStringLiteral("PRODUTO CINCO"));
    const QString sep = QLocale().decimalPoint();
    EXPECT_EQ(d.edSaldo->text(), QStringLiteral("12"));
    EXPECT_EQ(d.edQuantidadeComprovada->text(), QStringLiteral("10"));
    EXPECT_EQ(d.edValorUnitario->text(), "10" + sep + "25");
    EXPECT_EQ(d.edValorTotal->text(), "102" + sep + "50");
    EXPECT_EQ(d.edValorTotalBase->text(), "123" + sep + "00");
    EXPECT_EQ(d.edValorTotalImposto->text(), "7" + sep + "38");
    TModeloQuery* m = d.DBGrid->Modelo();
    ASSERT_EQ(m->rowCount(), 3);
    // oldest first; numbers padded (or cut) to 7; CNPJ punctuated only with 14 digits
    EXPECT_EQ(m->Texto(0, 0), QStringLiteral("0000077"));
    EXPECT_EQ(m->Texto(1, 0), QStringLiteral("1234567"));
    EXPECT_EQ(m->Texto(2, 0), QStringLiteral("0000123"));
    EXPECT_EQ(m->Texto(0, 2), QStringLiteral("20/02/2016"));
    EXPECT_EQ(m->Texto(0, 3), QStringLiteral("12.345.678/0001-95"));
    EXPECT_EQ(m->Texto(1, 3), QStringLiteral("12345678901"));
    // the product's average unit value times the document's quantity
    EXPECT_EQ(m->Texto(2, d.DBGrid->IndiceColuna("vl_item")), "61" + sep + "50");
    EXPECT_EQ(m->Texto(2, d.DBGrid->IndiceColuna("vl_bc_icms_ret")), "72" + sep + "00");
    EXPECT_EQ(m->Texto(2, d.DBGrid->IndiceColuna("vl_icms_ret")), "4" + sep + "32");

    // no documents: empty quantities, 0.00 values, empty grid; a product missing from produto: empty name
    TFDetalhes vazio(main.get(), dm, 6);
    EXPECT_EQ(vazio.lbProduto->text(), QString());
    EXPECT_EQ(vazio.edSaldo->text(), QString());
    EXPECT_EQ(vazio.edQuantidadeComprovada->text(), QString());
    EXPECT_EQ(vazio.edValorTotalImposto->text(), "0" + sep + "00");
    EXPECT_EQ(vazio.DBGrid->Modelo()->rowCount(), 0);

    // Esc and the button close it; the grid has the focus when it opens
    d.show();
    QApplication::processEvents();
    EXPECT_TRUE(d.DBGrid->hasFocus() || QApplication::focusWidget() == nullptr);
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
}

} // namespace
