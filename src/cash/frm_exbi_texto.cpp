#include "frm_exbi_texto.h"

#include "frente_publica.h"
#include "globals.h"
#include "registro_estornos.h"
#include "text_file.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace AbreBD;

frmExbi_texto::frmExbi_texto(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExbi_texto"));
    setModal(true);

    Rich1 = new QPlainTextEdit(this);
    Rich1->setObjectName(QStringLiteral("Rich1"));
    Rich1->setReadOnly(true);
    Rich1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Rich1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Rich1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Command = new QPushButton(QStringLiteral("Imprimir"), this);
    Command->setObjectName(QStringLiteral("Command"));
    cmdSair = new QPushButton(QStringLiteral("Sair"), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    for (QPushButton *b : {Command, cmdSair})
        b->setAutoDefault(false);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(Command);
    botoes->addWidget(cmdSair);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(Rich1, 1);
    lay->addLayout(botoes);
    resize(800, 560);

    connect(Command, &QPushButton::clicked, this, &frmExbi_texto::Command_Click);
    connect(cmdSair, &QPushButton::clicked, this, &frmExbi_texto::cmdSair_Click);

    m_arquivo = arquivoDoModo(gModoExibicao);
    carrega();
}

frmExbi_texto::~frmExbi_texto()
{
    gModoExibicao.clear();
}

int frmExbi_texto::abre(const QString &modo, const QString &caption, QWidget *parent)
{
    gModoExibicao = modo;
    QPointer<frmExbi_texto> w = new frmExbi_texto(parent);
    w->setWindowTitle(caption);
    const int resposta = w->exec();
    delete w.data();
    return resposta;
}

QString frmExbi_texto::arquivoDoModo(const QString &modo)
{
    const QDate dia = gFrente ? gFrente->dtpData() : gDataCaixa;
    if (modo == QLatin1String("estorno"))
        return RegistroEstornos::nome(gCaminhoEstorno, gGuiche, dia);
    return gCaminhoRecebimentos + QStringLiteral("Receb_") + gGuiche + QLatin1Char('_')
           + dia.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".txt");
}

void frmExbi_texto::carrega()
{
    // A missing or unreadable file leaves the box empty, without a message.
    bool lido = false;
    const QString texto = TextFile::readAll(m_arquivo, &lido);
    Rich1->setPlainText(lido ? texto : QString());
}

void frmExbi_texto::Command_Click()
{
    QPrinter printer;
    const QTextCursor cursor = Rich1->textCursor();
    const bool selecao = cursor.hasSelection();
    if (!escolheImpressora(printer, selecao))
        return;
    QString texto = Rich1->toPlainText();
    if (selecao && printer.printRange() == QPrinter::Selection) {
        texto = cursor.selectedText();
        texto.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    imprime(printer, texto);
}

bool frmExbi_texto::escolheImpressora(QPrinter &printer, bool selecao)
{
    QPrintDialog dialogo(&printer, this);
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogo.setOption(QAbstractPrintDialog::PrintSelection, selecao);
    printer.setPrintRange(selecao ? QPrinter::Selection : QPrinter::AllPages);
    return dialogo.exec() == QDialog::Accepted;
}

void frmExbi_texto::imprime(QPrinter &printer, const QString &texto)
{
    QTextDocument documento;
    documento.setDefaultFont(Rich1->font());
    documento.setPlainText(texto);
    documento.print(&printer);
}

void frmExbi_texto::cmdSair_Click()
{
    close();
}

void frmExbi_texto::done(int resultado)
{
    gModoExibicao.clear();
    QDialog::done(resultado);
}
