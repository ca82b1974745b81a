#include "frm_lanca_temp.h"

#include "campos_valor.h"
#include "estado_movimento.h"
#include "frente_publica.h"
#include "globals.h"
#include "tela_contagem.h"
#include "totais_movimento.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace AbreBD;

frmLancaTemp::frmLancaTemp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLancaTemp"));
    setWindowTitle(QStringLiteral("Conferência de Caixa Temporária"));
    setModal(true);

    auto *titulo = new QLabel(QStringLiteral("CONFERÊNCIA TEMPORÁRIA"), this);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    titulo->setFont(f);
    auto *nota1 = new QLabel(
        QStringLiteral("Os lançamentos gerados nesta tela não servem para contabilização de encerramento de caixa."),
        this);
    auto *nota2 = new QLabel(
        QStringLiteral("Somente use esta tela caso haja necessidade de conferência por desconfiança de cliente."),
        this);
    for (QLabel *n : {nota1, nota2})
        n->setWordWrap(true);

    auto *movimento = new QGroupBox(QStringLiteral("Movimento"), this);
    lblMov = new QLabel(QStringLiteral("0000"), movimento);
    lblMov->setObjectName(QStringLiteral("lblMov"));
    (new QHBoxLayout(movimento))->addWidget(lblMov);
    dtpData = new QDateEdit(this);
    dtpData->setObjectName(QStringLiteral("dtpData"));
    dtpData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    lblDia = new QLabel(this);
    lblDia->setObjectName(QStringLiteral("lblDia"));

    auto *lancamentos = new QGroupBox(QStringLiteral("Lançamentos"), this);
    Combo1 = new QComboBox(lancamentos);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    mskvalor = new QLineEdit(lancamentos);
    mskvalor->setObjectName(QStringLiteral("mskvalor"));
    mskvalor->setAlignment(Qt::AlignRight);
    Caixa::filtraNumero(mskvalor, Combo1);
    Caixa::formataAoSair(mskvalor);
    cmdDel = new QPushButton(QStringLiteral("Remove Item"), lancamentos);
    cmdDel->setObjectName(QStringLiteral("cmdDel"));
    cmdDel->setAutoDefault(false);
    auto *lancLay = new QGridLayout(lancamentos);
    lancLay->addWidget(new QLabel(QStringLiteral("Espécie"), lancamentos), 0, 0);
    lancLay->addWidget(new QLabel(QStringLiteral("Valor"), lancamentos), 0, 1);
    lancLay->addWidget(Combo1, 1, 0);
    lancLay->addWidget(mskvalor, 1, 1);
    lancLay->addWidget(cmdDel, 1, 2);
    Command5 = new QPushButton(QStringLiteral("Lançar >>"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setDefault(true);

    List1 = Contagem::novaLista({QStringLiteral("ID"), QStringLiteral("ESPÉCIE"), QStringLiteral("VALOR"),
                                 QStringLiteral("SALDO")},
                                {2, 3}, this);
    List1->setObjectName(QStringLiteral("List1"));

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    Command2 = new QPushButton(QStringLiteral("Sair"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);

    auto *topo = new QHBoxLayout;
    topo->addWidget(movimento);
    topo->addWidget(dtpData);
    topo->addWidget(lblDia, 1);
    auto *entrada = new QHBoxLayout;
    entrada->addWidget(lancamentos, 1);
    entrada->addWidget(Command5);
    auto *meio = new QHBoxLayout;
    meio->addWidget(List1, 1);
    meio->addWidget(montaTotais());
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(lblStatus, 1);
    rodape->addWidget(Command2);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(titulo);
    lay->addWidget(nota1);
    lay->addWidget(nota2);
    lay->addLayout(topo);
    lay->addLayout(entrada);
    lay->addLayout(meio, 1);
    lay->addLayout(rodape);
    resize(900, 560);

    connect(Command5, &QPushButton::clicked, this, &frmLancaTemp::Command5_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmLancaTemp::cmdDel_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLancaTemp::Command2_Click);
    Form_Load();
}

QWidget *frmLancaTemp::montaTotais()
{
    m_totais = new PainelTotais(QStringLiteral("0,00"), this);
    txttotal = m_totais->txttotal;
    txtarrecadacao = m_totais->txtarrecadacao;
    txtsangria = m_totais->txtsangria;
    txtsuprimento = m_totais->txtsuprimento;
    txtsaldo = m_totais->txtsaldo;
    return m_totais;
}

int frmLancaTemp::abre(QWidget *parent)
{
    QPointer<frmLancaTemp> w = new frmLancaTemp(parent);
    const int resposta = w->exec();
    delete w.data();
    return resposta;
}

void frmLancaTemp::Form_Load()
{
    const int id = Caixa::idMovimento();
    if (gFrente)
        dtpData->setDate(gFrente->dtpData());
    lblMov->setText(QStringLiteral("%1").arg(id, 4, 10, QLatin1Char('0')));
    txtarrecadacao->setText(Caixa::somaRecebimentos(id).format());
    const Currency sangria = Caixa::somaEntradasSaidas(id);
    txtsangria->setText(sangria.format());
    txtsuprimento->setText(QStringLiteral("0,00"));
    Caixa::pintaTotal(txtsangria, sangria);
    lblDia->setText(QStringLiteral("Caixa dia: ") + dtpData->date().toString(QStringLiteral("dd - MM - yyyy")));
    Caixa::preencheEspecies(Combo1);
    calculaDiferenca();
    Combo1->setCurrentIndex(Combo1->count() > 0 ? 0 : -1);
}

void frmLancaTemp::calculaDiferenca()
{
    m_totais->calculaDiferenca();
}

void frmLancaTemp::mostraContagem()
{
    lblStatus->setText(Contagem::textoStatus(List1->topLevelItemCount()));
}

bool frmLancaTemp::Lista_conf_caixa()
{
    // The value is read before the line exists, so a bad one leaves no line
    // without its balance behind.
    const std::optional<Currency> valor = Caixa::leValor(mskvalor->text());
    if (!valor) {
        Caixa::avisaValorInvalido();
        return false;
    }
    const int n = List1->topLevelItemCount();
    Currency saldo;
    if (n > 0)
        saldo = Caixa::leValor(List1->topLevelItem(n - 1)->text(3)).value_or(Currency());
    saldo += *valor;
    QTreeWidgetItem *linha = Contagem::novaLinha(
        List1, {QStringLiteral("%1").arg(n + 1, 2, 10, QLatin1Char('0')), Combo1->currentText(), valor->format(),
                saldo.format()});
    List1->scrollToItem(linha);
    txttotal->setText(saldo.formatReais());
    calculaDiferenca();
    mostraContagem();
    return true;
}

void frmLancaTemp::Command5_Click()
{
    if (mskvalor->text().isEmpty())
        return;
    if (!Lista_conf_caixa()) {
        mskvalor->setFocus();
        return;
    }
    mskvalor->clear();
    mskvalor->setFocus();
}

void frmLancaTemp::cmdDel_Click()
{
    const int n = List1->topLevelItemCount();
    if (n == 0)
        return;
    delete List1->takeTopLevelItem(n - 1);
    mskvalor->clear();
    if (n == 1) {
        txttotal->setText(QStringLiteral("0,00"));
        Combo1->setCurrentIndex(Combo1->count() > 0 ? 0 : -1);
    } else {
        txttotal->setText(List1->topLevelItem(n - 2)->text(3));
    }
    calculaDiferenca();
    mostraContagem();
    mskvalor->setFocus();
}

void frmLancaTemp::Command2_Click()
{
    close();
}

void frmLancaTemp::keyPressEvent(QKeyEvent *event)
{
    if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
        Combo1->setFocus();
        return;
    }
    QDialog::keyPressEvent(event);
}
