#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <functional>

// The row colours shared by every grid.
struct TCoresCelula {
    QColor fundo;
    QColor texto;
};

class TColorGrid {
public:
    // Selected row navy with white text; the others light blue on odd record numbers and the
    // window colour on even ones, with black text.
    static TCoresCelula ColorirLinha(bool selecionada, int numeroRegistro);
    // Rows the user has marked: light red, or a stronger red with white text when selected.
    static TCoresCelula ColorirLinhaMarcada(bool selecionada);
};

// Paints a grid's cells with TColorGrid; a row for which "marcada" answers true is painted as marked.
class TDelegateCores : public QStyledItemDelegate {
public:
    explicit TDelegateCores(QObject* pai = nullptr) : QStyledItemDelegate(pai) {}
    std::function<bool(int linha)> marcada;
    void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
    // The colours the cell is painted with (tests look at them).
    virtual TCoresCelula Cores(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const;
};
