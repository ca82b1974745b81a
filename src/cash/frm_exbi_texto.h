#pragma once
#include <QDialog>

class QPlainTextEdit;
class QPrinter;
class QPushButton;

// Shows, read-only, the station's yearly log of reversals ("estorno") or the
// cash day's receipt file (any other mode), and prints it. The mode is the
// global gModoExibicao, read when the window is made and cleared when it closes.
class frmExbi_texto : public QDialog {
    Q_OBJECT
public:
    explicit frmExbi_texto(QWidget *parent = nullptr);
    ~frmExbi_texto() override;

    // What the main window's menu entries do: sets gModoExibicao, a fresh
    // window with the caption, run modally.
    static int abre(const QString &modo, const QString &caption, QWidget *parent = nullptr);

    // The file of a mode for the cash day on view in the main window.
    static QString arquivoDoModo(const QString &modo);
    QString arquivo() const { return m_arquivo; }

    QPlainTextEdit *Rich1;
    QPushButton *Command;
    QPushButton *cmdSair;

public slots:
    void Command_Click();
    void cmdSair_Click();

protected:
    // The print dialog; false when the teller cancelled it. `selecao` offers
    // printing only the selected text.
    virtual bool escolheImpressora(QPrinter &printer, bool selecao);
    virtual void imprime(QPrinter &printer, const QString &texto);
    void done(int resultado) override;

private:
    void carrega();

    QString m_arquivo;
};
