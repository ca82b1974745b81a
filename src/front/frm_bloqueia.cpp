#include "frm_bloqueia.h"

#include <QPushButton>

frmBloqueia::frmBloqueia(QWidget *parent) : AvisoDialog(QStringLiteral("Bloqueia Conta"), parent)
{
    setObjectName(QStringLiteral("frmBloqueia"));
    adicionaTextos({QStringLiteral("Conta de um ano anterior."), QStringLiteral("Não pode ser recebida!!!")});
    connect(adicionaBotao(QStringLiteral("OK")), &QPushButton::clicked, this, &QDialog::accept);
}
