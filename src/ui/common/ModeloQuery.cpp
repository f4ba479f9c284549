#include "ui/common/ModeloQuery.h"

#include "core/app/Query.h"
#include "ui/common/Formatos.h"
#include "ui/common/TextoQt.h"

TModeloQuery::~TModeloQuery() { Desvincular(); }

void TModeloQuery::DefinirColunas(std::vector<TColunaGrade> colunas) {
    beginResetModel();
    m_colunas = std::move(colunas);
    Mapear();
    endResetModel();
}

void TModeloQuery::DefinirTitulo(int coluna, const QString& titulo) {
    if (coluna < 0 || coluna >= columnCount()) return;
    m_colunas[static_cast<size_t>(coluna)].titulo = titulo;
    emit headerDataChanged(Qt::Horizontal, coluna, coluna);
}

void TModeloQuery::Mapear() {
    m_indices.clear();
    for (const auto& c : m_colunas)
        m_indices.push_back(m_query && m_query->Ativa() && !c.campo.isEmpty() ? m_query->IndiceCampo(S(c.campo)) : -1);
}

void TModeloQuery::Vincular(TQuery* query) {
    if (m_query == query) {
        Atualizar();
        return;
    }
    Desvincular();
    beginResetModel();
    m_query = query;
    if (m_query) {
        m_query->AposAbrir = [this] {
            beginResetModel();
            Mapear();
            endResetModel();
            emit aberta();
        };
        m_query->AposFechar = [this] {
            beginResetModel();
            Mapear();
            endResetModel();
        };
    }
    Mapear();
    endResetModel();
}

void TModeloQuery::Desvincular() {
    if (!m_query) return;
    beginResetModel();
    m_query->AposAbrir = nullptr;
    m_query->AposFechar = nullptr;
    m_query = nullptr;
    Mapear();
    endResetModel();
}

void TModeloQuery::Atualizar() {
    beginResetModel();
    Mapear();
    endResetModel();
}

int TModeloQuery::rowCount(const QModelIndex& pai) const {
    if (pai.isValid() || !m_query || !m_query->Ativa()) return 0;
    return m_query->QuantidadeRegistros();
}

QString TModeloQuery::Texto(int linha, int coluna) const {
    if (!m_query || !m_query->Ativa() || coluna < 0 || coluna >= columnCount()) return {};
    int campo = m_indices[static_cast<size_t>(coluna)];
    if (campo < 0 || linha < 0 || linha >= m_query->QuantidadeRegistros()) return {};
    const TValor& v = m_query->Valor(linha, campo);
    if (v.EhNulo()) return {};
    switch (m_colunas[static_cast<size_t>(coluna)].formato) {
    case TFormatoColuna::Milhar2:
        return FormatarDinheiro(v.AsDinheiro(), 2);
    case TFormatoColuna::Dinheiro2:
        return FormatarDinheiroSimples(v.AsDinheiro(), 2);
    case TFormatoColuna::Data: {
        TData d = v.AsData();
        return d.Vazia() ? QString() : QString::fromStdString(d.DDMMAAAA());
    }
    default:
        return Q(v.AsString());
    }
}

QVariant TModeloQuery::data(const QModelIndex& i, int papel) const {
    if (!i.isValid()) return {};
    if (papel == Qt::DisplayRole) return Texto(i.row(), i.column());
    if (papel == Qt::TextAlignmentRole) return QVariant::fromValue(m_colunas[static_cast<size_t>(i.column())].alinhamento);
    return {};
}

QVariant TModeloQuery::headerData(int secao, Qt::Orientation o, int papel) const {
    if (o == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 && secao < columnCount())
        return m_colunas[static_cast<size_t>(secao)].titulo;
    // the narrow row indicator column shows no row numbers
    if (o == Qt::Vertical && papel == Qt::DisplayRole) return QString();
    return QAbstractTableModel::headerData(secao, o, papel);
}
