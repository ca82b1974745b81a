#include "frm_cofre.h"

#include "campos_valor.h"
#include "estado_movimento.h"
#include "globals.h"
#include "msg_box.h"
#include "saldo_cofre.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace AbreBD;

namespace {

const QString kAviso = QStringLiteral("Aviso");
const QString kCaixaEncerrado = QStringLiteral("Você não pode movimentar o cofre, com o caixa já encerrado!!");

QPointer<frmCofre> &instanciaPadrao()
{
    static QPointer<frmCofre> w;
    return w;
}

} // namespace

frmCofre::frmCofre(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCofre"));
    setWindowTitle(QStringLiteral("Cofre"));

    auto *tipo = new QGroupBox(QStringLiteral("Tipo de Lançamento"), this);
    Option1 = new QRadioButton(QStringLiteral("Entrada"), tipo);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Saida"), tipo);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option1->setChecked(true);
    auto *tipoLay = new QHBoxLayout(tipo);
    tipoLay->addWidget(Option1);
    tipoLay->addWidget(Option2);

    mskvalor = new QLineEdit(this);
    mskvalor->setObjectName(QStringLiteral("mskvalor"));
    mskvalor->setAlignment(Qt::AlignRight);
    txtsaldo = new QLineEdit(this);
    txtsaldo->setObjectName(QStringLiteral("txtsaldo"));
    txtsaldo->setAlignment(Qt::AlignRight);
    txtsaldo->setReadOnly(true); // the balance changes only through a move
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Cancelar"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setDefault(true);
    Command2->setAutoDefault(false);

    auto *campos = new QGridLayout;
    campos->addWidget(new QLabel(QStringLiteral("Valor a lançar"), this), 0, 0);
    campos->addWidget(mskvalor, 0, 1);
    campos->addWidget(new QLabel(QStringLiteral("Saldo Atual"), this), 1, 0);
    campos->addWidget(txtsaldo, 1, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(Command1);
    botoes->addWidget(Command2);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(tipo);
    lay->addLayout(campos);
    lay->addLayout(botoes);

    connect(Command1, &QPushButton::clicked, this, &frmCofre::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCofre::Command2_Click);
    mostraSaldo();
}

frmCofre *frmCofre::instancia()
{
    QPointer<frmCofre> &w = instanciaPadrao();
    if (!w) {
        w = new frmCofre;
        w->setAttribute(Qt::WA_DeleteOnClose);
    }
    return w;
}

frmCofre *frmCofre::existente()
{
    return instanciaPadrao();
}

frmCofre *frmCofre::abre()
{
    if (Caixa::recusaSeFechado(kCaixaEncerrado))
        return nullptr;
    frmCofre *w = instancia();
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void frmCofre::mostraSaldo()
{
    // An absent balance shows as nothing; it still counts as 0 on "OK".
    const SaldoCofre::Leitura l = SaldoCofre::le(gArquivoCofre);
    txtsaldo->setText(l.saldo && !l.texto.isEmpty() ? l.saldo->format() : l.texto);
}

void frmCofre::pedeOutroValor()
{
    Caixa::avisaValorInvalido();
    mskvalor->clear();
    mskvalor->setFocus();
}

void frmCofre::Command1_Click()
{
    if (Caixa::recusaSeFechado(kCaixaEncerrado))
        return;
    // The move applies to the balance stored now, which is also what is shown.
    const SaldoCofre::Leitura atual = SaldoCofre::le(gArquivoCofre);
    mostraSaldo();
    if (!atual.saldo) {
        MsgBox(QStringLiteral("O saldo gravado no arquivo do cofre (") + gArquivoCofre
                   + QStringLiteral(") não é um valor válido: ") + atual.texto,
               Vb::vbCritical, kAviso);
        return;
    }
    const std::optional<Currency> valor = Caixa::leValor(mskvalor->text());
    if (!valor || *valor < Currency()) {
        pedeOutroValor();
        return;
    }
    if (Option2->isChecked() && *valor > *atual.saldo) {
        MsgBox(QStringLiteral("Valor não pode ser maior que o saldo disponível."), Vb::vbCritical, kAviso);
        pedeOutroValor();
        return;
    }
    const Currency novo = Option2->isChecked() ? *atual.saldo - *valor : *atual.saldo + *valor;
    QString erro;
    if (!SaldoCofre::grava(gArquivoCofre, novo, &erro)) {
        mostraSaldo();
        MsgBox(QStringLiteral("O saldo do cofre não foi gravado: ") + erro
                   + QStringLiteral(". Nenhum valor foi lançado."),
               Vb::vbCritical, kAviso);
        return;
    }
    MsgBox(QStringLiteral("Valor gravado. Saldo atualizado para R$ ") + novo.plainText(), Vb::vbInformation,
           kAviso);
    close();
}

void frmCofre::Command2_Click()
{
    close();
}
