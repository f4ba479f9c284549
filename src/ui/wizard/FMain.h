#pragma once

struct TData;
#include "core/app/FilialTypes.h"

#include <QWidget>
#include <string>
#include <vector>

class QDateEdit;
class QLabel;
class QPushButton;
class QStackedWidget;
class TdmTorvane;
class TExibicaoEtapas;
class TPagina;
class TPaginaProdutos;
class TPaginaCalcular;
class TPaginaResultados;
class TPaginaSelecao;
class TPaginaAjustarSPED;
class TPaginaRelatorios;

// The wizard window: its pages lead from the inventory date to the reports.
class TFMain : public QWidget {
    Q_OBJECT
public:
    explicit TFMain(TdmTorvane& dm, QWidget* pai = nullptr);
    ~TFMain() override;

    enum Pagina { pgHome = 0, pgProdutos, pgCalcular, pgResultados, pgSelecao, pgAjustarSPED, pgRelatorios };

    TdmTorvane& dm() { return m_dm; }
    int FilialId = 0;
    TTipoFilial RegimeFilial = TTipoFilial::tfOutro;
    std::vector<std::string> TabelasTemporarias;
    TData DataInventario() const;

    void AtualizarBotoes();
    void btAvancarClick();
    void btVoltarClick();
    void btFecharClick();
    int PaginaAtiva() const;
    TExibicaoEtapas& Etapas() { return *m_etapas; }

    // A long operation runs inside a click: closing the window is deferred until it ends.
    void IniciarOperacaoLonga();
    void ConcluirOperacaoLonga();
    bool OperacaoLongaEmAndamento() const { return m_operacoesLongas > 0; }

    QStackedWidget* PageControl1;
    QWidget* tabHome;
    TPaginaProdutos* tabProdutos;
    TPaginaCalcular* tabCalcular;
    TPaginaResultados* tabResultados;
    TPaginaSelecao* tabSelecao;
    TPaginaAjustarSPED* tabAjustarSPED;
    TPaginaRelatorios* tabRelatorios;
    QDateEdit* dtDataInventario;
    QPushButton* btVoltar;
    QPushButton* btAvancar;
    QPushButton* btFechar;

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void AtivarPagina(int indice);
    void tabHomeShow();
    QWidget* CriarCabecalho();
    QWidget* CriarRodape();
    QWidget* CriarHome();

    TdmTorvane& m_dm;
    TExibicaoEtapas* m_etapas;
    int m_operacoesLongas = 0;
    bool m_fecharPendente = false;
    bool m_mostrada = false;
};
