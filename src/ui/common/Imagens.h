#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>

// The system's pictures, drawn at run time.
namespace imagens {
QPixmap Logo(int altura);
QPixmap Check(int lado = 24);
QPixmap Lateral(int largura, int altura, const QString& legenda);
QPixmap Ajuda(int lado = 16);
QPixmap Seta(bool paraCima, int lado = 18);
} // namespace imagens

// A small animated loading picture.
class TAnimacao : public QLabel {
    Q_OBJECT
public:
    explicit TAnimacao(QWidget* pai = nullptr, int lado = 16);
    void Iniciar();
    void Parar();
    bool Animando() const { return m_timer.isActive(); }

private:
    void Desenhar();
    QTimer m_timer;
    int m_quadro = 0;
    int m_lado;
};
