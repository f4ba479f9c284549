#include "ui/common/ErroGeral.h"

#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for the whole test program; each test opens its own windows.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    TAplicacao::AplicarAparencia();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
