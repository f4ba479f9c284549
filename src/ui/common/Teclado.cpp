#include "ui/common/Teclado.h"

#include <QKeyEvent>
#include <QWidget>

QKeyEvent* TeclaDaJanela(QObject* alvo, QEvent* evento, const QWidget* janela, QWidget** controle) {
    if (evento->type() != QEvent::KeyPress) return nullptr;
    auto* w = qobject_cast<QWidget*>(alvo);
    if (!w || w->window() != janela) return nullptr;
    auto* k = static_cast<QKeyEvent*>(evento);
    if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return nullptr;
    if (controle) *controle = w;
    return k;
}
