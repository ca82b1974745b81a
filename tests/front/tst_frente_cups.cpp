// The main window's plain-text output ("txt" model, port "USB") through a real
// CUPS server: the authentication dialog's lines reach the queue byte for
// byte, the authentication printer is this user's CUPS default only while
// they print, and a stopped or missing queue prints nothing while the dialog
// still counts each attempt and says nothing of it.
#include "tst_frente_ambiente.h"

#include "cups_server.h"
#include "frm_autenticar.h"
#include "frm_exbi_texto.h"
#include "text_file.h"

#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>

#include <csignal>

using namespace AbreBD;

namespace {

const ItemAutenticar kItem{QStringLiteral("02"), QStringLiteral("03-ÁGUA E ESGOTO"), QStringLiteral("1.234,56"),
                           QStringLiteral("7")};

// The real shared printer, noting the default printer CUPS and Qt report while it prints.
class FilaObservada : public Platform::SharedPrinter {
public:
    Platform::CupsSharedPrinter real;
    QStringList padraoCups, padraoQt;
    QStringList erros;
    bool envia(const QString &host, const QString &fila, const QByteArray &bytes, QString *erro) override
    {
        padraoCups << TestSupport::CupsServer::userDefault();
        padraoQt << QPrinterInfo::defaultPrinterName();
        QString motivo;
        const bool ok = real.envia(host, fila, bytes, &motivo);
        erros << motivo;
        if (erro)
            *erro = motivo;
        return ok;
    }
};

// The log viewer with the print dialog answered by the test: the queue chosen, OK pressed.
class VisorNaFila : public frmExbi_texto {
public:
    QString fila;

protected:
    bool escolheImpressora(QPrinter &printer, bool) override
    {
        printer.setPrinterName(fila);
        printer.setPrintRange(QPrinter::AllPages);
        return true;
    }
};

} // namespace

class TstFrenteCups : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::CupsServer> cups;
    std::unique_ptr<AmbienteFrente> amb;
    std::shared_ptr<FilaObservada> fila;
    frmFrente *janela = nullptr;

    ScriptedMessages &msgs() { return *amb->folder->messages; }

