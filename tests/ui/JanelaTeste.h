#pragma once

#include "core/app/Relogio.h"
#include "support/BancoTeste.h"
#include "ui/common/Dialogos.h"
#include "ui/wizard/FMain.h"

#include "core/app/Erros.h"
#include "ui/common/Imagens.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A wizard window over a fresh test database, with message boxes answered by the test.
class JanelaTeste : public ::testing::Test {
protected:
    explicit JanelaTeste(int filialId = 2) : banco(filialId) {}

    void SetUp() override {
        TDialogos::AtivarModoTeste();
        TDialogos::Limpar();
    }
    void TearDown() override {
        main.reset();
        TDialogos::Limpar();
        TRelogio::Liberar();
    }
    // Creates and shows the window (after the fixture's rows are in place)
    TFMain& Abrir() {
        main = std::make_unique<TFMain>(banco.dm());
        main->show();
        QApplication::processEvents();
        return *main;
    }
    void Avancar() {
        main->btAvancar->click();
        QApplication::processEvents();
    }
    void Voltar() {
        main->btVoltar->click();
        QApplication::processEvents();
    }
    long long Contar(const std::string& sql) { return banco.dm().ObterValor(sql, -1).AsInteger(); }
    // Texts of the message boxes shown since the last call
    std::vector<TDialogos::TRegistro> Mensagens() {
        auto h = TDialogos::Historico();
        TDialogos::Historico().clear();
        return h;
    }

    banco_teste::TBancoTeste banco;
    std::unique_ptr<TFMain> main;
};
