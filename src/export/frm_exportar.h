#pragma once
#include "gera_cnab.h"
#include "gera_febraban.h"

#include <QDate>
#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// What the export screen learns from the cashier front screen.
struct ContextoExportacao {
    int idMovimento = 0;        // frmFrente.IdMovimento
    int numMovimento = 0;       // frmFrente.NumMovimento
    QDate data;                 // frmFrente.dtpData
    bool movimentoFechado = false; // frmFrente.txtValorCodBarra is disabled
};

// Confirms or rejects the movement's received items of one document type for
// the bank's return file, and writes that file. Opened modally by the front
// screen.
class frmExportar : public QDialog {
    Q_OBJECT
public:
    explicit frmExportar(const ContextoExportacao &contexto, QWidget *parent = nullptr);

    QComboBox *cmbSel = nullptr;
    QComboBox *cmbTipo = nullptr;
    QPushButton *cmdPesquisar = nullptr;
    QLineEdit *txtcodbanco = nullptr;
    QPushButton *cmdExportar = nullptr;
    QTabWidget *SSTab = nullptr;
    QTreeWidget *lstRecebimentos = nullptr;
    QPushButton *cmdRejeita = nullptr;
    QPushButton *cmdRejeitados = nullptr;
    QTreeWidget *lstRejeitado = nullptr;
    QPushButton *cmdDesfazRejeicao = nullptr;
    QPushButton *Command3 = nullptr;
    QProgressBar *pbr = nullptr;
    QPushButton *cmdSair = nullptr;
    std::array<QLabel *, 8> SkinLabel{};

    GeraFebraban &febraban() { return m_febraban; }
    GeraCnab &cnab() { return m_cnab; }

    bool Gera_febraban_pendentes();
    // Started by no control of the screen.
    bool Gera_febraban_lista();
    bool Gera_cnab();

public slots:
    void cmbSel_Click();
    void cmbTipo_Click();
    void cmdPesquisar_Click();
    void cmdRejeitados_Click();
    void Command3_Click();
    void cmdRejeita_Click();
    void cmdDesfazRejeicao_Click();
    void cmdExportar_Click();
    void cmdSair_Click();
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void montaTela();
    QTreeWidget *novaLista();
    bool Preenche_combo(const QString &sql, const QVariantList &params, QComboBox *combo);
    void Lista_recebimentos(QTreeWidget *lista, int flag);
    void mostraTotais(QTreeWidget *lista, int flag, Currency total);
    void gravaMarcas(QTreeWidget *lista, const QString &pergunta, int flagRecarga);
    bool gravaExport(int idRecebe, int flag);
    int tipoEscolhido() const;
    QList<ItemExportacao> itensDaLista() const;
    PedidoFebraban pedidoFebraban() const;

    ContextoExportacao m_contexto;
    GeraFebraban m_febraban;
    GeraCnab m_cnab;
    QWidget *m_controles = nullptr;
    bool m_gravando = false;
};
