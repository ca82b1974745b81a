#pragma once
#include "aviso_dialog.h"

// A previous-year document of a type that refuses them.
class frmBloqueia : public AvisoDialog {
    Q_OBJECT
public:
    explicit frmBloqueia(QWidget *parent = nullptr);
};
