#include "ui/common/Balao.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kSeta = 10;
}

TBalao::TBalao(QWidget* janela) : QFrame(janela) {
    setObjectName("BalloonHint");
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(10, 8 + kSeta, 10, 8);
    lay->setSpacing(4);
    auto* linha = new QHBoxLayout;
    auto* icone = new QLabel(this);
    icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    m_titulo = new QLabel(this);
    QFont f = m_titulo->font();
    f.setBold(true);
    m_titulo->setFont(f);
    linha->addWidget(icone);
    linha->addWidget(m_titulo, 1);
    lay->addLayout(linha);
    m_texto = new QLabel(this);
    lay->addWidget(m_texto);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

TBalao* TBalao::Mostrar(QWidget* alvo, const QString& titulo, const QString& texto, int ms) {
    QWidget* janela = alvo->window();
    TBalao* b = janela->findChild<TBalao*>("BalloonHint", Qt::FindDirectChildrenOnly);
    if (!b) b = new TBalao(janela);
    b->m_alvo = alvo;
    b->m_titulo->setText(titulo);
    b->m_texto->setText(QString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    b->adjustSize();
    b->Posicionar();
    b->show();
    b->raise();
    b->m_timer.start(ms);
    return b;
}

QString TBalao::Titulo() const { return m_titulo->text(); }
QString TBalao::Texto() const { return m_texto->text(); }

void TBalao::Posicionar() {
    if (!m_alvo) return;
    QWidget* janela = parentWidget();
    QPoint base = m_alvo->mapTo(janela, QPoint(m_alvo->width() / 2, m_alvo->height()));
    int x = std::max(2, std::min(base.x() - 20, janela->width() - width() - 2));
    int y = base.y();
    if (y + height() > janela->height()) y = m_alvo->mapTo(janela, QPoint(0, 0)).y() - height();
    move(x, y);
}

void TBalao::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(0.5, kSeta + 0.5, -0.5, -0.5);
    QPainterPath caminho;
    caminho.addRoundedRect(r, 6, 6);
    QPainterPath seta;
    seta.moveTo(14, kSeta + 1);
    seta.lineTo(20, 0.5);
    seta.lineTo(30, kSeta + 1);
    caminho = caminho.united(seta);
    p.setPen(QColor(118, 118, 118));
    p.setBrush(QColor(255, 255, 225));
    p.drawPath(caminho);
}
