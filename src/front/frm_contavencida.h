#pragma once
#include "aviso_dialog.h"

// A previous-year document that may still be received: a notice.
class frmContavencida : public AvisoDialog {
    Q_OBJECT
public:
    explicit frmContavencida(QWidget *parent = nullptr);
};
