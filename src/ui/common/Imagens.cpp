#include "ui/common/Imagens.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace imagens {

QPixmap Logo(int altura) {
    int largura = altura * 3;
    QPixmap pm(largura, altura);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    int lado = altura - 8;
    QRectF cruz(4, 4, lado, lado);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 70));
    double t = lado / 3.0;
    p.drawRoundedRect(QRectF(cruz.left() + t, cruz.top(), t, lado), 3, 3);
    p.drawRoundedRect(QRectF(cruz.left(), cruz.top() + t, lado, t), 3, 3);
    p.setPen(QColor(0, 64, 128));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(altura / 3);
    p.setFont(f);
    p.drawText(QRectF(lado + 10, 2, largura - lado - 12, altura / 2.0), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("ICMS ST"));
    f.setBold(false);
    f.setPixelSize(altura / 5);
    p.setFont(f);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(lado + 10, altura / 2.0, largura - lado - 12, altura / 2.0 - 2), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Ressarcimento"));
    return pm;
}

QPixmap Check(int lado) {
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 160, 60));
    p.drawEllipse(QRectF(1, 1, lado - 2, lado - 2));
    QPen caneta(Qt::white, lado / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(caneta);
    QPainterPath c;
    c.moveTo(lado * 0.27, lado * 0.52);
    c.lineTo(lado * 0.44, lado * 0.70);
    c.lineTo(lado * 0.75, lado * 0.32);
    p.setBrush(Qt::NoBrush);
    p.drawPath(c);
    return pm;
}

QPixmap Lateral(int largura, int altura, const QString& legenda) {
    QPixmap pm(largura, altura);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, altura);
    g.setColorAt(0, QColor(0, 64, 128));
    g.setColorAt(1, QColor(0, 120, 90));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(largura * (0.2 + 0.15 * i), altura * (0.25 + 0.12 * i)), 30.0 - i * 4, 30.0 - i * 4);
    p.setBrush(QColor(255, 255, 255, 220));
    double t = largura / 6.0;
    QRectF cruz(largura / 2.0 - 1.5 * t, altura * 0.55, 3 * t, 3 * t);
    p.drawRoundedRect(QRectF(cruz.left() + t, cruz.top(), t, 3 * t), 4, 4);
    p.drawRoundedRect(QRectF(cruz.left(), cruz.top() + t, 3 * t, t), 4, 4);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.drawText(QRectF(8, 20, largura - 16, altura * 0.4), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, legenda);
    return pm;
}

QPixmap Ajuda(int lado) {
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 90, 200));
    p.drawEllipse(QRectF(0.5, 0.5, lado - 1, lado - 1));
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(lado - 4);
    p.setFont(f);
    p.drawText(QRectF(0, 0, lado, lado), Qt::AlignCenter, QStringLiteral("?"));
    return pm;
}

QPixmap Seta(bool paraCima, int lado) {
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 64, 128));
    QPolygonF tri;
    if (paraCima)
        tri << QPointF(lado * 0.2, lado * 0.65) << QPointF(lado * 0.8, lado * 0.65) << QPointF(lado * 0.5, lado * 0.3);
    else
        tri << QPointF(lado * 0.2, lado * 0.35) << QPointF(lado * 0.8, lado * 0.35) << QPointF(lado * 0.5, lado * 0.7);
    p.drawPolygon(tri);
    return pm;
}

} // namespace imagens

TAnimacao::TAnimacao(QWidget* pai, int lado) : QLabel(pai), m_lado(lado) {
    setFixedSize(lado, lado);
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_quadro = (m_quadro + 1) % 12;
        Desenhar();
    });
    Desenhar();
}

void TAnimacao::Iniciar() { m_timer.start(); }
void TAnimacao::Parar() { m_timer.stop(); }

void TAnimacao::Desenhar() {
    QPixmap pm(m_lado, m_lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(m_lado / 2.0, m_lado / 2.0);
    for (int i = 0; i < 12; ++i) {
        int idade = (m_quadro - i + 12) % 12;
        p.setPen(QPen(QColor(0, 64, 128, 255 - idade * 18), m_lado / 10.0, Qt::SolidLine, Qt::RoundCap));
        double a = i * M_PI / 6;
        p.drawLine(QPointF(std::cos(a) * m_lado * 0.22, std::sin(a) * m_lado * 0.22),
                   QPointF(std::cos(a) * m_lado * 0.45, std::sin(a) * m_lado * 0.45));
    }
    setPixmap(pm);
}
