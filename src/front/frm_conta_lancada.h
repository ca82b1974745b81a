#pragma once
#include "aviso_dialog.h"

// A code already in the sum list or already received.
class frmContaLancada : public AvisoDialog {
    Q_OBJECT
public:
    explicit frmContaLancada(QWidget *parent = nullptr);
    // Written by the caller before showing: "Conta já Lançada!!!" or "Conta já Recebida!!!".
    QString mensagem_aviso;
    QLabel *Label1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
