#pragma once

#include "core/selection/InclusaoProdutos.h"
#include "ui/common/OrdemGrade.h"
#include "ui/wizard/Pagina.h"

#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class TAnimacao;
class TFPesqProduto;
class TGrade;
class TQuery;

// The selected products page: the products of temp_produtos, added through the product search,
// removed one by one or all at once, counted and sortable by any column.
class TPaginaProdutos : public TPagina {
    Q_OBJECT
public:
    explicit TPaginaProdutos(TFMain& main);
    ~TPaginaProdutos() override;

    // tabProdutosShow
    void AoMostrar() override;
    // whether the products grid is bound to a query holding at least one row
    bool GradeTemRegistros() const;

    void btPesquisarClick();
    void btRemoverClick();
    void RemoverTodosClick();
    void DBGridProdutosTitleClick(int coluna);
    void AtualizarGradeProdutos();

    // Shows the product search modally and gives its result; a test puts its own steps here.
    std::function<int(TFPesqProduto&)> ExecutarPesquisa;

    QPushButton* btPesquisar;
    QPushButton* btRemover;
    QToolButton* btRemoverMais;
    QMenu* PopupRemover;
    QAction* RemoverTodos;
    TGrade* DBGridProdutos;
    QFrame* pnQuantidadeProdutos;
    QLabel* lbQuantidadeProdutos;
    QFrame* pnAnimatorGradeProdutos;
    TAnimacao* RxGIFAnimator;
    std::unique_ptr<TQuery> QProdutos;
    TOrdemGrade OrdemGradeProdutos;
    // what the last adding of products did (scripts sent, failures, products left out)
    inclusao_produtos::TResultadoInclusao UltimaInclusao;
};
