#pragma once
#include "frm_cadastro.h"

#include "cls_usuarios.h"

#include <QGroupBox>

#include <QPointer>

class QCheckBox;
class QComboBox;

// The users table: who may log in, with which password and profile. Modal;
// the main window asks for the administrator's password before opening it.
class frmUsuarios : public frmCadastro {
    Q_OBJECT
public:
    explicit frmUsuarios(QWidget *parent = nullptr);

    static frmUsuarios *instancia();
    // Shows the default instance modally.
    static void abre();
    // The administrator gate, then abre(); false (nothing shown) when the
    // password is not an administrator's.
    static bool abreComoAdministrador();

    QLineEdit *txtnome;
    QLineEdit *txtsenha;
    QComboBox *Combo;
    QCheckBox *Check;
    clsUsuarios objUsuarios;

protected:
    void novo() override;
    void mostra(const Recordset &linha) override;
    bool confere() override;
    bool grava() override;
    bool podeExcluir(int chave) override;
    bool exclui(int chave) override;

private:
    static QPointer<frmUsuarios> s_instancia;
};
