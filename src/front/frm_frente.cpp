#include "frm_frente.h"
#include "formulario.h"
#include "arquivo_recebimentos.h"
#include "avisos_janelas.h"
#include "leitor_codigo_barras.h"

#include "abre_bd.h"
#include "ajusta_tela.h"
#include "aplicativos.h"
#include "clock.h"
#include "cls_autenticadora.h"
#include "cls_contador.h"
#include "cls_movimento.h"
#include "cls_recebimentos.h"
#include "error_report.h"
#include "frente_publica.h"
#include "globals.h"
#include "inpout.h"
#include "msg_box.h"
#include "print.h"
#include "printers.h"
#include "shared_printer.h"
#include "text_file.h"
#include "usuarios.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace AbreBD;

using Formulario::nomeado;

namespace {

const QString kAviso = QStringLiteral("Aviso");
const QString kErro = QStringLiteral("Erro");
const QString kFechado = QStringLiteral("FECHADO");
const QString kSemTroco = QStringLiteral("Não tem ...");

// The main window as the other subsystems see it.
class FrenteAdaptador : public FrentePublica {
public:
    explicit FrenteAdaptador(frmFrente *w) : m_w(w) {}
    int IdMovimento() const override { return m_w->IdMovimento; }
    int NumMovimento() const override { return m_w->NumMovimento; }
    QDate DataMovimento() const override { return m_w->DataMovimento; }
    QDate dtpData() const override { return m_w->dtpData->date(); }
    QString txtstatus() const override { return m_w->txtstatus->text(); }
    void setTxtstatus(const QString &modo) override { m_w->txtstatus->setText(modo); }
    QString txtcod() const override { return m_w->txtcod->text(); }
    bool codBarraHabilitado() const override { return m_w->txtValorCodBarra->isEnabled(); }
    QString textoCodBarra() const override { return m_w->txtValorCodBarra->text(); }
    void setTextoCodBarra(const QString &texto) override { m_w->txtValorCodBarra->setText(texto); }
    bool ProcAutenticarDoc(const QString &texto) override { return m_w->ProcAutenticarDoc(texto); }
    void imprime_cabecalho_cupom(int modo) override { m_w->imprime_cabecalho_cupom(modo); }
    void Lista_Movimento_dia() override { m_w->Lista_Movimento_dia(); }

private:
    frmFrente *m_w;
};

QPointer<frmFrente> &instanciaPadrao()
{
    static QPointer<frmFrente> w;
    return w;
}

struct EntradaMenu {
    const char *menu;
    const char *caption;
    const char *name;
    QKeySequence shortcut;
    bool enabled;
    bool visible;
};

// The menu bar, left to right and top to bottom, with each entry's design state.
QList<EntradaMenu> tabelaMenus()
{
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    return {
        {"mnuArquivo", "Encerrar Caixa", "mnuEncerrar", QKeySequence(Qt::Key_F4), true, true},
        {"mnuArquivo", "Reabrir Caixa", "mnuReabrir", QKeySequence(Qt::Key_F5), true, true},
        {"mnuArquivo", "-", "mnuespco10", {}, true, true},
        {"mnuArquivo", "Reverter Integração", "mnureverter", {}, false, false},
        {"mnuArquivo", "Conferir Caixa (Encerramento)", "mnuConferir", {}, false, true},
        {"mnuArquivo", "Conferência Caixa (Temporária)", "mnuConftemp", {}, false, true},
        {"mnuArquivo", "-", "mnuespaco1", {}, true, true},
        {"mnuArquivo", "Cadastro de Usuários", "mnuuser", {}, true, true},
        {"mnuArquivo", "Troca de Usuário", "mnulogoff", {}, true, true},
        {"mnuArquivo", "-", "mnuespac", {}, true, true},
        {"mnuArquivo", "Suprimentos", "mnuSuprimentos", {}, false, true},
        {"mnuArquivo", "Cadastro de Feriados", "mnuFeriados", {}, true, true},
        {"mnuArquivo", "Cadastro de Itens (entrada e saída)", "mnuItens", {}, true, true},
        {"mnuArquivo", "-", "mnuespaco8", {}, true, true},
        {"mnuArquivo", "Sair (ESC)", "mnuSair", {}, true, true},
        {"mnuMovimento", "Entrada de Dinheiro no Caixa", "mnuLanca", ctrl(Qt::Key_L), true, true},
        {"mnuMovimento", "Pagamentos de Empenhos", "mnuPagtos", ctrl(Qt::Key_P), true, true},
        {"mnuMovimento", "Retiradas do Caixa (Sangria)", "mnuSangria", ctrl(Qt::Key_R), true, true},
        {"mnuMovimento", "-", "mnuespaco12", {}, true, true},
        {"mnuMovimento", "Alterar ou Excluir Item Recebido", "mnuAlt_item", ctrl(Qt::Key_Insert), true, true},
        {"mnuMovimento", "Confirmar ou Rejeitar Item (Exportação)", "mnuExpCebi", ctrl(Qt::Key_C), true, true},
        {"mnuMovimento", "-", "mnuespaco2", {}, true, true},
        {"mnuMovimento", "Remover Item da Soma", "mnuRemove", ctrl(Qt::Key_E), true, true},
        {"mnuMovimento", "Limpa Identificação", "mnuLimpaIdent", QKeySequence(Qt::Key_F8), true, true},
        {"mnuMovimento", "Linha Digitável", "mnuLdg", ctrl(Qt::Key_G), true, true},
        {"mnuMovimento", "Corrige Soma", "mnuCorrige", QKeySequence(Qt::Key_F2), true, true},
        {"mnuMovimento", "Limpar Soma", "mnuLimpar", QKeySequence(Qt::Key_F3), true, true},
        {"mnuMovimento", "Gravar Soma", "mnuGravar", QKeySequence(Qt::Key_F11), true, true},
        {"mnuMovimento", "Carregar Soma", "mnuCarregar", QKeySequence(Qt::Key_F12), true, true},
        {"mnuexibir", "Alterna Lista", "mnuAlterna", QKeySequence(Qt::Key_F7), true, true},
        {"mnuexibir", "Estornos", "mnuestornos", {}, true, true},
        {"mnuexibir", "Recebimentos", "mnurecebimentos", {}, true, true},
        {"mnuCalculo", "Calcula Juros", "mnuJuros", QKeySequence(Qt::Key_F6), true, true},
        {"mnuCalculo", "Calculadora", "mnuCalculadora", QKeySequence(Qt::Key_F9), true, true},
        {"mnskin", "Alterar Skin", "mnuAltSkin", ctrl(Qt::Key_S), false, true},
        {"mnskin", "Parâmetros", "mnuParam", {}, true, true},
        {"mnskin", "-", "mnuespaco4", {}, true, true},
        {"mnskin", "Atualizações", "mnuAtualiza", {}, true, true},
    };
}

const QList<QPair<const char *, const char *>> &nomesMenus()
{
    static const QList<QPair<const char *, const char *>> m = {
        {"mnuArquivo", "Arquivo"}, {"mnuMovimento", "Movimento"}, {"mnuexibir", "Exibir"},
        {"mnuCalculo", "Calculos"}, {"mnskin", "Opções"}};
    return m;
}

// Entries that the movement's status locks and unlocks.
const QStringList &travadosQuandoFechado()
{
    static const QStringList l = {"mnuLimpaIdent", "mnuEncerrar", "mnuLimpar",   "mnuCorrige",
                                  "mnuGravar",     "mnuCarregar", "mnuCalculadora", "mnuAlt_item",
                                  "mnuLdg",        "mnuConftemp"};
    return l;
}

const QStringList &liberadosQuandoFechado()
{
    static const QStringList l = {"mnuReabrir", "mnureverter", "mnuConferir"};
    return l;
}

QLabel *rotulo(QWidget *parent, const QString &text, const QRect &geom, const char *name = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geom);
    return l;
}

