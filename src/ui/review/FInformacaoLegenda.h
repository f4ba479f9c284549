#pragma once

#include <QDialog>

class QPushButton;

// What the colours of the results mean.
class TFInformacaoLegenda : public QDialog {
    Q_OBJECT
public:
    explicit TFInformacaoLegenda(QWidget* dono);
    static void Exibir(QWidget* dono);
    QPushButton* btOK;
};
