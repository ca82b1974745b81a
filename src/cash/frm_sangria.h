#pragma once
#include "lancamentos.h"

#include <QDialog>
#include <QList>
#include <array>
#include <memory>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Cash entries ("A"), payments of commitments ("P") and withdrawals ("S") of
// the open movement, each with its breakdown by kind of money. The mode letter
// and the movement come from the main window at every use.
class frmSangria : public QDialog {
    Q_OBJECT
public:
    explicit frmSangria(QWidget *parent = nullptr);
    ~frmSangria() override;

    // What the main window's menu entries do: leaves the mode letter in the
    // main window, sets the caption of the mode and runs the window modally.
    static int abre(const QString &modo, QWidget *parent = nullptr);
    // The caption of a mode letter ("" for an unknown letter).
    static QString legenda(const QString &modo);

    // Writes the entry on "Cadastro" with its lines; false when nothing was written.
    bool Salvar();
    // Mode 1: the search by description; any other: every entry of the mode.
    void Lista_Sangria(QTreeWidget *lista, int modo);
    // The lines of the entry on "Cadastro", and their sum in txtvalor.
    void Lista_itens();

    // The first column of the list row last chosen; "" for none.
    QString Tag() const { return m_tag; }
    // The lines as they stand on screen (stored and not yet stored).
    const QList<ItemLancamento> &itensNaTela() const { return m_itens; }

    QTabWidget *SSTab;
    QTreeWidget *ListView1;
    QLabel *lblSoma;
    QLineEdit *txtpesquisa;
    QPushButton *cmdProcura;
    std::array<QPushButton *, 4> Command1{}; // 0 "Cancel", 1 "Alterar ou Consultar", 3 "Incluir"
    QMenu *mnuopcoes;
    QAction *mnuexcluir;

    QLineEdit *txtordem;
    QDateEdit *dtpData;
    QComboBox *cmbTipo;
    QLineEdit *txtvalor;
    QPlainTextEdit *txtdescricao;
    QPushButton *cmdIncluirItens;
    QPushButton *Command2;
    QPushButton *Command3;

    QGroupBox *Frame;
    QComboBox *cmbEspecie;
    QLineEdit *txtnumero;
    QLineEdit *mskValorItem;
    QPushButton *cmdSave;
    QPushButton *cmdDel;
    QPushButton *cmdAdd;
    QTreeWidget *lstitens;

public slots:
    // Clicking a row chooses it: its first column goes into the tag.
    void ListView1_ItemClick(QTreeWidgetItem *item);
    void cmdProcura_Click();
    void Command1_Click(int index);
    void cmdIncluirItens_Click();
    void Command2_Click();
    void Command3_Click();
    void mnuexcluir_Click();
    void cmdSave_Click();
    void cmdDel_Click();
    void cmdAdd_Click();

private:
    void montaConsulta(QWidget *aba);
    void montaCadastro(QWidget *aba);
    QGroupBox *montaItens(QWidget *aba);
    void Incluir();
    void AlterarOuConsultar();
    void Cancelar();
    bool camposVazios();
    void mostraItens();
    void voltaConsulta();
    void descricaoDoModo(const QString &modo);
    int idNaTela() const;

    std::unique_ptr<clsSangria> m_sangria;
    QString m_tag;
    QList<ItemLancamento> m_itens;
    QList<int> m_itensExcluidos;
};
