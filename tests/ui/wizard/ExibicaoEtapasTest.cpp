#include "ui/wizard/ExibicaoEtapas.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

struct Caso {
    QString texto;
    int progresso;
    QString esperado;
};

TEST(ExibicaoEtapas, TextosDoPercentual) {
    QWidget janela;
    QLabel label(&janela);
    TExibicaoEtapas e(&janela);
    const Caso casos[] = {
        {QStringLiteral("Pesquisando documentos"), 37, QStringLiteral("(37%) Pesquisando documentos")},
        {QStringLiteral("(12%) Pesquisando documentos"), 100, QStringLiteral("(100%) Pesquisando documentos")},
        {QStringLiteral("(12%) Pesquisando documentos"), 0, QStringLiteral("(0%) Pesquisando documentos")},
        // outside 0..100: the prefix goes and the bare text stays
        {QStringLiteral("(12%) Pesquisando documentos"), 101, QStringLiteral("Pesquisando documentos")},
        {QStringLiteral("(12%) Pesquisando documentos"), -1, QStringLiteral("Pesquisando documentos")},
        // a label's own text beginning with "(" loses everything before its first blank
        {QStringLiteral("(a) b c"), 5, QStringLiteral("(5%) b c")},
    };
    for (const auto& c : casos) {
        label.setText(c.texto);
        e.IniciarEtapa(&label);
        e.Progresso = c.progresso;
        e.Timer1Timer();
        EXPECT_EQ(label.text(), c.esperado) << c.texto.toStdString() << " " << c.progresso;
    }
}

TEST(ExibicaoEtapas, InicioEConclusao) {
    QWidget janela;
    QLabel label(QStringLiteral("Calculando saldo em estoque..."), &janela);
    QLabel check(&janela);
    label.setVisible(false);
    check.setVisible(false);
    janela.show();
    TExibicaoEtapas e(&janela);
    // nothing happens while no step ran
    e.Timer1Timer();
    EXPECT_EQ(label.text(), QStringLiteral("Calculando saldo em estoque..."));

    e.IniciarEtapa(&label);
    EXPECT_EQ(label.text(), QStringLiteral("Calculando saldo em estoque")); // dots removed at once
    EXPECT_TRUE(label.isVisible());
    EXPECT_TRUE(e.Timer1()->isActive());
    EXPECT_EQ(e.Progresso, 0);
    e.Timer1Timer();
    EXPECT_EQ(label.text(), QStringLiteral("(0%) Calculando saldo em estoque"));
    e.DefinirProgresso(100);
    e.Timer1Timer();
    EXPECT_EQ(label.text(), QStringLiteral("(100%) Calculando saldo em estoque"));

    e.ConcluirEtapa(QStringLiteral("Saldo em estoque calculado"), &label, &check);
    EXPECT_EQ(label.text(), QStringLiteral("Saldo em estoque calculado"));
    EXPECT_TRUE(check.isVisible());
    EXPECT_FALSE(e.Timer1()->isActive());
    EXPECT_EQ(e.EtapaAtual(), &label);
}

} // namespace
