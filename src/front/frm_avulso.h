#pragma once
#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class frmFrente;

// A document received without a bar code: its type, amount, due date,
// instalment and remark, handed to the main window's sum list.
class frmAvulso : public QDialog {
    Q_OBJECT
public:
    explicit frmAvulso(frmFrente *frente);

    QComboBox *cmbTipo;
    QLineEdit *mskvalor;
    QDateEdit *dtpVencimento;
    QLineEdit *txtparcela;
    QLineEdit *txtobs;
    QPushButton *cmdOk;
    QPushButton *Command1;

public slots:
    void cmdOk_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmFrente *m_frente;
};
