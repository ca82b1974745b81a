#pragma once
#include "currency.h"
#include "linha_soma.h"

#include <QDate>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

class clsAutenticadora;
class clsContador;
class clsMovimento;
class clsRecebimentos;
class FrentePublica;
class frmAutenticar;
class LeitorCodigoBarras;
class AvisosJanelas;
class QKeyEvent;

// The teller's main window: the day's movement, the bar-code box, the sum
// list and every other window's way in.
class frmFrente : public QMainWindow {
    Q_OBJECT
public:
    explicit frmFrente(QWidget *parent = nullptr);
    ~frmFrente() override;

    // The default instance, created on first use.
    static frmFrente *instancia();
    static frmFrente *existente();

    // The open movement.
    int IdMovimento = 0;
    int NumMovimento = 0;
    QDate DataMovimento;
    // Hand-over of the next loose item.
    QString VencimentoAvulso;
    QString ParcelaAvulso;
    QString ObsAvulso;

    // Controls other windows read and write.
    QLineEdit *txtValorCodBarra;
    QLineEdit *txtLeitura;
    QComboBox *cmbTipoGuia;
    QLineEdit *txtItem;
    QLineEdit *txtcod;
    QLineEdit *txttotal;
    QLineEdit *txtstatus;
    QLineEdit *Text1;
    QLineEdit *mskvalor;
    QTreeWidget *lstSoma;
    QTreeWidget *lstLancado;
    QLabel *lblTroco;
    QLabel *lbltotalConta;
    QLabel *lblHora;
    QLabel *lblDia;
    QLabel *lblStatusRede;
    QLabel *LfLetters;
    QLabel *LfLettersTroco; // the caption beside the change
    QLabel *lbluser;
    QLabel *lblStatus;
    QProgressBar *pbr;
    QDateEdit *dtpData;
    QPushButton *cmdLdg;
    QPushButton *cmdAvulso;
    QTimer *tmrDiaHora;
    QTimer *Timer4;

    // Menu entries by name ("mnuEncerrar", ...).
    QAction *menu(const QString &name) const;
    QMenu *menuBarMenu(const QString &name) const;

    void Habilita_menus(const QString &status);
    void Limpa_troco();
    // Prints the text on the authentication printer ("txt" model route).
    // False when the printer could not be written.
    bool ProcAutenticarDoc(const QString &texto);
    void imprime_cabecalho_cupom(int modo);
    // Mode 1: the selected sum-list row's block; mode 2: the day summary.
    // False (and the reason) when the file could not be written.
    bool grava_recebimentos_txt(int modo, int autenticacao, Currency arrecadado, Currency retiradas,
                                Currency entradas, Currency totalGeral, QString *erro = nullptr);
    void Lista_Movimento_dia();

    // The 38-character tape title for a municipality name and a day.
    static QString tituloFita(const QString &pref, const QDate &dia);
    // The operator text and total line of the payment header.
    static QString textoOperador(const QString &usuario);
    static QString linhaTotal(const QString &total, const QString &troco);
    // The change as the header and the receipt file write it.
    QString trocoTexto() const;
    QString totalTexto() const;

    // The sum list: the rows of the payment being received, shown in lstSoma.
    const SomaLista &soma() const { return m_soma; }
    void VerificaLeituraCodigoBarras();
    // Appends the pending item (txtItem, cmbTipoGuia, mskvalor,
    // txtValorCodBarra and the loose-payment variables) to the sum list.
    bool Adiciona_item_soma();
    // Records the first row of the sum list; true when it was recorded.
    bool Grava_item_recebido();
    // Loose payments: the chosen type alone in cmbTipoGuia, then the row.
    void Carrega_combo_avulso(int tipo);
    void RecebeAvulso();
    // True while the movement is closed (the bar-code box reads "CAIXA ENCERRADO").
    bool diaFechado() const;
    // Called with the authentication dialog before it runs (tests drive it).
    std::function<void(frmAutenticar &)> aoAutenticar;

    std::unique_ptr<clsMovimento> movimento;
    std::unique_ptr<clsRecebimentos> recebimentos;
    std::unique_ptr<clsContador> contador;
    std::unique_ptr<clsAutenticadora> autenticadora;

public slots:
    void cmdLdg_Click();
    void cmdAvulso_Click();
    void mnuAlterna_Click();
    void mnuCorrige_Click();
    void mnuRemove_Click();
    void mnuLimpar_Click();
    void mnuLimpaIdent_Click();
    void mnuGravar_Click();
    void mnuCarregar_Click();
    void mnuEncerrar_Click();
    void mnuReabrir_Click();
    void mnureverter_Click();
    void mnulogoff_Click();
    void mnuSair_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void montaTela();
    void montaMenus();
    void Form_Load();
    bool Abre_movimento();
    bool abreNovoMovimento(const QDate &dia, const QString &titulo);
    void tmrDiaHora_Timer();
    void Timer4_Timer();
    void Form_Unload();
    // Sends a tape to the printer; a builder's refusal is said after it.
    void imprimeFita(const QString &fita, bool blocoCerto);
    void ligaSoma();
    void ligaMenus();
    // The administrator's password, asked each time; true when it is one.
    bool portaoAdministrador();
    void abreSangria(const QString &modo, const QString &caption);
    void abreVisualizador(const QString &modo, const QString &caption);
    void acrescentaLinha(const LinhaSoma &linha);
    void mostraSoma();
    void limpaEntrada();
    bool teclaDaJanela(QKeyEvent *event);
    bool calculaTroco();
    std::optional<int> proximaAutenticacao();
    bool Grava_soma();
    bool Carrega_soma();
    void erroSoma(const QString &texto, int numero, const QString &detalhe);
    void Form_Resize();

    std::unique_ptr<FrentePublica> m_publica;
    std::unique_ptr<AvisosJanelas> m_avisos;
    std::unique_ptr<LeitorCodigoBarras> m_leitor;
    SomaLista m_soma;
    QHash<QString, QAction *> m_menus;
    QHash<QString, QMenu *> m_menuBar;
    bool m_descarregado = false;
};
