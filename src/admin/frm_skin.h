#pragma once
#include <QDialog>
#include <QPointer>

class QLineEdit;
class QPushButton;

// The skin file setting ([Skin] nome). Skins are not applied on this
// platform: the key is kept for the file's sake and the program keeps Qt's
// own style. No menu opens this window.
class frmSkin : public QDialog {
    Q_OBJECT
public:
    explicit frmSkin(QWidget *parent = nullptr);

    static frmSkin *instancia();

    QLineEdit *Text1;
    QPushButton *cmdCaminho;
    QPushButton *cmdGravar;   // "Aplicar"
    QPushButton *cmdCancelar; // "Sair"

public slots:
    void cmdCaminho_Click();
    // Writes the key; the window stays open.
    void cmdGravar_Click();
    void cmdCancelar_Click();

private:
    static QPointer<frmSkin> s_instancia;
};
