#pragma once

#include "ui/common/ColorGrid.h"
#include "ui/common/ModeloQuery.h"

#include <QHeaderView>
#include <QTableView>
#include <map>

// Column titles: white on the dark blue title row; a title may be given its own colour.
class TCabecalhoGrade : public QHeaderView {
    Q_OBJECT
public:
    explicit TCabecalhoGrade(QWidget* pai = nullptr);
    QColor CorTitulo(int secao) const;
    void DefinirCorTitulo(int secao, const QColor& cor);
    void PintarTodos(const QColor& cor);

protected:
    void paintSection(QPainter* p, const QRect& r, int secao) const override;

private:
    std::map<int, QColor> m_cores;
    QColor m_padrao = Qt::white;
};

// A read-only, whole-row grid over a query, painted with TColorGrid.
class TGrade : public QTableView {
    Q_OBJECT
public:
    explicit TGrade(QWidget* pai = nullptr);

    void DefinirColunas(std::vector<TColunaGrade> colunas);
    // Binds the grid to a query (nullptr unbinds); the cursor follows the selected row.
    void Vincular(TQuery* query);
    TQuery* Query() const { return m_modelo->Query(); }
    bool TemRegistros() const;
    TModeloQuery* Modelo() const { return m_modelo; }
    TCabecalhoGrade* Cabecalho() const { return m_cabecalho; }
    TDelegateCores* Delegate() const { return m_delegate; }
    // Puts the selection on the query's current record
    void SeguirCursor();
    int IndiceColuna(const QString& nome) const;

signals:
    void tituloClicado(int coluna);

protected:
    void currentChanged(const QModelIndex& atual, const QModelIndex& anterior) override;

private:
    TModeloQuery* m_modelo;
    TCabecalhoGrade* m_cabecalho;
    TDelegateCores* m_delegate;
};
