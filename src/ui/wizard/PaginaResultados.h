#pragma once

#include "ui/common/OrdemGrade.h"
#include "ui/wizard/Pagina.h"

#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TGrade;
class TQuery;

// The results page: one line per calculated product, with search, filters, colours and legend.
class TPaginaResultados : public TPagina {
    Q_OBJECT
public:
    explicit TPaginaResultados(TFMain& main);
    ~TPaginaResultados() override;

    void AtualizarGradeApuracao();
    void btFiltrarClick();
    void AlternarFiltros();
    void ExibirFiltros();
    void OcultarFiltros();
    void AtualizarIndicadorFiltro();
    void DBGridApuracaoTitleClick(int coluna);
    void DBGridApuracaoDblClick();
    void ImageHelpClick();
    // Puts the filter panel 2 pixels below the search box
    void PosicionarFiltros();

    QGroupBox* gbPesquisa;
    QLineEdit* edFiltro;
    QToolButton* btExibirFiltros;
    QLabel* lbFiltroAtivado;
    QPushButton* btFiltrar;
    QFrame *shRegular, *shParcial, *shIrregular, *shSemImposto;
    QLabel* ImageHelp;
    TGrade* DBGridApuracao;
    QLabel* lbRodapeApuracaoQtd;
    QLabel* lbRodapeApuracao;
    QFrame* pnFiltros;
    QCheckBox *cbFiltroRegular, *cbFiltroParcial, *cbFiltroIrregular, *cbFiltroQuantidade, *cbFiltroImposto;
    QPushButton* btFecharFiltro;
    std::unique_ptr<TQuery> QApuracao;
    TOrdemGrade OrdemGradeApuracao;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    QFrame* CriarQuadrado(const char* nome, const QColor& cor);
};
