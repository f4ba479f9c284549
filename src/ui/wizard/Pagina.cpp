#include "ui/wizard/Pagina.h"

#include "ui/wizard/FMain.h"

TPagina::TPagina(TFMain& main, const QString& nome) : QWidget(nullptr), m_main(main) { setObjectName(nome); }
