#include "frm_guiavencida.h"

#include "globals.h"

#include <QPushButton>

frmGuiavencida::frmGuiavencida(QWidget *parent) : AvisoDialog(QStringLiteral("Guia Vencida"), parent)
{
    setObjectName(QStringLiteral("frmGuiavencida"));
    adicionaTextos({QStringLiteral("Guia com a data de vencimento vencida."), QStringLiteral("Deseja Continuar?")});
    connect(adicionaBotao(QStringLiteral("Sim")), &QPushButton::clicked, this, [this] {
        AbreBD::gContinuaVencida = true;
        accept();
    });
    connect(adicionaBotao(QStringLiteral("Não")), &QPushButton::clicked, this, &QDialog::reject);
}

void frmGuiavencida::showEvent(QShowEvent *event)
{
    AbreBD::gContinuaVencida = false;
    AvisoDialog::showEvent(event);
}
