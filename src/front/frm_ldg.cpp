#include "frm_ldg.h"

#include "aplicativos.h"
#include "globals.h"
#include "linha_digitavel.h"
#include "msg_box.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int paginaBancaria = 0;
constexpr int paginaArrecadacao = 1;
const char *const propriedadeAvanca = "avancaQuandoCheio";

// The numeric keypad's own virtual-key codes (96-105 the digits, 106 "*",
// 107 "+", 109 "-", 110 the decimal key, 111 "/"); 0 for other keys.
int teclaDoTecladoNumerico(int k)
{
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return 0x60 + (k - Qt::Key_0);
    static const QHash<int, int> simbolos{{Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B}, {Qt::Key_Minus, 0x6D},
                                          {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F}};
    return simbolos.value(k);
}

// The Windows virtual-key code of a released key, for the keys that move on.
int teclaVirtual(const QKeyEvent *e)
{
    const int k = e->key();
    if (e->modifiers() & Qt::KeypadModifier) {
        if (const int vk = teclaDoTecladoNumerico(k))
            return vk;
    }
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z))
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 0x70 + (k - Qt::Key_F1);
    static const QHash<int, int> outras{{Qt::Key_Super_L, 0x5B}, {Qt::Key_Super_R, 0x5C}, {Qt::Key_Menu, 0x5D}};
    return outras.value(k);
}

} // namespace

frmLdg::frmLdg(QWidget *parent) : QDialog(parent), dataCaixa(AbreBD::gDataCaixa)
{
    setObjectName(QStringLiteral("frmLdg"));
    setWindowTitle(QStringLiteral("Digite a linha digitável do boleto"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(658, 220);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    auto *pagina0 = new QWidget;
    frm1 = new QGroupBox(QStringLiteral("Linha digitável"), pagina0);
    frm1->setObjectName(QStringLiteral("frm1"));
    auto *linhaBancaria = new QHBoxLayout(frm1);
    campo1 = campo(frm1, "campo1", 5, true);
    campo2 = campo(frm1, "campo2", 5, true);
    campo3 = campo(frm1, "campo3", 5, true);
    campo4 = campo(frm1, "campo4", 6, true);
    campo5 = campo(frm1, "campo5", 5, true);
    campo6 = campo(frm1, "campo6", 6, true);
    digito = campo(frm1, "digito", 1, true);
    campo7 = campo(frm1, "campo7", 14, false);
    for (QLineEdit *e : {campo1, campo2, campo3, campo4, campo5, campo6, digito})
        linhaBancaria->addWidget(e, e->maxLength());
    linhaBancaria->addWidget(campo7, 14);
    (new QVBoxLayout(pagina0))->addWidget(frm1);

    auto *pagina1 = new QWidget;
    Frame1 = new QGroupBox(QStringLiteral("Identificação no código de barras"), pagina1);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *linhaArrecadacao = new QHBoxLayout(Frame1);
    input1 = campo(Frame1, "input1", 11, true);
    dv1 = campo(Frame1, "dv1", 1, true);
    input2 = campo(Frame1, "input2", 11, true);
    dv2 = campo(Frame1, "dv2", 1, true);
    input3 = campo(Frame1, "input3", 11, true);
    dv3 = campo(Frame1, "dv3", 1, true);
    input4 = campo(Frame1, "input4", 11, true);
    dv4 = campo(Frame1, "dv4", 1, false);
    for (QLineEdit *e : {input1, dv1, input2, dv2, input3, dv3, input4, dv4})
        linhaArrecadacao->addWidget(e, e->maxLength() + 1);
    (new QVBoxLayout(pagina1))->addWidget(Frame1);

    SSTab1->addTab(pagina0, QStringLiteral("&CNAB (Boletos bancários)"));
    SSTab1->addTab(pagina1, QStringLiteral("&Febraban (Guias internas)"));

    const auto mostrador = [this](const char *nome) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nome));
        e->setEnabled(false);
        return e;
    };
    txtcodigo = mostrador("txtcodigo");
    txtdta = mostrador("txtdta");
    txtvalor = mostrador("txtvalor");
    auto *mostradores = new QHBoxLayout;
    mostradores->addWidget(txtcodigo, 5);
    mostradores->addWidget(txtdta, 1);
    mostradores->addWidget(txtvalor, 1);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdCancel);
    botoes->addWidget(cmdOk);

    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(SSTab1);
    tudo->addLayout(mostradores);
    tudo->addLayout(botoes);

    QWidget *ordem[] = {input1, dv1, input2, dv2, input3, dv3, input4, dv4, campo1, campo2, campo3, campo4,
                        campo5, campo6, digito, campo7, txtcodigo, cmdOk, cmdCancel, txtdta, txtvalor};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);

    m_pausa = new QTimer(this);
    m_pausa->setSingleShot(true);
    connect(m_pausa, &QTimer::timeout, this, &QDialog::accept);
    connect(cmdOk, &QPushButton::clicked, this, &frmLdg::Valida_linha_digitavel);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmLdg::SSTab1_Click);

    SSTab1->setCurrentIndex(paginaArrecadacao);
    input1->setFocus();
}