QTreeWidget *lista(QWidget *parent, const char *name, const QStringList &columns)
{
    auto *t = nomeado(new QTreeWidget(parent), name);
    t->setColumnCount(int(columns.size()));
    t->setHeaderLabels(columns);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setAllColumnsShowFocus(true);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(10);
    t->setFont(f);
    return t;
}

} // namespace

frmFrente *frmFrente::instancia()
{
    if (!instanciaPadrao())
        instanciaPadrao() = new frmFrente;
    return instanciaPadrao();
}

frmFrente *frmFrente::existente()
{
    return instanciaPadrao();
}

frmFrente::frmFrente(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmFrente"));
    setWindowTitle(QStringLiteral("..:: Frente de Caixa ::.."));
    setAttribute(Qt::WA_DeleteOnClose);
    if (!instanciaPadrao())
        instanciaPadrao() = this;
    m_publica = std::make_unique<FrenteAdaptador>(this);
    gFrente = m_publica.get();
    montaTela();
    montaMenus();
    ligaSoma();
    ligaMenus();
    Form_Load();
}

frmFrente::~frmFrente()
{
    if (gFrente == m_publica.get())
        gFrente = nullptr;
}

void frmFrente::montaTela()
{
    auto *c = new QWidget(this);
    c->setObjectName(QStringLiteral("principal"));
    setCentralWidget(c);
    // The size the controls are placed for; larger windows scale them.
    resize(1024, 684 + menuBar()->sizeHint().height());

    QFont grande;
    grande.setPointSize(16);
    grande.setBold(true);

    rotulo(c, QStringLiteral("Código de Barras:"), {12, 8, 300, 22});
    txtValorCodBarra = nomeado(new QLineEdit(c), "txtValorCodBarra");
    txtValorCodBarra->setMaxLength(44);
    txtValorCodBarra->setGeometry(12, 32, 640, 36);
    txtValorCodBarra->setFont(grande);
    cmdLdg = nomeado(new QPushButton(QStringLiteral("LD"), c), "cmdLdg");
    cmdLdg->setGeometry(660, 32, 48, 36);
    cmdLdg->setFocusPolicy(Qt::NoFocus);

    cmbTipoGuia = nomeado(new QComboBox(c), "cmbTipoGuia");
    cmbTipoGuia->setGeometry(12, 80, 420, 30);
    cmdAvulso = nomeado(new QPushButton(QStringLiteral("AV [+]"), c), "cmdAvulso");
    cmdAvulso->setGeometry(440, 80, 70, 30);
    cmdAvulso->setFocusPolicy(Qt::NoFocus);
    mskvalor = nomeado(new QLineEdit(c), "mskvalor");
    mskvalor->setGeometry(518, 80, 190, 30);
    mskvalor->setAlignment(Qt::AlignRight);
    mskvalor->setFont(grande);

    rotulo(c, QStringLiteral("Itens do Pagamento:"), {12, 120, 300, 22});
    lstLancado = lista(c, "lstLancado", {"ITEM", "AUT", "TIPO", "VALOR", "SALDO"});
    lstLancado->setGeometry(12, 144, 640, 380);
    lstSoma = lista(c, "lstSoma", {"SEQ", "TIPO", "VALOR", "SALDO", "CODBARRA", "VENCIMENTO", "PARCELA", "OBS"});
    lstSoma->setGeometry(12, 144, 696, 420);
    for (const auto &[coluna, largura] : {std::pair{0, 40}, {1, 170}, {2, 95}, {3, 95}, {4, 390}, {5, 95}, {6, 70}})
        lstSoma->setColumnWidth(coluna, largura);
    for (const auto &[coluna, largura] : {std::pair{0, 60}, {1, 60}, {2, 250}, {3, 110}})
        lstLancado->setColumnWidth(coluna, largura);
    lstSoma->raise();

    // The totals panel.
    auto *painel = nomeado(new QFrame(c), "LfPainel");
    painel->setFrameShape(QFrame::StyledPanel);
    painel->setGeometry(720, 8, 292, 556);
    QFont ticker;
    ticker.setPointSize(22);
    ticker.setBold(true);
    rotulo(painel, QStringLiteral("Total:"), {10, 8, 270, 22});
    lbltotalConta = rotulo(painel, QStringLiteral("Calcular"), {10, 32, 270, 48}, "lbltotalConta");
    lbltotalConta->setFont(ticker);
    lbltotalConta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LfLettersTroco = rotulo(painel, QStringLiteral("Troco:"), {10, 92, 270, 22}, "LfLetters2");
    lblTroco = rotulo(painel, QStringLiteral("A Pagar"), {10, 116, 270, 48}, "lblTroco");
    lblTroco->setFont(ticker);
    lblTroco->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTroco->setAutoFillBackground(true);
    txttotal = nomeado(new QLineEdit(painel), "txttotal");
    txttotal->setGeometry(10, 200, 270, 30);
    txttotal->setReadOnly(true);
    txttotal->setAlignment(Qt::AlignRight);
    txttotal->setFocusPolicy(Qt::NoFocus);

    auto *dicas = nomeado(new QLabel(painel), "lblDicas");
    dicas->setGeometry(10, 244, 270, 300);
    dicas->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    dicas->setText(QStringList{"Sair (ESC)", "Juros por Dia/Mês (F6)", "Contas Recebidas (F7)",
                               "Salvar Soma (F11)", "Carregar Soma (F12)", "Encerrar Mov. (F4)",
                               "Reabrir Cupom (F5)", "Limpa Soma (F3)", "Exclui último Item (F2)",
                               "Calculadora (F9)", "Limpar Identificação (F8)"}
                       .join(QLatin1Char('\n')));

    // The status strip.
    LfLetters = rotulo(c, QStringLiteral("CAIXA PRONTO"), {12, 576, 696, 40}, "LfLetters");
    LfLetters->setFont(ticker);
    lblDia = rotulo(c, QString(), {12, 622, 330, 22}, "lblDia");
    dtpData = nomeado(new QDateEdit(c), "dtpData");
    dtpData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtpData->setGeometry(350, 620, 130, 26);
    dtpData->setFocusPolicy(Qt::NoFocus);
    lblStatus = rotulo(c, QString(), {490, 622, 330, 22}, "lblStatus");
    lbluser = rotulo(c, QString(), {830, 576, 182, 22}, "lbluser");
    lblHora = rotulo(c, QString(), {830, 600, 182, 22}, "lblHora");
    lblStatusRede = rotulo(c, QStringLiteral("Sem acesso a rede!!!"), {830, 622, 182, 22}, "lblStatusRede");
    lblStatusRede->setVisible(false);
    pbr = nomeado(new QProgressBar(c), "pbr");
    pbr->setGeometry(12, 656, 1000, 16);
    pbr->setTextVisible(false);
    pbr->setValue(0);

    // Hidden boxes through which other windows pass values.
    txtLeitura = nomeado(new QLineEdit(c), "txtLeitura");
    txtItem = nomeado(new QLineEdit(c), "txtItem");
    txtcod = nomeado(new QLineEdit(c), "txtcod");
    txtstatus = nomeado(new QLineEdit(c), "txtstatus");
    Text1 = nomeado(new QLineEdit(c), "Text1");
    for (QLineEdit *h : {txtLeitura, txtItem, txtcod, txtstatus, Text1}) {
        h->setVisible(false);
        h->setFocusPolicy(Qt::NoFocus);
    }

    tmrDiaHora = nomeado(new QTimer(this), "tmrDiaHora");
    tmrDiaHora->setInterval(500);
    connect(tmrDiaHora, &QTimer::timeout, this, &frmFrente::tmrDiaHora_Timer);
    Timer4 = nomeado(new QTimer(this), "Timer4");
    Timer4->setInterval(400);
    connect(Timer4, &QTimer::timeout, this, &frmFrente::Timer4_Timer);

    // The window is first measured with its controls' area at the design size.
    layout()->activate();
    resize(width(), height() + 684 - centralWidget()->height());
    layout()->activate();

    setTabOrder(txtValorCodBarra, cmbTipoGuia);
    setTabOrder(cmbTipoGuia, mskvalor);
    txtValorCodBarra->setFocus();
}

