#include "frm_cadastro.h"
#include "formulario.h"
#include "comum.h"

#include "aplicativos.h"
#include "data_access.h"
#include "error_report.h"
#include "globals.h"

#include "msg_box.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using Formulario::botao;

namespace {

const QString kAviso = QStringLiteral("Aviso");

void informeUmItem()
{
    MsgBox(QStringLiteral("Informe um item !!!"), Vb::vbCritical, kAviso);
}

} // namespace

frmCadastro::frmCadastro(const Definicao &definicao, QWidget *parent) : QDialog(parent), m_definicao(definicao)
{
    setObjectName(definicao.objeto);
    setWindowTitle(definicao.titulo);

    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));

    auto *paginaConsulta = new QWidget(SSTab);
    ListView = new QTreeWidget(paginaConsulta);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setRootIsDecorated(false);
    ListView->setHeaderLabels(definicao.colunas);
    ListView->setContextMenuPolicy(Qt::CustomContextMenu);
    cmdIncluir = botao(QStringLiteral("Incluir"), "cmdIncluir", paginaConsulta);
    cmdAlterar = botao(QStringLiteral("Alterar ou Consultar"), "cmdAlterar", paginaConsulta);
    auto *botoesConsulta = new QHBoxLayout;
    botoesConsulta->addStretch(1);
    botoesConsulta->addWidget(cmdIncluir);
    botoesConsulta->addWidget(cmdAlterar);
    auto *layConsulta = new QVBoxLayout(paginaConsulta);
    layConsulta->addWidget(ListView, 1);
    layConsulta->addLayout(botoesConsulta);

    auto *paginaCadastro = new QWidget(SSTab);
    Frame = new QGroupBox(paginaCadastro);
    Frame->setObjectName(QStringLiteral("Frame"));
    Frame->setEnabled(false);
    campos = new QFormLayout(Frame);
    txtordem = new QLineEdit(Frame);
    txtordem->setObjectName(QStringLiteral("txtordem"));
    Command2 = botao(QStringLiteral("Gravar e Concluir"), "Command2", paginaCadastro);
    cmdCancel = botao(QStringLiteral("Cancel"), "cmdCancel", paginaCadastro);
    auto *botoesCadastro = new QHBoxLayout;
    botoesCadastro->addStretch(1);
    botoesCadastro->addWidget(Command2);
    botoesCadastro->addWidget(cmdCancel);
    auto *layCadastro = new QVBoxLayout(paginaCadastro);
    layCadastro->addWidget(Frame, 1);
    layCadastro->addLayout(botoesCadastro);

    SSTab->addTab(paginaConsulta, QStringLiteral("Consulta"));
    SSTab->addTab(paginaCadastro, QStringLiteral("Cadastro"));

    Command3 = botao(QStringLiteral("Sair"), "Command3", this);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(new QLabel(QStringLiteral("( * ) Campos de preenchimento obrigatórios"), this), 1);
    rodape->addWidget(Command3);
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(SSTab, 1);
    principal->addLayout(rodape);

    mnuop = new QMenu(definicao.menu, this);
    mnuop->setObjectName(QStringLiteral("mnuop"));
    mnuexcluir = mnuop->addAction(definicao.itemExcluir);
    mnuexcluir->setObjectName(QStringLiteral("mnuexcluir"));

    connect(cmdIncluir, &QPushButton::clicked, this, [this] { Command1_Click(3); });
    connect(cmdAlterar, &QPushButton::clicked, this, [this] { Command1_Click(1); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command2, &QPushButton::clicked, this, &frmCadastro::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmCadastro::Command3_Click);
    connect(ListView, &QTreeWidget::itemClicked, this, &frmCadastro::ListView_ItemClick);
    // A row chosen with the keyboard counts as clicked.
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, [this] {
        const auto escolhidos = ListView->selectedItems();
        if (!escolhidos.isEmpty())
            ListView_ItemClick(escolhidos.first());
    });
    connect(ListView, &QWidget::customContextMenuRequested, this, &frmCadastro::itemMenu);
    connect(mnuexcluir, &QAction::triggered, this, &frmCadastro::mnuexcluir_Click);
}

