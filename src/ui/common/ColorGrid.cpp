#include "ui/common/ColorGrid.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

TCoresCelula TColorGrid::ColorirLinha(bool selecionada, int numeroRegistro) {
    if (selecionada) return {QColor(0, 0, 128), Qt::white};
    QColor fundo = (numeroRegistro % 2 != 0) ? QColor(186, 211, 254) : QApplication::palette().color(QPalette::Base);
    return {fundo, Qt::black};
}

TCoresCelula TColorGrid::ColorirLinhaMarcada(bool selecionada) {
    if (selecionada) return {QColor(255, 85, 85), Qt::white};
    return {QColor(255, 128, 128), Qt::black};
}

TCoresCelula TDelegateCores::Cores(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const {
    bool selecionada = opcao.state & QStyle::State_Selected;
    if (marcada && marcada(indice.row())) return TColorGrid::ColorirLinhaMarcada(selecionada);
    return TColorGrid::ColorirLinha(selecionada, indice.row() + 1);
}

void TDelegateCores::paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const {
    QStyleOptionViewItem o(opcao);
    initStyleOption(&o, indice);
    TCoresCelula c = Cores(opcao, indice);
    p->fillRect(o.rect, c.fundo);
    o.state &= ~QStyle::State_Selected;
    o.state &= ~QStyle::State_HasFocus;
    o.backgroundBrush = QBrush(c.fundo);
    o.palette.setColor(QPalette::Text, c.texto);
    o.palette.setColor(QPalette::WindowText, c.texto);
    const QWidget* w = o.widget;
    QStyle* estilo = w ? w->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
}
