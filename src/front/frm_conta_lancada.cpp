#include "frm_conta_lancada.h"

#include <QLabel>
#include <QPushButton>

frmContaLancada::frmContaLancada(QWidget *parent)
    : AvisoDialog(QStringLiteral("Conta já Lançada!!!"), parent)
{
    setObjectName(QStringLiteral("frmContaLancada"));
    Label1 = adicionaTextos({QStringLiteral("Conta já lançada !!!")}).first();
    connect(adicionaBotao(QStringLiteral("OK")), &QPushButton::clicked, this, &QDialog::accept);
}

void frmContaLancada::showEvent(QShowEvent *event)
{
    Label1->setText(mensagem_aviso);
    AvisoDialog::showEvent(event);
}
