#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// The safe: shows its balance and records one entry into it or one exit
// from it. Modeless; one default instance.
class frmCofre : public QDialog {
    Q_OBJECT
public:
    explicit frmCofre(QWidget *parent = nullptr);

    // The default instance, created (with the balance read) when missing and
    // released when it closes. The main window shows it: instancia()->show().
    static frmCofre *instancia();
    static frmCofre *existente();
    // What the main window's menu entry does: refuses on a closed day
    // (nullptr), else shows the default instance without making it modal.
    static frmCofre *abre();

    QRadioButton *Option1; // "Entrada"
    QRadioButton *Option2; // "Saida"
    QLineEdit *mskvalor;
    QLineEdit *txtsaldo;
    QPushButton *Command1;
    QPushButton *Command2;

public slots:
    void Command1_Click();
    void Command2_Click();

private:
    void mostraSaldo();
    void pedeOutroValor();
};
