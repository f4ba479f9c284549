#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class TdmTorvane;
class TGrade;
class TQuery;

// The entry invoices that prove one product's stock, with its totals.
class TFDetalhes : public QDialog {
    Q_OBJECT
public:
    TFDetalhes(QWidget* dono, TdmTorvane& dm, long long produtoId);
    ~TFDetalhes() override;
    static void Exibir(QWidget* dono, TdmTorvane& dm, long long produtoId);

    long long ProdutoId;
    QLabel* lbProduto;
    QLineEdit *edSaldo, *edQuantidadeComprovada, *edValorUnitario, *edValorTotal, *edValorTotalBase, *edValorTotalImposto;
    TGrade* DBGrid;
    std::unique_ptr<TQuery> QDocumentos;
    QPushButton* btFechar;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void CarregarProduto();
    void CarregarTotais();
    void AbrirDocumentos();
    TdmTorvane& m_dm;
};
