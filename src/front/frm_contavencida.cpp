#include "frm_contavencida.h"

#include <QPushButton>

frmContavencida::frmContavencida(QWidget *parent) : AvisoDialog(QStringLiteral("Conta vencida."), parent)
{
    setObjectName(QStringLiteral("frmContavencida"));
    adicionaTextos({QStringLiteral("Conta de um ano anterior."), QStringLiteral("Verifique os dados antes de"),
                    QStringLiteral("receber este boleto.")});
    connect(adicionaBotao(QStringLiteral("OK")), &QPushButton::clicked, this, &QDialog::accept);
}
