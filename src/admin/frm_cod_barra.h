#pragma once
#include "frm_cadastro.h"

#include "cls_cod_barra.h"

#include <QGroupBox>

#include <QPointer>

class QComboBox;

// The document types and kinds of money (table CodBarra). Modal; the main
// window asks for the administrator's password before opening it.
class frmCodBarra : public frmCadastro {
    Q_OBJECT
public:
    explicit frmCodBarra(QWidget *parent = nullptr);

    static frmCodBarra *instancia();
    // Shows the default instance modally.
    static void abre();
    // The administrator gate, then abre(); false (nothing shown) when the
    // password is not an administrator's.
    static bool abreComoAdministrador();

    QLineEdit *txtTipo;
    QLineEdit *txtdescricao;
    QComboBox *cmbPadrao;
    QComboBox *cmbJuros;
    QComboBox *cmbBloqueio;
    QLineEdit *txtcodbanco;
    clsCodBarra objCodBarra;

protected:
    void novo() override;
    void mostra(const Recordset &linha) override;
    bool confere() override;
    bool grava() override;
    bool podeExcluir(int chave) override;
    bool exclui(int chave) override;

private:
    static QPointer<frmCodBarra> s_instancia;
};
