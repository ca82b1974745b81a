#pragma once
#include <QDate>
#include <QDialog>
#include <functional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;

// Typed-line entry: the teller keys in the line printed on a document whose
// bar code cannot be read; the line is checked, turned into the 44-digit
// code, shown with its due date and amount, and handed to the main window as
// the window closes.
class frmLdg : public QDialog {
    Q_OBJECT
public:
    explicit frmLdg(QWidget *parent = nullptr);

    // Receives the rebuilt code when the window closes holding one; the main
    // window writes it into txtValorCodBarra and reads it.
    std::function<void(const QString &codigo)> entregaCodigo;
    // How long the code, due date and amount stay shown before the window closes.
    int pausaMs = 1200;
    // The day the bank due-date factor is read against.
    QDate dataCaixa;

    QTabWidget *SSTab1 = nullptr;
    QGroupBox *frm1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *input1 = nullptr, *input2 = nullptr, *input3 = nullptr, *input4 = nullptr;
    QLineEdit *dv1 = nullptr, *dv2 = nullptr, *dv3 = nullptr, *dv4 = nullptr;
    QLineEdit *campo1 = nullptr, *campo2 = nullptr, *campo3 = nullptr, *campo4 = nullptr;
    QLineEdit *campo5 = nullptr, *campo6 = nullptr, *campo7 = nullptr, *digito = nullptr;
    QLineEdit *txtcodigo = nullptr, *txtdta = nullptr, *txtvalor = nullptr;
    QPushButton *cmdOk = nullptr, *cmdCancel = nullptr;

    void done(int resultado) override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *event) override;

private:
    void Valida_linha_digitavel();
    void SSTab1_Click(int pagina);
    QLineEdit *campo(QWidget *pai, const char *nome, int tamanho, bool avanca);

    QTimer *m_pausa = nullptr;
    bool m_entregue = false;
};
