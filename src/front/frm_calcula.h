#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// The teller's adding machine: "+" adds the typed amount to a tape with a
// running balance, "-" takes the last row off, "OK" hands the total to the
// main window's bar-code box. Nothing is stored.
class frmCalcula : public QDialog {
    Q_OBJECT
public:
    explicit frmCalcula(QWidget *parent = nullptr);

    // The default instance, created on first use; shown modeless by the caller.
    static frmCalcula *instancia();

    QLineEdit *mskvalor;
    QTreeWidget *List1;
    QLineEdit *txttotal;
    QPushButton *Command1; // "OK"
    QPushButton *cmdSair;

public slots:
    void Command1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void montaTela();
    void teclaMais();
    void teclaMenos();
    bool Adiciona_item_calc(const QString &texto);
    void mostraTotal();
};
