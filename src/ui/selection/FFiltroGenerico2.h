#pragma once

#include "ui/common/ColorGrid.h"

#include <QDialog>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class TdmTorvane;
class TGrade;
class TQuery;

// Paints the lookup rows: a marked row light red, its text white when the grid has the focus and
// the row is selected; the other rows as every grid.
class TDelegateFiltro : public TDelegateCores {
public:
    explicit TDelegateFiltro(QObject* pai = nullptr) : TDelegateCores(pai) {}
    TCoresCelula Cores(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
};

// Lists the rows of one lookup table and lets the user mark any number of them; hands back the
// marked ids as a list for an "in" clause, such as (3,17), with a readable list beside it.
class TFFiltroGenerico2 : public QDialog {
    Q_OBJECT
public:
    // The ids and description texts belong to the opener: the ids are read on entry (the current
    // filter), and both are written only when OK is pressed.
    TFFiltroGenerico2(QWidget* dono, TdmTorvane& dm, const std::string& campoId,
                      const std::string& campoDescricao, const std::string& tabela,
                      const QString& tituloCodigo, const QString& tituloDescricao,
                      std::string& IdsSelecionados, std::string& DescricaoSelecionados,
                      const std::string& campoApagado);
    ~TFFiltroGenerico2() override;

    void MarcarDesmarcar();
    void MarcarTodos(const std::string& marca);
    void EditPesquisaChange();
    void btnOKClick();
    void btnCancelarClick();
    // Marked rows of the local copy
    int QuantidadeMarcados() const;

    bool NadaSelecionado = false;
    std::unique_ptr<TQuery> QrySelecao;
    QLabel* lbTitulo;
    QLineEdit* EditPesquisa;
    TGrade* oGrid;
    TDelegateFiltro* Delegate;
    QPushButton* btnOK;
    QPushButton* btnCancelar;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    // The dialog sees every key before its controls; "foco" is the control the key was sent to.
    bool FormKeyDown(int tecla, QWidget* foco);
    bool Marcada(int linha) const;

    std::string m_campoId;
    std::string m_campoDescricao;
    std::string& m_ids;
    std::string& m_descricao;
};
