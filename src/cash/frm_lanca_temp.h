#pragma once
#include "currency.h"

#include <QDialog>

class PainelTotais;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// A trial count of the cash box by kind of money against the movement's
// totals. Nothing is stored: the lines go with the window.
class frmLancaTemp : public QDialog {
    Q_OBJECT
public:
    explicit frmLancaTemp(QWidget *parent = nullptr);

    // What the main window's menu entry does: a fresh window, run modally.
    static int abre(QWidget *parent = nullptr);

    // Appends the line of Combo1 and mskvalor and works out the totals again;
    // false (and a message) when the value is not money.
    bool Lista_conf_caixa();

    QLabel *lblMov;
    QDateEdit *dtpData;
    QLabel *lblDia;
    QComboBox *Combo1;
    QLineEdit *mskvalor;
    QPushButton *cmdDel;
    QPushButton *Command5;
    QTreeWidget *List1;
    QLineEdit *txttotal;
    QLineEdit *txtarrecadacao;
    QLineEdit *txtsangria;
    QLineEdit *txtsuprimento;
    QLineEdit *txtsaldo;
    QLabel *lblStatus;
    QPushButton *Command2;

public slots:
    void Command5_Click();
    void cmdDel_Click();
    void Command2_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *montaTotais();
    void Form_Load();
    void calculaDiferenca();
    void mostraContagem();

    PainelTotais *m_totais = nullptr;
};
