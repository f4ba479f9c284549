#include "ui/common/ErroGeral.h"
#include "ui/wizard/Inicializacao.h"

#include <QLocale>

int main(int argc, char** argv) {
    TAplicacao app(argc, argv);
    QLocale::setDefault(QLocale::system());
    return ExecutarAssistente();
}
