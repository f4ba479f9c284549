#pragma once

#include <QWidget>

class TFMain;

// A page of the wizard. Making it the active page runs its show event (tabXxxShow) at once.
class TPagina : public QWidget {
    Q_OBJECT
public:
    TPagina(TFMain& main, const QString& nome);
    virtual void AoMostrar() {}

protected:
    TFMain& m_main;
};
