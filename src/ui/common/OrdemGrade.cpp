#include "ui/common/OrdemGrade.h"

#include "core/app/Query.h"
#include "core/app/Util.h"
#include "ui/common/Grade.h"
#include "ui/common/TextoQt.h"

void OrdenarGrade(TGrade& grade, int coluna, TOrdemGrade& ordem) {
    const auto& colunas = grade.Modelo()->Colunas();
    if (coluna < 0 || coluna >= static_cast<int>(colunas.size())) return;
    const QString nome = colunas[static_cast<size_t>(coluna)].nome;
    std::string campo;
    if (nome == QLatin1String("img"))
        campo = "status";
    else if (nome == QLatin1String("img2"))
        campo = "status_tem_imposto";
    else
        campo = S(colunas[static_cast<size_t>(coluna)].campo.isEmpty() ? nome : colunas[static_cast<size_t>(coluna)].campo);

    TQuery* q = grade.Query();
    if (!q || !q->Ativa() || q->Vazia()) return;
    grade.Cabecalho()->PintarTodos(Qt::white);
    grade.Cabecalho()->DefinirCorTitulo(coluna, QColor(255, 255, 0));

    ordem.Campo = campo;
    std::string direcao;
    if (ordem.UltimoCampo != campo) {
        ordem.UltimoCampo = campo;
        direcao = "asc";
    } else {
        ordem.UltimoCampo.clear();
        direcao = "desc";
    }
    ordem.Direcao = direcao;
    OrdenarQuery(*q, campo, direcao);
    q->Primeiro();
    grade.SeguirCursor();
}
