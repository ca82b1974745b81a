#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

class QAction;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Recordset;

// The maintenance windows of a reference table: a list tab ("Consulta") and
// an edit tab ("Cadastro"), only one enabled at a time; "Incluir" and
// "Alterar ou Consultar" open the edit tab in mode 1 (new) or 2 (existing
// row), "Gravar e Concluir" saves and lists again, the pop-up menu deletes.
// The window's Tag holds the key text of the row last clicked ("" for none).
class frmCadastro : public QDialog {
    Q_OBJECT
public:
    QTabWidget *SSTab;
    QTreeWidget *ListView;
    QPushButton *cmdIncluir;  // Command1(3) "Incluir"
    QPushButton *cmdAlterar;  // Command1(1) "Alterar ou Consultar"
    QPushButton *cmdCancel;   // Command1(0) "Cancel"
    QPushButton *Command2;    // "Gravar e Concluir"
    QPushButton *Command3;    // "Sair"
    QGroupBox *Frame;
    QLineEdit *txtordem;
    QMenu *mnuop;
    QAction *mnuexcluir;

    QString Tag;
    int modo = 1; // 1 new row, 2 existing row

public slots:
    // 3 "Incluir", 1 "Alterar ou Consultar", 0 "Cancel".
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void ListView_ItemClick(QTreeWidgetItem *item);
    void mnuexcluir_Click();
    void Lista();

protected:
    struct Definicao {
        QString objeto;        // the window's objectName
        QString titulo;
        QString sqlLista;      // every row, in the list's order
        QString sqlRegistro;   // one row by its key ("?")
        QString campoChave;
        int digitosChave;
        QStringList colunas;   // headers: the key, then one per field below
        QStringList campos;    // the row's fields shown after the key
        QString menu;          // the pop-up menu's title
        QString itemExcluir;   // the delete item's text
        QString lugarLista;    // the error report's place text of the listing
    };
    frmCadastro(const Definicao &definicao, QWidget *parent);

    // Where the subclass adds its fields (inside the edit frame).
    QFormLayout *campos;
    // The subclass calls this once its fields exist: fills the list and
    // leaves "Consulta" as the usable tab.
    void Form_Load();

    // "Incluir": clears the fields and sets their first values.
    virtual void novo() = 0;
    // "Alterar ou Consultar": the fields receive the row.
    virtual void mostra(const Recordset &linha) = 0;
    // Checks beyond the required fields; false leaves the edit tab as it is.
    virtual bool confere() = 0;
    // Stores the fields with SQLInsert(modo); false when it did not.
    virtual bool grava() = 0;
    // A refusal is shown by the subclass, which answers false.
    virtual bool podeExcluir(int chave) = 0;
    virtual bool exclui(int chave) = 0;

    // A refusal: "Aviso" with the exclamation icon.
    static void recusa(const QString &texto);

private:
    bool abreRegistroExistente();
    void itemMenu(const QPoint &ponto);

    Definicao m_definicao;
};
