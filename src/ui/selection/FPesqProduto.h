#pragma once

#include "core/selection/ConsultaProdutos.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <set>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;
class TdmTorvane;
class TFFiltroGenerico2;
class TGrade;
class TQuery;

// Finds products by a part of the description and by six lookup filters, and lets the user mark
// the ones to take part in the calculation. The marked ids accumulate over the searches.
class TFPesqProduto : public QDialog {
    Q_OBJECT
public:
    // The six lookup filters, in the order of their buttons
    enum TFiltro { fGrupos, fEspecificacoes, fFabricantes, fPrincipios, fClassesTerapeuticas, fGruposPreco };
    static constexpr int kQuantidadeFiltros = 6;

    TFPesqProduto(QWidget* dono, TdmTorvane& dm);
    ~TFPesqProduto() override;

    void AtivarMarcacao();
    void btnPesquisarClick();
    void EdProdKeyDown(int tecla);
    void MarcarDesmarcar();
    void MarcarTodos();
    void DesmarcarTodos();
    void ButOkClick();
    void ButFecharClick();
    // The filter buttons: choose that filter's ids in the lookup filter dialog
    void btnFiltroClick(TFiltro filtro);
    void DefinirFiltro(TFiltro filtro, const std::string& ids, const std::string& descricao);
    void LimparFiltro(TFiltro filtro);
    void LimparFiltros();

    void Pesquisar(const std::string& marca);
    bool FiltroDefinido() const;
    bool ExisteRegistro() const;
    void AdicionarTodosSelecionados();
    // The filter's current ids, empty when it does not restrict
    const std::string& Filtro(TFiltro filtro) const;
    QString TextoStatus() const;

    // Shows the lookup filter dialog modally and gives its result; a test puts its own steps here.
    std::function<int(TFFiltroGenerico2&)> ExecutarFiltro;

    std::set<std::string> ProdutosSelecionados; // ids in decimal, in text order
    bool ModoMarcacao = false;
    consulta_produtos::TFiltrosProduto Filtros;

    std::unique_ptr<TQuery> CDSProduto;
    QLabel* lbTitulo;
    QGroupBox* gbFiltros;
    QPushButton* BotaoFiltro[kQuantidadeFiltros];
    QToolButton* BotaoLimpar[kQuantidadeFiltros];
    QLineEdit* EdProd;
    QPushButton* btnPesquisar;
    QGroupBox* pnlMarcacao;
    TGrade* GridProdutos;
    QPushButton* ButOk;
    QPushButton* ButFechar;
    QStatusBar* StatusBar1;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    // The dialog sees every key before its controls; "foco" is the control the key was sent to.
    bool FormKeyDown(int tecla, QWidget* foco);
    std::string& ValorFiltro(TFiltro filtro);
    bool Marcada(int linha) const;
    void FormCreate();

    TdmTorvane& m_dm;
    QLabel* m_painelStatus;
};
