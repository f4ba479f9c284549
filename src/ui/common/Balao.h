#pragma once

#include <QFrame>
#include <QPointer>
#include <QTimer>

class QLabel;

// A balloon hint pointing at a control, with a header and a text, that vanishes by itself.
class TBalao : public QFrame {
    Q_OBJECT
public:
    // Shows (or moves) the window's balloon over the control.
    static TBalao* Mostrar(QWidget* alvo, const QString& titulo, const QString& texto, int milissegundos = 5000);

    QWidget* Alvo() const { return m_alvo; }
    QString Titulo() const;
    QString Texto() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override { hide(); }

private:
    explicit TBalao(QWidget* janela);
    void Posicionar();

    QPointer<QWidget> m_alvo;
    QLabel* m_titulo;
    QLabel* m_texto;
    QTimer m_timer;
};
