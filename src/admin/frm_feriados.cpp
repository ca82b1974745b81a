#include "frm_feriados.h"
#include "formulario.h"
#include "comum.h"

#include "clock.h"
#include "globals.h"

#include "msg_box.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

using Formulario::botao;

namespace {

const QString kAviso = QStringLiteral("Aviso");
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");

} // namespace

QPointer<frmFeriados> frmFeriados::s_instancia;

frmFeriados *frmFeriados::instancia()
{
    return Admin::instanciaPadrao(s_instancia);
}

frmFeriados::frmFeriados(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFeriados"));
    setWindowTitle(QStringLiteral("Feriados"));

    dtpData = new QDateEdit(Relogio::hoje(), this);
    dtpData->setObjectName(QStringLiteral("dtpData"));
    dtpData->setCalendarPopup(true);
    dtpData->setDisplayFormat(kFormatoData);
    cmdGravar = botao(QStringLiteral("Gravar"), "cmdGravar", this);
    cmdExcluir = botao(QStringLiteral("Selecione um item para Excluir"), "cmdExcluir", this);
    cmdLimpar = botao(QStringLiteral("Limpar Tudo"), "cmdLimpar", this);
    Command3 = botao(QStringLiteral("Sair"), "Command3", this);
    lwFeriados = new QTreeWidget(this);
    lwFeriados->setObjectName(QStringLiteral("lwFeriados"));
    lwFeriados->setRootIsDecorated(false);
    lwFeriados->setHeaderLabels({QStringLiteral("ID"), QStringLiteral("FERIADO")});
    lwFeriados->setColumnHidden(0, true);

    auto *grade = new QGridLayout(this);
    grade->addWidget(dtpData, 0, 0);
    grade->addWidget(cmdGravar, 0, 1);
    grade->addWidget(lwFeriados, 1, 0, 4, 1);
    grade->addWidget(cmdExcluir, 1, 1);
    grade->addWidget(cmdLimpar, 2, 1);
    grade->addWidget(Command3, 4, 1);
    grade->setRowStretch(3, 1);

    connect(cmdGravar, &QPushButton::clicked, this, &frmFeriados::cmdGravar_Click);
    connect(cmdExcluir, &QPushButton::clicked, this, &frmFeriados::cmdExcluir_Click);
    connect(cmdLimpar, &QPushButton::clicked, this, &frmFeriados::cmdLimpar_Click);
    connect(Command3, &QPushButton::clicked, this, &frmFeriados::Command3_Click);
    connect(lwFeriados, &QTreeWidget::itemClicked, this, &frmFeriados::lwFeriados_ItemClick);
    connect(lwFeriados, &QTreeWidget::itemSelectionChanged, this, [this] {
        const auto escolhidos = lwFeriados->selectedItems();
        if (!escolhidos.isEmpty())
            lwFeriados_ItemClick(escolhidos.first());
    });
    Admin::semBotaoPadrao(this);
    Lista_feriados();
}

void frmFeriados::Lista_feriados()
{
    AbreBD::gSQL = QStringLiteral("Select * From Feriados");
    AbreBD::gRs = AbreBD::gDataAccess ? AbreBD::gDataAccess->SQLSelect_ReadOnly(AbreBD::gSQL) : nullptr;
    Admin::Ampulheta ampulheta;
    lwFeriados->clear();
    Tag.clear();
    if (const RecordsetPtr rs = AbreBD::gRs) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            const QVariant feriado = rs->Fields(QStringLiteral("FERIADO"));
            const QDate data = QDate::fromString(feriado.toString(), Qt::ISODate);
            auto *item = new QTreeWidgetItem(
                {QStringLiteral("%1").arg(rs->Fields(QStringLiteral("ID")).toLongLong(), 4, 10, QLatin1Char('0')),
                 data.isValid() ? data.toString(kFormatoData) : feriado.toString()});
            item->setData(1, Qt::UserRole, data);
            lwFeriados->addTopLevelItem(item);
        }
    }
    AbreBD::gRs.reset();
}

void frmFeriados::lwFeriados_ItemClick(QTreeWidgetItem *item)
{
    if (item)
        Tag = item->text(0);
}

bool frmFeriados::jaLancada(const QDate &data) const
{
    for (int i = 0; i < lwFeriados->topLevelItemCount(); ++i)
        if (lwFeriados->topLevelItem(i)->data(1, Qt::UserRole).toDate() == data)
            return true;
    return false;
}

void frmFeriados::cmdGravar_Click()
{
    const QDate data = dtpData->date();
    if (jaLancada(data)) {
        MsgBox(QStringLiteral("Data já lançada!!!"), Vb::vbExclamation, kAviso);
        return;
    }
    objFeriado.FERIADO = data;
    if (objFeriado.SQLInsert())
        Lista_feriados();
}

void frmFeriados::cmdExcluir_Click()
{
    if (Tag.isEmpty())
        return;
    if (MsgBox(QStringLiteral("Confirma exclusão do item selecionado?"), Vb::vbYesNo + Vb::vbQuestion, kAviso)
        == Vb::vbYes)
        Exclui_feriado(Tag.toInt());
}

void frmFeriados::cmdLimpar_Click()
{
    if (MsgBox(QStringLiteral("Confirma exclusão de todos os feriados?"), Vb::vbYesNo + Vb::vbQuestion, kAviso)
        == Vb::vbYes)
        Exclui_feriado(0);
}

void frmFeriados::Exclui_feriado(int id)
{
    Admin::Ampulheta ampulheta;
    if (lwFeriados->topLevelItemCount() == 0)
        return;
    // The row deleted is the one the operator chose and confirmed, not
    // whichever the list happens to have selected now.
    if (!objFeriado.SQLDelete(id)) {
        MsgBox(QStringLiteral("ERRO ao excluir!!"), Vb::vbCritical, QStringLiteral("ERRO!!"));
        return;
    }
    Lista_feriados();
}

void frmFeriados::Command3_Click()
{
    close();
}
