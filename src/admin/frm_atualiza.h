#pragma once
#include <QDialog>
#include <QPointer>

class QLineEdit;
class QPushButton;

// The folder where new versions of the program are put ([Opcoes] Atualiza),
// which the start form's update check reads. Modeless, no password.
class frmAtualiza : public QDialog {
    Q_OBJECT
public:
    explicit frmAtualiza(QWidget *parent = nullptr);

    // The default instance (the main window's "Atualizações"): instancia()->show().
    static frmAtualiza *instancia();

    QLineEdit *txtCaminho;
    QPushButton *cmdAbrir;
    QPushButton *cmdGravar;

public slots:
    void cmdAbrir_Click();
    // Writes the key as typed and closes; a failed write is shown and the window stays.
    void cmdGravar_Click();

private:
    static QPointer<frmAtualiza> s_instancia;
};
