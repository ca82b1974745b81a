#pragma once
#include "currency.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The teller's interest calculator: interest, late fee and total of an
// overdue instalment under one of three fixed rules. Shows results only.
class frmJuros : public QDialog {
    Q_OBJECT
public:
    explicit frmJuros(QWidget *parent = nullptr);

    // The default instance, created on first use; shown modeless by the caller.
    static frmJuros *instancia();

    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QDateEdit *dtpVencimento;
    QDateEdit *dtphoje;
    QLineEdit *mskprestacao;
    QLineEdit *txtjuros;
    QLabel *lbldias;
    QLabel *lblmes;
    QLabel *lblmora;
    QLabel *lbljuros;
    QLabel *lbltotal;
    QPushButton *Command2; // "Calcular"
    QPushButton *Command1; // "Cancelar"

public slots:
    void Command2_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void montaTela();
    void Form_Load();
    void escolheRegra(const QString &taxa);
    bool verificaEntradas();
    void calcula(int regra, Currency valor, double taxa);
    void aviso(const QString &texto, QWidget *foco);
};
