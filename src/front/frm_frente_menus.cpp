// The main window's menus: the windows they open, the administrator gate,
// the switch between the sum list and the day's list, and loose payments.
#include "avisos_janelas.h"
#include "frm_avulso.h"
#include "frm_calcula.h"
#include "frm_frente.h"
#include "frm_juros.h"
#include "leitor_codigo_barras.h"

#include "aplicativos.h"
#include "consultas.h"
#include "error_report.h"
#include "frm_atualiza.h"
#include "frm_cod_barra.h"
#include "frm_cofre.h"
#include "frm_corrige_guia.h"
#include "frm_exbi_texto.h"
#include "frm_exportar.h"
#include "frm_feriados.h"
#include "frm_lanca_temp.h"
#include "frm_lancamentos.h"
#include "frm_opcoes.h"
#include "frm_sangria.h"
#include "frm_usuarios.h"
#include "globals.h"
#include "msg_box.h"
#include "usuarios.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace AbreBD;

namespace {

void mostraNaFrente(QWidget *w)
{
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

void frmFrente::ligaMenus()
{
    const auto liga = [this](const char *nome, auto &&acao) {
        connect(menu(QString::fromLatin1(nome)), &QAction::triggered, this, acao);
    };
    connect(cmdAvulso, &QPushButton::clicked, this, &frmFrente::cmdAvulso_Click);
    liga("mnuAlterna", [this] { mnuAlterna_Click(); });
    liga("mnuLanca", [this] {
        if (portaoAdministrador())
            abreSangria(QStringLiteral("A"), QStringLiteral("Abertura e Lançamentos de Caixa"));
    });
    liga("mnuPagtos", [this] { abreSangria(QStringLiteral("P"), QStringLiteral("Pagamentos de Empenhos (Saídas)")); });
    liga("mnuSangria", [this] {
        if (portaoAdministrador())
            abreSangria(QStringLiteral("S"), QStringLiteral("Retiradas de Caixa (Sangria)"));
    });
    liga("mnuAlt_item", [this] {
        if (portaoAdministrador())
            frmCorrigeGuia::abre(this);
    });
    liga("mnuuser", [this] {
        if (portaoAdministrador())
            frmUsuarios::abre();
    });
    liga("mnuItens", [this] {
        if (portaoAdministrador())
            frmCodBarra::abre();
    });
    liga("mnuConferir", [this] { frmLancamentos::abre(this); });
    liga("mnuConftemp", [this] { frmLancaTemp::abre(this); });
    liga("mnuExpCebi", [this] {
        frmExportar f(ContextoExportacao{IdMovimento, NumMovimento, dtpData->date(), diaFechado()}, this);
        f.exec();
    });
    // Modal: no code is read while the holidays behind the due dates change.
    liga("mnuFeriados", [] { frmFeriados::instancia()->exec(); });
    liga("mnuSuprimentos", [] { frmCofre::abre(); });
    liga("mnuJuros", [] { mostraNaFrente(frmJuros::instancia()); });
    liga("mnuCalculadora", [] { mostraNaFrente(frmCalcula::instancia()); });
    liga("mnuParam", [] { mostraNaFrente(frmOpcoes::instancia()); });
    liga("mnuAtualiza", [] { mostraNaFrente(frmAtualiza::instancia()); });
    liga("mnuestornos", [this] {
        abreVisualizador(QStringLiteral("estorno"), QStringLiteral("Visualizando Estornos e Alterações"));
    });
    liga("mnurecebimentos", [this] {
        abreVisualizador(QStringLiteral("movimento"), QStringLiteral("Visualizando Movimento"));
    });
    connect(lstLancado, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (item)
            Text1->setText(item->text(2));
    });
}

bool frmFrente::portaoAdministrador()
{
    const QString senha = PedeSenha(QStringLiteral("Entre com a senha do administrador!!"));
    if (senha.trimmed().isEmpty())
        return false;
    return Tipo_usuario(senha) == QLatin1String("ADM");
}

void frmFrente::abreSangria(const QString &modo, const QString &caption)
{
    Q_UNUSED(caption) // the window takes its caption from its mode
    if (Aplicativos::Descarrega_form(QStringLiteral("frmSangria")))
        return;
    frmSangria::abre(modo, this);
}

void frmFrente::abreVisualizador(const QString &modo, const QString &caption)
{
    frmExbi_texto::abre(modo, caption, this);
}

void frmFrente::mnuAlterna_Click()
{
    if (lstSoma->isVisible()) {
        lstSoma->setVisible(false);
        Lista_Movimento_dia();
        const int n = lstLancado->topLevelItemCount();
        if (n > 0)
            txttotal->setText(lstLancado->topLevelItem(n - 1)->text(4));
        lblStatus->setText(QStringLiteral("Total de itens contabilizados: ") + QString::number(n));
        return;
    }
    lstSoma->setVisible(true);
}

void frmFrente::cmdAvulso_Click()
{
    // A closed day takes no payment, whether by the button or the "+" key.
    if (diaFechado())
        return;
    txtValorCodBarra->clear();
    cmbTipoGuia->setCurrentIndex(-1);
    {
        frmAvulso avulso(this);
        avulso.exec();
    }
    cmbTipoGuia->setCurrentIndex(-1);
    txtValorCodBarra->setFocus();
}

void frmFrente::Carrega_combo_avulso(int tipo)
{
    Preenche_lista(QStringLiteral("Select IDCOD, DESCRICAO FROM CodBarra WHERE IDCOD = ?;"), cmbTipoGuia, {tipo});
    if (cmbTipoGuia->count() > 0) {
        cmbTipoGuia->setCurrentIndex(0);
        txtItem->setText(cmbTipoGuia->itemData(0).toString());
    }
}

void frmFrente::RecebeAvulso()
{
    const auto limpaAvulso = [this] {
        VencimentoAvulso.clear();
        ParcelaAvulso.clear();
        ObsAvulso.clear();
    };
    if (Aplicativos::Conta_separador(txtValorCodBarra->text(), QStringLiteral(",")) >= 2
        || cmbTipoGuia->currentIndex() < 0) {
        limpaAvulso();
        return;
    }
    lstSoma->setVisible(true);
    const AjustesLeitura ajustes = AjustesLeitura::dosGlobais();
    const QDate vencimento = QDate::fromString(VencimentoAvulso, QStringLiteral("yyyyMMdd"));
    const auto valor = Currency::parse(mskvalor->text());
    if (!vencimento.isValid() || !valor) {
        MsgBox(QStringLiteral("Valor ou vencimento inválido - Erro na Soma Avulso!!"), Vb::vbCritical,
               QStringLiteral("Aviso"));
        limpaAvulso();
        return;
    }
    if (vencimento.year() < ajustes.dataCaixa.year())
        m_avisos->contaVencida();
    const int idTipo = cmbTipoGuia->currentData().toInt();
    const auto flags = gDataAccess->SQLSelect_ReadOnly(
        QStringLiteral("SELECT PADRAO, JUROS FROM CodBarra WHERE IDCOD = ?;"), {idTipo});
    const bool juros = flags && flags->RecordCount() == 1 && flags->Fields(QStringLiteral("JUROS")).toString() == "S";
    const auto cobrar = m_leitor->valorACobrar(vencimento, *valor, juros, ajustes);
    if (!cobrar) {
        // Declined as overdue: no row, and nothing of it waits for the next one.
        txtValorCodBarra->clear();
        cmbTipoGuia->setCurrentIndex(-1);
        limpaAvulso();
        return;
    }
    mskvalor->setText(cobrar->format());
    Adiciona_item_soma();
}