void frmFrente::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmFrente::Form_Resize()
{
    Ajusta_tela::Ajusta_form(this);
    // The two small buttons stay level with their boxes.
    cmdLdg->move(cmdLdg->x(), txtValorCodBarra->y());
    cmdAvulso->move(cmdAvulso->x(), cmbTipoGuia->y());
}

void frmFrente::montaMenus()
{
    for (const auto &[name, caption] : nomesMenus()) {
        QMenu *m = menuBar()->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        m_menuBar.insert(QString::fromLatin1(name), m);
    }
    for (const EntradaMenu &e : tabelaMenus()) {
        QMenu *m = m_menuBar.value(QString::fromLatin1(e.menu));
        const QString caption = QString::fromUtf8(e.caption);
        QAction *a = caption == QLatin1String("-") ? m->addSeparator() : m->addAction(caption);
        a->setObjectName(QString::fromLatin1(e.name));
        if (!e.shortcut.isEmpty()) {
            a->setShortcut(e.shortcut);
            // A focused box must not swallow the window's keys (Ctrl+C, Ctrl+Ins).
            a->setShortcutContext(Qt::WindowShortcut);
        }
        a->setEnabled(e.enabled);
        a->setVisible(e.visible);
        m_menus.insert(a->objectName(), a);
    }
    connect(menu(QStringLiteral("mnulogoff")), &QAction::triggered, this, &frmFrente::mnulogoff_Click);
    connect(menu(QStringLiteral("mnuSair")), &QAction::triggered, this, &frmFrente::mnuSair_Click);
    auto *esc = new QAction(this);
    esc->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(esc, &QAction::triggered, this, &frmFrente::mnuSair_Click);
    addAction(esc);
}

