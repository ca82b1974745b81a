#pragma once
#include "data_access.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// Alteration (type and value) and reversal of the received items of the
// movement on view in the main window, each with its reason, a note on the
// authentication printer and an entry in the station's yearly log.
class frmCorrigeGuia : public QDialog {
    Q_OBJECT
public:
    explicit frmCorrigeGuia(QWidget *parent = nullptr);

    // What the main window's menu entry does (after the administrator gate):
    // a fresh window, run modally.
    static int abre(QWidget *parent = nullptr);

    // Fills the list with the movement's items, newest first, or with the rows
    // of the given statement (same columns).
    void Lista_itens_dia(QTreeWidget *lista, const QString &sql = QString(), const SqlParams &params = {});

    // The ORDEM of the list row last chosen; "" for none.
    QString Tag() const { return m_tag; }

    QTabWidget *SSTab;
    QLineEdit *txtpesquisa;
    QPushButton *cmdProcura;
    QTreeWidget *ListView1;
    std::array<QPushButton *, 4> Command1{}; // 0 "Cancel", 1 load the item, 3 "Excluir"

    QLineEdit *txtordem;
    QLineEdit *txtaut;
    QLineEdit *txtbarra;
    QComboBox *cmbOrgao;
    QLineEdit *mskvalor;
    QPlainTextEdit *txtmotivo;
    QLineEdit *txttipoantigo;
    QLineEdit *txtvalorantigo;
    QPushButton *Command2;
    QPushButton *Command3;

public slots:
    void cmdProcura_Click();
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();

private:
    void montaConsulta(QWidget *aba);
    void montaCadastro(QWidget *aba);
    void carregaItem();
    void exclui();
    bool semMotivo();
    int tipoEscolhido() const;
    void registra(const QStringList &entrada, const QString &feito);
    void imprime(const QString &nota);
    void voltaConsulta();

    QString m_tag;
};
