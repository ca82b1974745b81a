#pragma once
#include "acrescimos.h"
#include "aviso_dialog.h"

// The interest and fine added to an overdue document. Only its OK button closes it.
class frmAcrescimos : public AvisoDialog {
    Q_OBJECT
public:
    explicit frmAcrescimos(QWidget *parent = nullptr);
    void mostra(const Acrescimos &valores);

    // Index 0 the caption, index 1 the value.
    QLabel *lblvencimento[2] = {};
    QLabel *lblmora[2] = {};
    QLabel *lbloutros[2] = {};
    QLabel *lblvalor[2] = {};
    QLabel *lbldif = nullptr;

protected:
    void aoLiberarBotoes() override;
    void closeEvent(QCloseEvent *event) override;
};
