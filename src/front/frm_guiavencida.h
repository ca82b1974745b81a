#pragma once
#include "aviso_dialog.h"

// The overdue question; its answer is left in gContinuaVencida.
class frmGuiavencida : public AvisoDialog {
    Q_OBJECT
public:
    explicit frmGuiavencida(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
