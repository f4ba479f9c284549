#include "ui/wizard/PaginaCalcular.h"

#include "core/calc/CalculoRessarcimento.h"
#include "ui/common/Imagens.h"
#include "ui/wizard/ExibicaoEtapas.h"
#include "ui/wizard/FMain.h"
#include "ui/wizard/PaginaResultados.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
const char* const kTextoSaldo = "Calculando saldo em estoque";
const char* const kTextoDocumentos = "Pesquisando documentos com retenção de ICMS";
const char* const kTextoValores = "Calculando valor de ressarcimento";
const char* const kTextoTotais = "Totalizando itens";
} // namespace

TPaginaCalcular::TPaginaCalcular(TFMain& main) : TPagina(main, "tabCalcular") {
    auto* lay = new QGridLayout(this);
    lay->setContentsMargins(40, 30, 40, 30);
    lay->setHorizontalSpacing(10);
    lay->setVerticalSpacing(6);

    imgLoading = new QLabel(this);
    imgLoading->setObjectName("imgLoading");
    imgLoading->setVisible(false);
    RxGIFAnimator = new TAnimacao(this, 16);
    RxGIFAnimator->setObjectName("RxGIFAnimator");
    lbAguarde = new QLabel(QStringLiteral("Por favor, aguarde..."), this);
    lbAguarde->setObjectName("lbAguarde");
    QFont f = lbAguarde->font();
    f.setBold(true);
    f.setPixelSize(12);
    lbAguarde->setFont(f);
    lay->addWidget(RxGIFAnimator, 0, 0, Qt::AlignCenter);
    lay->addWidget(lbAguarde, 0, 1);

    struct {
        QLabel** img;
        QLabel** lb;
        const char* nomeImg;
        const char* nomeLb;
        const char* texto;
    } etapas[] = {
        {&imgCheckSaldo, &lbCheckSaldo, "imgCheckSaldo", "lbCheckSaldo", kTextoSaldo},
        {&imgCheckDocumentos, &lbCheckDocumentos, "imgCheckDocumentos", "lbCheckDocumentos", kTextoDocumentos},
        {&imgCheckValores, &lbCheckValores, "imgCheckValores", "lbCheckValores", kTextoValores},
        {&imgCheckTotais, &lbCheckTotais, "imgCheckTotais", "lbCheckTotais", kTextoTotais},
    };
    int linha = 1;
    for (auto& e : etapas) {
        *e.img = new QLabel(this);
        (*e.img)->setObjectName(e.nomeImg);
        (*e.img)->setPixmap(imagens::Check(24));
        (*e.img)->setFixedSize(24, 24);
        *e.lb = new QLabel(QString::fromUtf8(e.texto), this);
        (*e.lb)->setObjectName(e.nomeLb);
        lay->setRowMinimumHeight(linha, 30);
        lay->addWidget(*e.img, linha, 0, Qt::AlignCenter);
        lay->addWidget(*e.lb, linha, 1);
        ++linha;
    }
    lay->setColumnStretch(1, 1);
    lay->setRowStretch(linha, 1);
    ReiniciarEtapas();
}

void TPaginaCalcular::ReiniciarEtapas() {
    RxGIFAnimator->setVisible(true);
    lbAguarde->setVisible(true);
    lbCheckSaldo->setVisible(true);
    for (QLabel* l : {lbCheckDocumentos, lbCheckValores, lbCheckTotais}) l->setVisible(false);
    lbCheckSaldo->setText(QString::fromUtf8(kTextoSaldo));
    lbCheckDocumentos->setText(QString::fromUtf8(kTextoDocumentos));
    lbCheckValores->setText(QString::fromUtf8(kTextoValores));
    lbCheckTotais->setText(QString::fromUtf8(kTextoTotais));
    for (QLabel* i : {imgCheckSaldo, imgCheckDocumentos, imgCheckValores, imgCheckTotais}) i->setVisible(false);
}

void TPaginaCalcular::tabCalcularShow() {
    RxGIFAnimator->Iniciar();
    m_main.btVoltar->setEnabled(false);
    m_main.btAvancar->setEnabled(false);
    m_main.btFechar->setEnabled(false);
    m_main.IniciarOperacaoLonga();
    m_concluido = false;
    struct TAoFinal {
        TPaginaCalcular* p;
        ~TAoFinal() {
            p->RxGIFAnimator->Parar();
            p->RxGIFAnimator->setVisible(false);
            p->lbAguarde->setVisible(false);
            p->m_main.AtualizarBotoes();
            p->m_main.ConcluirOperacaoLonga();
        }
    };
    {
        TAoFinal final{this};
        TExibicaoEtapas& e = m_main.Etapas();
        TCalculoRessarcimento calculo(m_main.dm(), m_main.FilialId, m_main.DataInventario(), e);

        e.IniciarEtapa(lbCheckSaldo);
        calculo.CalcularSaldoEstoque();
        e.ConcluirEtapa(QStringLiteral("Saldo em estoque calculado"), lbCheckSaldo, imgCheckSaldo);

        e.IniciarEtapa(lbCheckDocumentos);
        calculo.SelecionarDocumentos();
        e.ConcluirEtapa(QStringLiteral("Documentos com retenção de ICMS selecionados"), lbCheckDocumentos,
                        imgCheckDocumentos);

        e.IniciarEtapa(lbCheckValores);
        calculo.CalcularRessarcimento();
        e.ConcluirEtapa(QStringLiteral("Valor de ressarcimento calculado"), lbCheckValores, imgCheckValores);

        e.IniciarEtapa(lbCheckTotais);
        m_main.tabResultados->AtualizarGradeApuracao();
        e.ConcluirEtapa(QStringLiteral("Totais dos itens calculados"), lbCheckTotais, imgCheckTotais);
        m_concluido = true;
    }
    if (m_main.btAvancar->isEnabled()) m_main.btAvancar->setFocus();
}