private slots:
    void init()
    {
        cups = std::make_unique<TestSupport::CupsServer>();
        QVERIFY2(cups->running(), qPrintable(cups->error()));
        QVERIFY(cups->addQueue(QStringLiteral("Escritorio")));
        QVERIFY(cups->addQueue(QStringLiteral("Autenticadora")));
        QVERIFY(cups->setServerDefault(QStringLiteral("Escritorio")));

        amb = std::make_unique<AmbienteFrente>();
        Platform::printers().setSystem(nullptr); // the real one: CUPS
        janela = amb->abre();                    // the opening tape goes to LPT1's stand-in
        fila = std::make_shared<FilaObservada>();
        Platform::setSharedPrinter(fila);
        gImpressora = QStringLiteral("txt");
        gPrintCupom = 1;
        gPorta = QStringLiteral("USB");
        gIP = cups->socket(); // the host that shares the printer
        msgs().clear();
        QCOMPARE(TestSupport::CupsServer::userDefault(), QStringLiteral("Escritorio"));
        QCOMPARE(cups->jobCount(), 0);
    }

    void cleanup()
    {
        amb.reset();
        fila.reset();
        janela = nullptr;
        const pid_t pid = pid_t(cups->pid());
        QCOMPARE(cups->stop(), QStringList()); // no queue left behind
        QVERIFY(pid > 0 && ::kill(pid, 0) != 0); // the server is gone
        cups.reset();
    }

    void theDialogsLinesReachTheQueueByteForByte()
    {
        {
            frmAutenticar dialogo(kItem);
            dialogo.cmdEnter_Click();
            dialogo.cmdEsc_Click();
            QVERIFY(!gCancelaAutenticacao);
            const QByteArray esperado = TextFile::encode(dialogo.texto_boleto() + QStringLiteral("\r\n"))
                                        + TextFile::encode(dialogo.texto_fita() + QStringLiteral("\r\n"));
            QVERIFY(esperado.contains("\xC1GUA E ES")); // Windows-1252, as the printer reads it
            QCOMPARE(cups->printed(QStringLiteral("Autenticadora")), esperado);
        }
        QCOMPARE(cups->jobCount(QStringLiteral("Autenticadora")), 2);
        QCOMPARE(cups->jobCount(QStringLiteral("Escritorio")), 0);
        QCOMPARE(msgs().texts(), QStringList{QStringLiteral("Coloque o documento para autenticar")});
        // While each line printed, the authentication printer was the default; then the ordinary one again.
        QCOMPARE(fila->padraoCups, QStringList(2, QStringLiteral("Autenticadora")));
        QCOMPARE(fila->padraoQt, QStringList(2, QStringLiteral("Autenticadora")));
        QCOMPARE(TestSupport::CupsServer::userDefault(), QStringLiteral("Escritorio"));
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QStringLiteral("Escritorio"));
    }

    void aStoppedQueuePrintsNothingAndTheDialogGoesOn_data()
    {
        QTest::addColumn<bool>("ausente");
        QTest::newRow("stopped") << false;
        QTest::newRow("missing") << true;
    }

    void aStoppedQueuePrintsNothingAndTheDialogGoesOn()
    {
        QFETCH(bool, ausente);
        if (ausente)
            gImpressoraAutenticadora = QStringLiteral("Autenticadora2");
        else
            QVERIFY(cups->stopQueue(QStringLiteral("Autenticadora")));

        QVERIFY(!janela->ProcAutenticarDoc(QStringLiteral("linha")));
        QVERIFY(!fila->erros.last().isEmpty());
        QCOMPARE(cups->jobCount(), 0);
        QCOMPARE(TestSupport::CupsServer::userDefault(), QStringLiteral("Escritorio"));

        // The dialog: each attempt counts, the "txt" model shows no message, the item can be recorded.
        {
            frmAutenticar dialogo(kItem);
            dialogo.cmdEnter_Click();
            dialogo.cmdEnter_Click();
            QCOMPARE(dialogo.contagem(), 2);
            dialogo.cmdEsc_Click();
            QVERIFY(!gCancelaAutenticacao);
        }
        QCOMPARE(msgs().texts(), QStringList(2, QStringLiteral("Coloque o documento para autenticar")));
        QCOMPARE(fila->padraoCups.size(), 4);
        QCOMPARE(cups->jobCount(), 0);
        QVERIFY(cups->jobFiles(QStringLiteral("Autenticadora")).isEmpty());
        QVERIFY(cups->jobFiles(QStringLiteral("Escritorio")).isEmpty());
        QCOMPARE(TestSupport::CupsServer::userDefault(), QStringLiteral("Escritorio"));
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QStringLiteral("Escritorio"));
    }

    void theViewersPrintMakesOneJob()
    {
        const QString arquivo = frmExbi_texto::arquivoDoModo(QStringLiteral("movimento"));
        QVERIFY(TextFile::writeAll(arquivo, "Aut: 001 AGUA 45,50\r\nAut: 002 IPTU 123,45\r\n"));
        VisorNaFila visor;
        visor.fila = QStringLiteral("Escritorio");
        QCOMPARE(visor.Rich1->toPlainText().count(QStringLiteral("Aut: ")), 2);
        visor.Command_Click();
        QCOMPARE(cups->jobCount(QStringLiteral("Escritorio")), 1);
        QCOMPARE(cups->jobCount(), 1);
        QVERIFY(cups->waitForJobs());
        QCOMPARE(cups->jobFiles(QStringLiteral("Escritorio")).size(), 1);
        QVERIFY(cups->printed(QStringLiteral("Escritorio")).startsWith("%PDF"));
        QVERIFY(cups->jobFiles(QStringLiteral("Autenticadora")).isEmpty());
    }
};

QTEST_MAIN(TstFrenteCups)
#include "tst_frente_cups.moc"
