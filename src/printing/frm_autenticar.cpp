#include "frm_autenticar.h"
#include "inpout.h"

#include "aplicativos.h"
#include "clock.h"
#include "currency.h"
#include "frente_publica.h"
#include "globals.h"
#include "msg_box.h"
#include "printers.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace AbreBD;

namespace {

QString tresDigitos(const QString &numero)
{
    bool ok = false;
    const int n = numero.toInt(&ok);
    return ok ? QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')) : numero;
}

bool ehBematech()
{
    return gImpressora == QLatin1String("bematech");
}

} // namespace

QString frmAutenticar::valorRotulo(const QString &valor)
{
    QString texto = valor;
    if (const auto v = Currency::parse(valor)) {
        texto = v->raw() < 0 ? QLatin1Char('(') + (-*v).format() + QLatin1Char(')') : v->format();
    }
    if (texto.size() < 11)
        texto = QString(11 - texto.size(), QLatin1Char(' ')) + texto;
    return texto;
}

QString frmAutenticar::tipoRotulo(const QString &tipo)
{
    const QString nome = tipo.mid(3);
    const qsizetype n = tipo.size() - 3;
    if (n < 10)
        return QString(10 - qMax<qsizetype>(0, n), QLatin1Char(' ')) + nome;
    return nome.left(10);
}

frmAutenticar::frmAutenticar(const ItemAutenticar &item, QWidget *parent) : QDialog(parent), m_item(item)
{
    setObjectName(QStringLiteral("frmAutenticar"));
    setWindowTitle(QStringLiteral("Autenticar"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    QFont grande(QStringLiteral("Courier New"));
    grande.setStyleHint(QFont::Monospace);
    grande.setPointSize(18);
    grande.setBold(true);
    lblvalor = new QLabel(QStringLiteral("0,00"), this);
    lblvalor->setObjectName(QStringLiteral("lblvalor"));
    lblvalor->setFont(grande);
    lblvalor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTipo = new QLabel(QStringLiteral("--"), this);
    lblTipo->setObjectName(QStringLiteral("lblTipo"));
    lblTipo->setFont(grande);
    lblStatus = new QLabel(QStringLiteral("0"), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setFont(grande);
    lblStatus->setAlignment(Qt::AlignCenter);
    cmdEnter = new QPushButton(QStringLiteral("(Enter) - OK"), this);
    cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
    cmdEnter->setDefault(true);
    cmdEnter->setAutoDefault(true);
    cmdEsc = new QPushButton(QStringLiteral("(Esc) - Sair"), this);
    cmdEsc->setObjectName(QStringLiteral("cmdEsc"));
    cmdEsc->setAutoDefault(false);

    auto *lay = new QGridLayout(this);
    lay->addWidget(lblTipo, 0, 0);
    lay->addWidget(lblvalor, 0, 1);
    lay->addWidget(lblStatus, 1, 0, 1, 2);
    lay->addWidget(cmdEnter, 2, 0);
    lay->addWidget(cmdEsc, 2, 1);
    connect(cmdEnter, &QPushButton::clicked, this, &frmAutenticar::cmdEnter_Click);
    connect(cmdEsc, &QPushButton::clicked, this, &frmAutenticar::cmdEsc_Click);

    // The texts carry the time the dialog opened: every press prints the same line.
    lblvalor->setText(valorRotulo(item.valor));
    lblTipo->setText(tipoRotulo(item.tipo));
    const QDateTime agora = Relogio::agora();
    const QString numero = tresDigitos(item.autenticacao);
    m_boleto = gCabecalho + QLatin1Char(' ') + gGuiche + QLatin1Char(' ') + numero + QLatin1Char(' ')
               + agora.toString(QStringLiteral("ddMMyyyy hh:mm")) + QStringLiteral("  ") + lblvalor->text()
               + QLatin1Char('R');
    m_fita = numero + QLatin1Char(' ') + agora.toString(QStringLiteral("ddMMyy hh:mm")) + QLatin1Char(' ')
             + lblTipo->text() + QStringLiteral("  ") + lblvalor->text();

    m_modoTxt = gImpressora == QLatin1String("txt");
    if (!m_modoTxt && ehBematech()) {
        if (Platform::printers().mp2032().IniciaPorta(gPorta) > 0) {
            m_portaAberta = true;
            Platform::printers().mp2032().ConfiguraModeloImpressora(1);
        } else {
            MsgBox(QStringLiteral("Problemas ao Abrir a Porta de Comunicação."), Vb::vbInformation);
        }
    }
    bool ok = false;
    m_imprimeCabecalho =
        Aplicativos::Le_ini(QStringLiteral("Print"), QStringLiteral("cabecalho"), arquivoConfig()).trimmed().toInt(&ok);
    if (!ok)
        m_imprimeCabecalho = 0;
    // Until the teller authenticates, leaving means the item is not recorded.
    gCancelaAutenticacao = true;
}

frmAutenticar::~frmAutenticar()
{
    if (ehBematech() && Platform::printers().mp2032().FechaPorta() <= 0)
        MsgBox(QStringLiteral("Problemas ao fechar a porta de comunicação!!"), Vb::vbInformation);
}

int frmAutenticar::contagem() const
{
    return lblStatus->text().toInt();
}

void frmAutenticar::cmdEnter_Click()
{
    MsgBox(QStringLiteral("Coloque o documento para autenticar"), Vb::vbInformation, QStringLiteral("Aviso"));
    if (m_modoTxt) {
        if (gFrente)
            gFrente->ProcAutenticarDoc(m_boleto);
    } else {
        inpout::Autentica_porta(inpout::AutenticaDocumento, gImpressora, m_boleto);
    }
    lblStatus->setText(QString::number(contagem() + 1));
}

void frmAutenticar::cmdEsc_Click()
{
    if (contagem() != 0) {
        if (m_item.seq == QLatin1String("01") && m_imprimeCabecalho == 1 && gFrente)
            gFrente->imprime_cabecalho_cupom(m_modoTxt ? 2 : 1);
        if (m_modoTxt) {
            if (gFrente)
                gFrente->ProcAutenticarDoc(m_fita);
        } else {
            inpout::Autentica_porta(inpout::LinhaBobina, gImpressora, m_fita);
        }
        gCancelaAutenticacao = false;
    } else {
        gCancelaAutenticacao = true;
    }
    m_saindo = true;
    accept();
}

void frmAutenticar::reject()
{
    // Esc is the dialog's own way out.
    cmdEsc_Click();
}

void frmAutenticar::closeEvent(QCloseEvent *event)
{
    if (!m_saindo && contagem() != 0) {
        MsgBox(QStringLiteral("Você deve sair ultilizando o botão ESC."), Vb::vbInformation, QStringLiteral("Aviso"));
        event->ignore();
        return;
    }
    if (!m_saindo)
        gCancelaAutenticacao = true;
    QDialog::closeEvent(event);
}