QLineEdit *frmLdg::campo(QWidget *pai, const char *nome, int tamanho, bool avanca)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setMaxLength(tamanho);
    e->setProperty(propriedadeAvanca, avanca);
    e->installEventFilter(this);
    return e;
}

void frmLdg::showEvent(QShowEvent *event)
{
    // Centred on the screen, whoever opens it.
    if (const QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool frmLdg::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress) {
        // Digits, the comma and Backspace pass; other typed characters are swallowed.
        const QString texto = static_cast<QKeyEvent *>(evento)->text();
        if (!texto.isEmpty() && texto.at(0) >= QLatin1Char(' ') && !Aplicativos::Filtra_numero_texto(texto))
            return true;
    } else if (evento->type() == QEvent::KeyRelease && objeto->property(propriedadeAvanca).toBool()) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        const int vk = teclaVirtual(tecla);
        const auto *foco = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (!tecla->isAutoRepeat() && vk >= 48 && vk <= 122 && foco && foco->text().size() == foco->maxLength())
            mdTab::Envia_tecla(9, true);
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmLdg::SSTab1_Click(int pagina)
{
    (pagina == paginaArrecadacao ? input1 : campo1)->setFocus();
}

void frmLdg::Valida_linha_digitavel()
{
    if (m_pausa->isActive())
        return;
    LinhaDigitavel::Resultado r;
    if (SSTab1->currentIndex() == paginaBancaria) {
        r = LinhaDigitavel::valida(LinhaDigitavel::Bancaria{campo1->text(), campo2->text(), campo3->text(),
                                                            campo4->text(), campo5->text(), campo6->text(),
                                                            digito->text(), campo7->text()},
                                   dataCaixa);
    } else {
        r = LinhaDigitavel::valida(LinhaDigitavel::Arrecadacao{
            {input1->text(), input2->text(), input3->text(), input4->text()},
            {dv1->text(), dv2->text(), dv3->text(), dv4->text()}});
    }
    if (r.codigo)
        txtcodigo->setText(*r.codigo);
    if (r.dta)
        txtdta->setText(*r.dta);
    if (r.valor)
        txtvalor->setText(*r.valor);
    if (!r.ok()) {
        MsgBox(r.erro, Vb::vbCritical, QStringLiteral("Aviso"));
        return;
    }
    // The code, due date and amount stay in sight a moment; nothing else is
    // taken in meanwhile.
    SSTab1->setEnabled(false);
    cmdOk->setEnabled(false);
    cmdCancel->setEnabled(false);
    m_pausa->start(pausaMs);
}

void frmLdg::done(int resultado)
{
    QDialog::done(resultado);
    m_pausa->stop();
    const QString codigo = txtcodigo->text();
    if (codigo.isEmpty() || m_entregue)
        return;
    m_entregue = true;
    if (entregaCodigo)
        entregaCodigo(codigo);
}
