#include "apoio_caixa.h"
#include "frm_exbi_texto.h"
#include "globals.h"
#include "test_support.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ApoioCaixa;

namespace {

const QByteArray kLog = "CONTROLE DE RECEBIMENTO DI\xC1RIO - PREFEITURA\r\nMotivo da Altera\xE7\xE3o: X\r\n";
const QString kLogTexto = QStringLiteral("CONTROLE DE RECEBIMENTO DIÁRIO - PREFEITURA\r\nMotivo da Alteração: X\r\n");

// The viewer with its print dialog answered by the test.
class Visor : public frmExbi_texto {
public:
    bool aceita = true;
    QString pdf;                 // when set, the text is really printed to this file
    QPrinter::PrintRange faixa = QPrinter::AllPages;
    QStringList impressos;
    bool ofereceuSelecao = false;

protected:
    bool escolheImpressora(QPrinter &printer, bool selecao) override
    {
        ofereceuSelecao = selecao;
        printer.setPrintRange(faixa);
        if (!pdf.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        }
        return aceita;
    }
    void imprime(QPrinter &printer, const QString &texto) override
    {
        impressos << texto;
        if (!pdf.isEmpty())
            frmExbi_texto::imprime(printer, texto);
    }
};

void grava(const QString &arquivo, const QByteArray &bytes)
{
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TstExbiTexto : public QObject {
    Q_OBJECT
private slots:
    void mostraOArquivoDoModoEDoDia();
    void arquivoAusenteOuVazio();
    void imprimeSelecaoOuTudo();
    void abreComLegendaELimpaOModo();
};

void TstExbiTexto::mostraOArquivoDoModoEDoDia()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.dia = QDate(2025, 3, 4); // the main window's day, not the clock's
    grava(pasta.file("estorno/Estorno_1_2025.txt"), kLog);
    grava(pasta.file("recebimentos/Receb_1_20250304.txt"), "Aut: 001\r\n");
    grava(pasta.file("recebimentos/Receb_1_20261209.txt"), "outro dia\r\n");

    AbreBD::gModoExibicao = "estorno";
    {
        frmExbi_texto w;
        QCOMPARE(w.arquivo(), pasta.file("estorno/Estorno_1_2025.txt"));
        QCOMPARE(w.Rich1->toPlainText(), QString(kLogTexto).replace("\r\n", "\n"));
        QVERIFY(w.Rich1->isReadOnly());
    }
    QCOMPARE(AbreBD::gModoExibicao, QString()); // cleared on unload
    for (const char *modo : {"movimento", "", "ESTORNO"}) {
        AbreBD::gModoExibicao = modo;
        frmExbi_texto w;
        QCOMPARE(w.arquivo(), pasta.file("recebimentos/Receb_1_20250304.txt"));
        QCOMPARE(w.Rich1->toPlainText(), QString("Aut: 001\n"));
    }
    QVERIFY(pasta.messages->boxes.isEmpty());
}

// A missing or unreadable file leaves the viewer empty, with no
// message.
void TstExbiTexto::arquivoAusenteOuVazio()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    AbreBD::gModoExibicao = "estorno";
    {
        frmExbi_texto w;
        QCOMPARE(w.arquivo(), pasta.file("estorno/Estorno_1_2026.txt"));
        QVERIFY(!QFile::exists(w.arquivo()));
        QCOMPARE(w.Rich1->toPlainText(), QString());
    }
    QVERIFY(pasta.messages->boxes.isEmpty());

    // A name that cannot be read as a file (a folder of that name).
    QVERIFY(QDir().mkpath(pasta.file("recebimentos/Receb_1_20261209.txt")));
    {
        frmExbi_texto ilegivel;
        QCOMPARE(ilegivel.Rich1->toPlainText(), QString());
    }
    QVERIFY(pasta.messages->boxes.isEmpty());
    QVERIFY(QDir().rmdir(pasta.file("recebimentos/Receb_1_20261209.txt")));

    grava(pasta.file("recebimentos/Receb_1_20261209.txt"), "");
    frmExbi_texto vazio;
    QCOMPARE(vazio.Rich1->toPlainText(), QString());
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstExbiTexto::imprimeSelecaoOuTudo()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    grava(pasta.file("recebimentos/Receb_1_20261209.txt"), "LINHA 1\r\nLINHA 2\r\nLINHA 3\r\n");
    Visor w;
    w.Command->click();
    QVERIFY(!w.ofereceuSelecao);
    QCOMPARE(w.impressos, QStringList{"LINHA 1\nLINHA 2\nLINHA 3\n"});

    // With text selected, the selection is offered and printed...
    QTextCursor c = w.Rich1->textCursor();
    c.setPosition(8);
    c.setPosition(23, QTextCursor::KeepAnchor);
    w.Rich1->setTextCursor(c);
    w.faixa = QPrinter::Selection;
    w.Command->click();
    QVERIFY(w.ofereceuSelecao);
    QCOMPARE(w.impressos.last(), QString("LINHA 2\nLINHA 3"));
    // ...unless the teller asks for everything; a cancelled dialog prints nothing.
    w.faixa = QPrinter::AllPages;
    w.Command->click();
    QCOMPARE(w.impressos.last(), QString("LINHA 1\nLINHA 2\nLINHA 3\n"));
    w.aceita = false;
    w.Command->click();
    QCOMPARE(w.impressos.size(), 3);

    // Really printed, through the document printing.
    w.aceita = true;
    w.pdf = pasta.file("saida.pdf");
    w.Command->click();
    QVERIFY(QFileInfo(w.pdf).size() > 0);
    QVERIFY(TestSupport::readFile(w.pdf).startsWith("%PDF"));
}

void TstExbiTexto::abreComLegendaELimpaOModo()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    grava(pasta.file("estorno/Estorno_1_2026.txt"), kLog);
    QString titulo, texto, modoAberto;
    QTimer::singleShot(0, [&] {
        auto *w = qobject_cast<frmExbi_texto *>(QApplication::activeModalWidget());
        QVERIFY(w);
        titulo = w->windowTitle();
        texto = w->Rich1->toPlainText();
        modoAberto = AbreBD::gModoExibicao;
        w->cmdSair->click();
    });
    frmExbi_texto::abre("estorno", QStringLiteral("Visualizando Estornos e Alterações"));
    QCOMPARE(titulo, QString("Visualizando Estornos e Alterações"));
    QVERIFY(texto.startsWith("CONTROLE DE RECEBIMENTO DIÁRIO"));
    QCOMPARE(modoAberto, QString("estorno"));
    QCOMPARE(AbreBD::gModoExibicao, QString());
}

QTEST_MAIN(TstExbiTexto)
#include "tst_exbi_texto.moc"