void frmCadastro::Form_Load()
{
    Admin::semBotaoPadrao(this);
    Lista();
    SSTab->setTabEnabled(1, false);
    SSTab->setCurrentIndex(0);
}

void frmCadastro::Lista()
{
    AbreBD::gSQL = m_definicao.sqlLista;
    // A listing that fails is reported with the list routine's own place text.
    AbreBD::gRs = AbreBD::gDataAccess ? clsDataAccess::selectQuiet(AbreBD::gSQL) : nullptr;
    Admin::Ampulheta ampulheta;
    ListView->clear();
    if (AbreBD::gDataAccess && !AbreBD::gRs)
        Aplicativos::Trata_erro(m_definicao.lugarLista);
    if (const RecordsetPtr rs = AbreBD::gRs) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            QStringList textos{
                QStringLiteral("%1").arg(rs->Fields(m_definicao.campoChave).toLongLong(), m_definicao.digitosChave,
                                         10, QLatin1Char('0'))};
            for (const QString &campo : m_definicao.campos)
                textos << rs->Fields(campo).toString();
            ListView->addTopLevelItem(new QTreeWidgetItem(textos));
        }
    }
    AbreBD::gRs.reset();
}

void frmCadastro::ListView_ItemClick(QTreeWidgetItem *item)
{
    if (item)
        Tag = item->text(0);
}

void frmCadastro::itemMenu(const QPoint &ponto)
{
    mnuop->popup(ListView->viewport()->mapToGlobal(ponto));
}

void frmCadastro::Command1_Click(int index)
{
    switch (index) {
    case 3:
        Aplicativos::Limpa_campos(this);
        modo = 1;
        Frame->setEnabled(true);
        novo();
        break;
    case 1:
        if (Tag.isEmpty()) {
            informeUmItem();
            return;
        }
        if (!abreRegistroExistente())
            return;
        break;
    case 0:
        Frame->setEnabled(false);
        break;
    default:
        return;
    }
    Aplicativos::Alterna_aba(SSTab);
}

bool frmCadastro::abreRegistroExistente()
{
    AbreBD::gSQL = m_definicao.sqlRegistro;
    AbreBD::gRs = AbreBD::gDataAccess ? AbreBD::gDataAccess->SQLSelect_ReadOnly(AbreBD::gSQL, {Tag.toInt()})
                                      : nullptr;
    const RecordsetPtr rs = std::move(AbreBD::gRs);
    AbreBD::gRs.reset();
    // A row deleted meanwhile is no item to alter: saving it would write nothing.
    if (!rs || rs->RecordCount() != 1) {
        Tag.clear();
        informeUmItem();
        return false;
    }
    Frame->setEnabled(true);
    txtordem->setText(Tag);
    mostra(*rs);
    modo = 2;
    return true;
}

void frmCadastro::Command2_Click()
{
    if (Aplicativos::Verifica_campos(this)) {
        MsgBox(QStringLiteral("Todos os campos obrigatórios devem ser preenchidos!!"), Vb::vbExclamation, kAviso);
        return;
    }
    if (!confere() || !grava())
        return;
    Frame->setEnabled(false);
    Aplicativos::Alterna_aba(SSTab);
    Lista();
}

void frmCadastro::Command3_Click()
{
    close();
}

void frmCadastro::mnuexcluir_Click()
{
    if (Tag.isEmpty()) {
        informeUmItem();
        return;
    }
    const int chave = Tag.toInt();
    if (!podeExcluir(chave))
        return;
    if (MsgBox(QStringLiteral("Confirma exclusão deste item?") + QStringLiteral(" - ") + Tag,
               Vb::vbYesNo + Vb::vbQuestion, kAviso) != Vb::vbYes)
        return;
    if (!exclui(chave)) {
        MsgBox(QStringLiteral("Erro ao excluir"), Vb::vbCritical, kAviso);
        return;
    }
    // The row is gone: nothing is chosen any more.
    Tag.clear();
    Lista();
}

void frmCadastro::recusa(const QString &texto)
{
    MsgBox(texto, Vb::vbExclamation, kAviso);
}
