#include "ui/common/Grade.h"

#include "core/app/Query.h"

#include <QPainter>

TCabecalhoGrade::TCabecalhoGrade(QWidget* pai) : QHeaderView(Qt::Horizontal, pai) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QColor TCabecalhoGrade::CorTitulo(int secao) const {
    auto it = m_cores.find(secao);
    return it == m_cores.end() ? m_padrao : it->second;
}

void TCabecalhoGrade::DefinirCorTitulo(int secao, const QColor& cor) {
    m_cores[secao] = cor;
    viewport()->update();
}

void TCabecalhoGrade::PintarTodos(const QColor& cor) {
    m_cores.clear();
    m_padrao = cor;
    viewport()->update();
}

void TCabecalhoGrade::paintSection(QPainter* p, const QRect& r, int secao) const {
    p->save();
    p->fillRect(r, QColor(0, 64, 128));
    p->setPen(QColor(0, 40, 90));
    p->drawLine(r.topRight(), r.bottomRight());
    p->setPen(CorTitulo(secao));
    if (parentWidget()) p->setFont(parentWidget()->font());
    QString t = model() ? model()->headerData(secao, Qt::Horizontal, Qt::DisplayRole).toString() : QString();
    p->drawText(r.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, t);
    p->restore();
}

TGrade::TGrade(QWidget* pai) : QTableView(pai) {
    m_modelo = new TModeloQuery(this);
    m_cabecalho = new TCabecalhoGrade(this);
    m_delegate = new TDelegateCores(this);
    setHorizontalHeader(m_cabecalho);
    setModel(m_modelo);
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setVisible(true);
    verticalHeader()->setFixedWidth(12);
    m_cabecalho->setFixedHeight(20);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #c0c0c0; color: black; }"));
    connect(m_cabecalho, &QHeaderView::sectionClicked, this, &TGrade::tituloClicado);
    connect(m_modelo, &QAbstractItemModel::modelReset, this, [this] { SeguirCursor(); });
}

void TGrade::DefinirColunas(std::vector<TColunaGrade> colunas) {
    m_modelo->DefinirColunas(colunas);
    for (size_t i = 0; i < colunas.size(); ++i) {
        if (colunas[i].largura > 0) setColumnWidth(static_cast<int>(i), colunas[i].largura);
    }
}

void TGrade::Vincular(TQuery* query) {
    m_modelo->Vincular(query);
    SeguirCursor();
}

bool TGrade::TemRegistros() const { return Query() && Query()->Ativa() && !Query()->Vazia(); }

int TGrade::IndiceColuna(const QString& nome) const {
    const auto& c = m_modelo->Colunas();
    for (size_t i = 0; i < c.size(); ++i)
        if (c[i].nome.compare(nome, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

void TGrade::SeguirCursor() {
    TQuery* q = Query();
    if (!q || !q->Ativa() || q->Vazia()) return;
    QModelIndex i = m_modelo->index(q->NumeroRegistro() - 1, std::max(0, currentIndex().column()));
    if (i.isValid() && i != currentIndex()) setCurrentIndex(i);
}

void TGrade::currentChanged(const QModelIndex& atual, const QModelIndex& anterior) {
    QTableView::currentChanged(atual, anterior);
    TQuery* q = Query();
    if (q && q->Ativa() && atual.isValid() && q->NumeroRegistro() != atual.row() + 1) q->IrPara(atual.row() + 1);
}
