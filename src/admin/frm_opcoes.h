#pragma once
#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The settings window: every key of "Config.ini" the desk uses. Modeless;
// "Gravar" writes them all, reloads the shared globals and closes it.
class frmOpcoes : public QDialog {
    Q_OBJECT
public:
    explicit frmOpcoes(QWidget *parent = nullptr);

    // The default instance (the main window's "Parâmetros" and the start
    // form's "Configurações" show it): instancia()->show().
    static frmOpcoes *instancia();

    QTabWidget *SSTab;
    QTabWidget *SSTab1;
    // "Diretórios"
    QLineEdit *txtcaminho_retaguarda;
    QLineEdit *txtcaminho_estorno;
    QLineEdit *txtcaminho_remove_item;
    QLineEdit *txtsoma;
    QLineEdit *txtitens_recebimento;
    QLineEdit *txtcaminho_febraban;
    QPushButton *cmdCaminho1;
    QPushButton *cmdCaminho2;
    QPushButton *cmdCaminho3;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *cmdCaminhoFebraban;
    // "Parâmetros"
    QCheckBox *chkRede;
    QLineEdit *txtnome_banco;
    QLineEdit *txtpref;
    QLineEdit *txtcnpj;
    // "Mensagem"
    QLineEdit *txtguiche;
    QLineEdit *txtcabecalho;
    QLineEdit *txtmensagem;
    // "Contábil"
    QRadioButton *optDesc;
    QRadioButton *optVunt;
    QCheckBox *chkSup;
    // "Impressão"
    QRadioButton *OptTXT;
    QRadioButton *optBematech;
    QRadioButton *optQuatro;
    QLineEdit *txtIP;
    QComboBox *cmbPorta;
    QComboBox *cmbImpressoras;
    QPushButton *Command5;
    QPushButton *cmdEscolhe;
    QLabel *lblImpressora;
    QLabel *lblAutenticadora;
    QCheckBox *chkPrintCupom;
    QCheckBox *chkTecla_mais;
    QCheckBox *chkCabecalho;

    QPushButton *Command1; // "Gravar"
    QPushButton *Command2; // "Cancelar"

public slots:
    // Writes every key, reloads the globals and closes; a write that fails is
    // shown and leaves the window open with the file and the globals as they were.
    void Command1_Click();
    void Command2_Click();

private:
    QWidget *criaDiretorios();
    QWidget *criaParametros();
    QWidget *criaMensagem();
    QWidget *criaContabil();
    QWidget *criaImpressao();
    void ligaSeletores();
    void Form_Load();
    void carregaImpressoras();
    void fixa(QLabel *rotulo);
    QString modelo() const;

    static QPointer<frmOpcoes> s_instancia;
};
