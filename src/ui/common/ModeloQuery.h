#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

class TQuery;

enum class TFormatoColuna { Texto, Inteiro, Milhar2, Dinheiro2, Data };

// One column of a grid: its name (the field, or a picture column's own name), the field it shows
// (empty for picture columns), title, width (0 = default), alignment and display format.
struct TColunaGrade {
    QString nome;
    QString campo;
    QString titulo;
    int largura = 0;
    Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
    TFormatoColuna formato = TFormatoColuna::Texto;
};

// A grid's rows: the open result of a query, shown column by column.
class TModeloQuery : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TModeloQuery(QObject* pai = nullptr) : QAbstractTableModel(pai) {}
    ~TModeloQuery() override;

    void DefinirColunas(std::vector<TColunaGrade> colunas);
    const std::vector<TColunaGrade>& Colunas() const { return m_colunas; }
    // Binds to a query; the model follows its openings and closings.
    void Vincular(TQuery* query);
    void Desvincular();
    TQuery* Query() const { return m_query; }
    void DefinirTitulo(int coluna, const QString& titulo);
    // Re-reads the rows after local edits
    void Atualizar();

    int rowCount(const QModelIndex& = {}) const override;
    int columnCount(const QModelIndex& = {}) const override { return static_cast<int>(m_colunas.size()); }
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation o, int papel) const override;
    // The text a cell shows
    QString Texto(int linha, int coluna) const;

signals:
    void aberta();

private:
    std::vector<TColunaGrade> m_colunas;
    std::vector<int> m_indices; // field index of each column in the query, -1 when none
    TQuery* m_query = nullptr;
    void Mapear();
};
