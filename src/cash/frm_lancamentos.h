#pragma once
#include "cls_conf_caixa.h"
#include "gera_integracao.h"

#include <QDialog>

class PainelTotais;
class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The closing cash count of the work day's movement: the money in the box,
// counted by kind, is stored line by line (ConfCaixa) and compared with the
// movement's totals; the day's integration file is written from here.
class frmLancamentos : public QDialog {
    Q_OBJECT
public:
    explicit frmLancamentos(QWidget *parent = nullptr);

    // What the main window's menu entry does: a fresh window, run modally.
    static int abre(QWidget *parent = nullptr);

    // Refills List1 from the stored lines and works out the counted total,
    // the difference and the line count again. A failed read (reported by
    // the data access) leaves the list as it was.
    void Lista_conf_caixa();

    // The integration writer the window keeps for its lifetime.
    GeraIntegracao &integracao() { return m_integracao; }
    // The first column of the list row last clicked; empty when none.
    const QString &tag() const { return m_tag; }

    QLabel *lblMov;
    QDateEdit *dtpData;
    QLabel *lblDia;
    QLineEdit *txtid_tabela; // hidden: the movement's ID
    QComboBox *Combo1;
    QLineEdit *txtnumero;
    QLineEdit *mskvalor;
    QPushButton *Command5;
    QTreeWidget *List1;
    QLineEdit *txttotal;
    QLineEdit *txtarrecadacao;
    QLineEdit *txtsangria;
    QLineEdit *txtsuprimento;
    QLineEdit *txtsaldo;
    QLabel *lblStatus;
    QProgressBar *pbr;
    QPushButton *Command1;
    QPushButton *Command2;
    QMenu *mnuopcoes2;
    QAction *mnudel;
    QAction *mnualterar;

public slots:
    void Command5_Click();
    void mnudel_Click();
    void Command1_Click();
    void Command2_Click();
    void List1_ItemClick(QTreeWidgetItem *item);

    // Refused while the file is being written.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void montaTela();
    QWidget *montaEntrada();
    void Form_Load();
    void List1_MouseUp(const QPoint &pos);
    int idMovimento() const;
    bool Gera_integracao();

    QWidget *m_controles = nullptr;
    PainelTotais *m_totais = nullptr;
    clsConfCaixa m_conf;
    GeraIntegracao m_integracao;
    QString m_tag;
    bool m_gravando = false;
};