QAction *frmFrente::menu(const QString &name) const
{
    return m_menus.value(name);
}

QMenu *frmFrente::menuBarMenu(const QString &name) const
{
    return m_menuBar.value(name);
}

void frmFrente::Form_Load()
{
    mskvalor->setText(QStringLiteral("0,00"));
    tmrDiaHora->start();
    tmrDiaHora_Timer();
    LfLetters->setText(gMensagem);
    if (!movimento)
        movimento = std::make_unique<clsMovimento>();
    if (!recebimentos)
        recebimentos = std::make_unique<clsRecebimentos>();
    if (!contador)
        contador = std::make_unique<clsContador>();
    if (!autenticadora)
        autenticadora = std::make_unique<clsAutenticadora>();
    if (!Abre_movimento()) {
        // The opening could not be completed: nothing half-open stays behind.
        MsgBox(QStringLiteral("Erro na abertura de Movimento!!"), Vb::vbCritical, kAviso);
        m_descarregado = true;
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    dtpData->setDate(DataMovimento.isValid() ? DataMovimento : gDataCaixa);
    Preenche_lista(QStringLiteral("Select IDCOD, DESCRICAO FROM CodBarra where IDCOD < 100 ORDER BY DESCRICAO;"),
                   cmbTipoGuia);
    cmbTipoGuia->setCurrentIndex(-1);
    Lista_Movimento_dia();
    lbluser->setText(gUsuario);
    Ajusta_tela::Ajusta_form(this);
}

QString frmFrente::tituloFita(const QString &pref, const QDate &dia)
{
    const QString data = dia.toString(QStringLiteral("dd.MM.yy"));
    const int n = int(pref.size());
    if (n > 28)
        return pref + QString(qMax(0, 30 - n), QLatin1Char(' ')) + data;
    return QLatin1Char(' ') + pref + QString(28 - n, QLatin1Char(' ')) + data + QLatin1Char(' ');
}

bool frmFrente::Abre_movimento()
{
    const QDate d = gDataCaixa;
    const QString titulo = tituloFita(gPref, d);
    gSQL = QStringLiteral("SELECT * FROM MOVIMENTO WHERE MDATA = ?;");
    gRs = gDataAccess->SQLSelect_ReadOnly(gSQL, {d});
    if (!gRs)
        return false;
    if (gRs->RecordCount() == 1) {
        IdMovimento = gRs->Fields(0).toInt();
        DataMovimento = QDate::fromString(gRs->Fields(2).toString(), Qt::ISODate);
        NumMovimento = gRs->Fields(1).toInt();
        Habilita_menus(gRs->Fields(7).toString());
        gRs.reset();
        return true;
    }
    gRs.reset();
    return abreNovoMovimento(d, titulo);
}

bool frmFrente::abreNovoMovimento(const QDate &d, const QString &titulo)
{
    // The counter and the movement row stand or fall together: a failure
    // leaves neither a used number nor a half-open day.
    try {
        Transacao t;
        const int ano = d.year();
        int numero = 1;
        contador->ANO = ano;
        if (contador->SQLSelect(ano)) {
            numero = contador->CONTADOR + 1;
            contador->CONTADOR = numero;
            if (!contador->SQLUpdate()) {
                MsgBox(QStringLiteral("Erro de alteração do contador!!!"), Vb::vbCritical, kErro);
                return false;
            }
        } else {
            contador->ANO = ano;
            contador->CONTADOR = 1;
            if (!contador->SQLInsert()) {
                MsgBox(QStringLiteral("Erro de gravação do contador!!!"), Vb::vbCritical, kErro);
                return false;
            }
        }
        movimento->MOV = numero;
        movimento->MDATA = d;
        movimento->ENTRADA = Currency();
        movimento->SAIDA = Currency();
        movimento->SUPRIMENTO = Currency();
        movimento->STATUS = QStringLiteral("ABERTO");
        if (!movimento->SQLInsert() || !t.commit()) {
            MsgBox(QStringLiteral("Erro de Gravação!!!"), Vb::vbCritical, kErro);
            return false;
        }
        NumMovimento = numero;
    } catch (const CaixaError &) {
        // Form_Load reports "Erro na abertura de Movimento!!" alone and ends the program.
        return false;
    }
    IdMovimento = movimento->ID;
    DataMovimento = d;
    MsgBox(QStringLiteral("Caixa Aberto!!!"), Vb::vbInformation, QStringLiteral("Gravar Registro"));

    // The day's receipt file: another movement of the same date may have
    // written it already, so the header is added, never replacing it. A day
    // does not go on without its receipt file: the opening fails (the movement
    // row stays, and the next start resumes it).
    const QString arquivo = ArquivoRecebimentos::nome(gCaminhoRecebimentos, gGuiche, d);
    if (!ArquivoRecebimentos::acrescenta(arquivo, ArquivoRecebimentos::cabecalho(gPref, NumMovimento, gGuiche)))
        return false;
    menu(QStringLiteral("mnuConftemp"))->setEnabled(true);

    autenticadora->setMENSAGEM(titulo);
    autenticadora->setSEQ_MOV(QStringLiteral("%1").arg(NumMovimento, 3, 10, QLatin1Char('0')));
    autenticadora->setGUICHE(gGuiche);
    const bool blocoCerto = autenticadora->AbreCaixaCompleto();
    imprimeFita(autenticadora->AbreFita(), blocoCerto);
    return true;
}

void frmFrente::imprimeFita(const QString &fita, bool blocoCerto)
{
    // The tape goes out even when the builder refused it; the teller is told after.
    gLinhaImpressao = fita;
    ProcAutenticarDoc(gLinhaImpressao);
    if (!blocoCerto)
        MsgBox(QStringLiteral("Erro na geração da linha de impressão!!!"), Vb::vbCritical, kErro);
}

void frmFrente::Habilita_menus(const QString &status)
{
    const bool fechado = status == kFechado;
    txtValorCodBarra->setEnabled(!fechado);
    QPalette p = txtValorCodBarra->palette();
    p.setColor(QPalette::Base, fechado ? palette().color(QPalette::Disabled, QPalette::Text)
                                       : palette().color(QPalette::Active, QPalette::Base));
    // The disabled box would draw "CAIXA ENCERRADO" in the grey of its own
    // background: the marker is written in the window colour instead.
    p.setColor(QPalette::Disabled, QPalette::Text, fechado ? palette().color(QPalette::Active, QPalette::Base)
                                                           : palette().color(QPalette::Disabled, QPalette::Text));
    txtValorCodBarra->setPalette(p);
    txtValorCodBarra->setText(fechado ? QStringLiteral("CAIXA ENCERRADO") : QString());
    for (const QString &n : travadosQuandoFechado())
        menu(n)->setEnabled(!fechado);
    for (const QString &n : liberadosQuandoFechado())
        menu(n)->setEnabled(fechado);
}

void frmFrente::Limpa_troco()
{
    if (lblTroco->text() == QLatin1String("A Pagar"))
        return;
    lblTroco->setText(QStringLiteral("A Pagar"));
    QPalette p = lblTroco->palette();
    p.setColor(QPalette::Window, Qt::white);
    lblTroco->setPalette(p);
    if (Timer4->isActive())
        Timer4->stop();
}

void frmFrente::Timer4_Timer()
{
    QPalette p = lblTroco->palette();
    const bool branco = p.color(QPalette::Window) == QColor(Qt::white);
    p.setColor(QPalette::Window, branco ? QColor(Qt::yellow) : QColor(Qt::white));
    lblTroco->setPalette(p);
}

void frmFrente::tmrDiaHora_Timer()
{
    lblHora->setText(QStringLiteral("Agora: ") + Relogio::agora().time().toString(QStringLiteral("hh:mm:ss AP")));
}

void frmFrente::mnulogoff_Click()
{
    const QString senha = PedeSenha(QStringLiteral("Entre com a senha do administrador!!"));
    if (senha.trimmed().isEmpty())
        return;
    gSQL = QStringLiteral("SELECT * FROM Usuarios WHERE SENHA = ?;");
    gRs = gDataAccess->SQLSelect_ReadOnly(gSQL, {senha});
    if (gRs && gRs->RecordCount() == 1)
        lbluser->setText(gRs->Fields(QStringLiteral("nome")).toString());
    gRs.reset();
}

void frmFrente::mnuSair_Click()
{
    close();
}

void frmFrente::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frmFrente::Form_Unload()
{
    if (m_descarregado)
        return;
    m_descarregado = true;
    tmrDiaHora->stop();
    Timer4->stop();
    if (Platform::printers().mp2032().FechaPorta() <= 0)
        MsgBox(QStringLiteral("Problemas ao Fechar a Porta de Comunicação."), Vb::vbInformation);
    Fecha_conexao();
}

bool frmFrente::ProcAutenticarDoc(const QString &texto)
{
    if (gPrintCupom != 1)
        return true;
    Print::ImpressoraAutenticadoraAtiva ativa;
    const QByteArray bytes = TextFile::encode(texto + QStringLiteral("\r\n"));
    QString erro;
    // Only the exact name "USB" means the shared printer; "usb" is a port name.
    const bool ok = gPorta == QLatin1String("USB")
                        ? Platform::sharedPrinter().envia(gIP, gImpressoraAutenticadora, bytes, &erro)
                        : Platform::writeToPort(gPorta, bytes, &erro);
    return ok;
}

QString frmFrente::textoOperador(const QString &usuario)
{
    if (usuario.size() < 9)
        return QString(9 - usuario.size(), QLatin1Char(' ')) + QStringLiteral(" OPR: ") + usuario;
    return QStringLiteral(" OPR: ") + usuario.left(9);
}

QString frmFrente::linhaTotal(const QString &total, const QString &troco)
{
    const QString inicio = QStringLiteral("TOTAL PAGO: ") + total;
    const QString fim = QStringLiteral("TROCO: ") + troco;
    if (inicio.size() + fim.size() > 40)
        return QString();
    return inicio + QString(40 - inicio.size() - fim.size(), QLatin1Char(' ')) + fim;
}

QString frmFrente::trocoTexto() const
{
    const QString t = lblTroco->text();
    if (t == kSemTroco)
        return QStringLiteral("0,00");
    const auto v = Currency::parse(t);
    return v ? v->format() : QStringLiteral("0,00");
}

QString frmFrente::totalTexto() const
{
    const auto v = Currency::parse(lbltotalConta->text());
    return v ? v->format() : QStringLiteral("0,00");
}

void frmFrente::imprime_cabecalho_cupom(int modo)
{
    const QString dataHora = gDataCaixa.toString(QStringLiteral("dd-MM-yy")) + QLatin1Char(' ')
                             + Relogio::agora().time().toString(QStringLiteral("hh:mm"));
    const QString operador = textoOperador(lbluser->text());
    const QString total = linhaTotal(totalTexto(), trocoTexto());
    if (modo != 1) {
        autenticadora->setDATA_PAGTO(dataHora);
        autenticadora->setVALOR_TOTAL(total);
        autenticadora->setUSUARIO(operador);
        autenticadora->PrintCabecalho();
        gLinhaImpressao = autenticadora->AbreFita();
        ProcAutenticarDoc(gLinhaImpressao);
        return;
    }
    inpout::Autentica_porta(2, gImpressora, QString(40, QLatin1Char('-')));
    inpout::Autentica_porta(2, gImpressora, QStringLiteral("DATA/HORA: ") + dataHora + operador);
    inpout::Autentica_porta(2, gImpressora, total);
    inpout::Autentica_porta(2, gImpressora, QString());
}

bool frmFrente::grava_recebimentos_txt(int modo, int autenticacao, Currency arrecadado, Currency retiradas,
                                       Currency entradas, Currency totalGeral, QString *erro)
{
    const QString config = arquivoConfig();
    const QString pasta = Aplicativos::Le_ini(QStringLiteral("Export"), QStringLiteral("Path3"), config);
    const QString guiche = Aplicativos::Le_ini(QStringLiteral("Export"), QStringLiteral("guiche"), config);
    const QString arquivo = ArquivoRecebimentos::nome(pasta, guiche, DataMovimento);
    QStringList linhas;
    if (modo == 1) {
        QTreeWidgetItem *row = lstSoma->currentItem();
        if (!row && lstSoma->topLevelItemCount() > 0)
            row = lstSoma->topLevelItem(0);
        if (row) {
            ArquivoRecebimentos::Item item;
            item.seq = row->text(0);
            item.autenticacao = autenticacao;
            item.tipo = row->text(1);
            item.valor = row->text(2);
            item.codBarra = row->text(4);
            item.vencimento = row->text(5);
            item.parcela = row->text(6);
            item.obs = row->text(7);
            linhas = ArquivoRecebimentos::blocoItem(item, dtpData->date().toString(QStringLiteral("dd/MM/yyyy")),
                                                    Relogio::agora().time().toString(QStringLiteral("hh:mm")),
                                                    gUsuario, totalTexto(), trocoTexto());
        }
    } else if (modo == 2) {
        linhas = ArquivoRecebimentos::resumo(arrecadado, entradas, retiradas, totalGeral);
    }
    return ArquivoRecebimentos::acrescenta(arquivo, linhas, erro);
}

void frmFrente::Lista_Movimento_dia()
{
    gSQL = QStringLiteral(
        "SELECT Recebimentos.IDRECEBE, Recebimentos.AUTENTICA, CodBarra.DESCRICAO, Recebimentos.VALOR "
        "FROM Recebimentos, CodBarra WHERE Recebimentos.TIPO = CodBarra.IDCOD AND Recebimentos.IDMOVIMENTO = ? "
        "ORDER BY Recebimentos.IDRECEBE DESC");
    dtpData->setDate(DataMovimento);
    lblDia->setText(QStringLiteral("Caixa dia: ") + dtpData->date().toString(QStringLiteral("dd - MM - yyyy")));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lstLancado->clear();
    const RecordsetPtr rs = clsDataAccess::selectQuiet(gSQL, {IdMovimento});
    QApplication::restoreOverrideCursor();
    if (!rs) {
        // Nothing is listed rather than a part of the day that looks whole.
        Aplicativos::Trata_erro(QStringLiteral("Função Lista_Movimento_dia"));
        return;
    }
    Currency saldo;
    QList<QTreeWidgetItem *> linhas;
    for (const auto &r : rs->rows()) {
        const Currency valor = Currency::fromRaw(r.at(3).toLongLong());
        saldo += valor;
        linhas << new QTreeWidgetItem({QStringLiteral("%1").arg(r.at(0).toInt(), 4, 10, QLatin1Char('0')),
                                       QStringLiteral("%1").arg(r.at(1).toInt(), 4, 10, QLatin1Char('0')),
                                       r.at(2).toString(), valor.format(), saldo.format()});
    }
    lstLancado->addTopLevelItems(linhas);
}
