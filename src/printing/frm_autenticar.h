#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The item being recorded, as the sum list shows it.
struct ItemAutenticar {
    QString seq;          // "01" for the first document of a payment
    QString tipo;         // "03-AGUA E ESGOTO"
    QString valor;        // "1.234,56"
    QString autenticacao; // the authentication number, as text
};

// Authenticates the paper document of the item about to be recorded: Enter
// prints the document line (as often as the teller asks), Esc prints the
// roll line and lets the item be recorded. gCancelaAutenticacao tells the
// caller whether at least one authentication was asked for.
class frmAutenticar : public QDialog {
    Q_OBJECT
public:
    explicit frmAutenticar(const ItemAutenticar &item, QWidget *parent = nullptr);
    ~frmAutenticar() override;

    QLabel *lblvalor;
    QLabel *lblTipo;
    QLabel *lblStatus;
    QPushButton *cmdEnter;
    QPushButton *cmdEsc;

    QString texto_boleto() const { return m_boleto; }
    QString texto_fita() const { return m_fita; }
    int contagem() const;

    // The label texts and the two lines, composed as the printer expects.
    static QString valorRotulo(const QString &valor);
    static QString tipoRotulo(const QString &tipo);

public slots:
    void cmdEnter_Click();
    void cmdEsc_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    ItemAutenticar m_item;
    QString m_boleto;
    QString m_fita;
    bool m_modoTxt = false;
    int m_imprimeCabecalho = 0;
    bool m_saindo = false;
    bool m_portaAberta = false;
};
