// The shared printer and the default printer against a real CUPS server.
#include "print.h"

#include "cups_server.h"
#include "globals.h"
#include "printers.h"
#include "shared_printer.h"
#include "test_support.h"

#include <QPrinterInfo>
#include <QTest>
#include <csignal>
#include <memory>
#include <stdexcept>

namespace {

const QString kAut = QStringLiteral("Autenticadora");
const QString kEsc = QStringLiteral("Escritorio");

QByteArray todosOsBytes()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b += char(i);
    return b + "\x1b~1\x1bVS\xC3O 007\x1b~0\r\n";
}

} // namespace

class TstFilaCups : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::CupsServer> cups;
    std::unique_ptr<TestSupport::ProgramFolder> folder;
    Platform::CupsSharedPrinter fila;
    QString erro;

    PrinterSystem &sistema() { return Platform::printers().system(); }

private slots:
    void init()
    {
        folder = std::make_unique<TestSupport::ProgramFolder>(
            TestSupport::ProgramFolder::Options{false, false, true, true, {}});
        cups = std::make_unique<TestSupport::CupsServer>();
        QVERIFY2(cups->running(), qPrintable(cups->error()));
        QVERIFY(cups->addQueue(kEsc));
        QVERIFY(cups->addQueue(kAut));
        QVERIFY(cups->setServerDefault(kEsc));
        Platform::printers().reset();
        erro.clear();
    }

    void cleanup()
    {
        Platform::printers().reset();
        const pid_t pid = pid_t(cups->pid());
        QCOMPARE(cups->stop(), QStringList());
        QVERIFY(pid > 0 && ::kill(pid, 0) != 0);
        cups.reset();
        folder.reset();
    }

    void everyByteReachesTheQueue()
    {
        const QByteArray bytes = todosOsBytes();
        QVERIFY2(fila.envia(cups->socket(), kAut, bytes, &erro), qPrintable(erro));
        QVERIFY2(fila.envia(QString(), kAut, "segunda\r\n", &erro), qPrintable(erro)); // CUPS_SERVER
        QCOMPARE(cups->jobFiles(kAut).size(), 2);
        QCOMPARE(cups->printed(kAut), bytes + "segunda\r\n");
        QCOMPARE(cups->jobCount(), 2);
    }

    void aQueueThatCannotPrintAnswersFalse_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("stopped") << QStringLiteral("parada");
        QTest::newRow("refusing jobs") << QStringLiteral("recusa");
        QTest::newRow("missing") << QStringLiteral("ausente");
        QTest::newRow("no queue named") << QStringLiteral("sem nome");
    }

    void aQueueThatCannotPrintAnswersFalse()
    {
        QFETCH(QString, caso);
        QString nome = kAut;
        if (caso == QLatin1String("parada"))
            QVERIFY(cups->stopQueue(kAut));
        else if (caso == QLatin1String("recusa"))
            QVERIFY(cups->rejectJobs(kAut));
        else if (caso == QLatin1String("ausente"))
            nome = QStringLiteral("Autenticadora2");
        else
            nome.clear();
        QVERIFY(!fila.envia(cups->socket(), nome, "linha\r\n", &erro));
        QVERIFY(!erro.isEmpty());
        QCOMPARE(cups->jobCount(), 0);
        QVERIFY(cups->jobFiles(kAut).isEmpty());
    }

    void aDeviceThatFailsUnderTheJobCountsAsNotPrinted()
    {
        cups->failDevice(kAut);
        QVERIFY(!fila.envia(cups->socket(), kAut, "linha\r\n", &erro));
        QVERIFY(!erro.isEmpty());
        // The job was taken back: it will not print on its own once the printer is back.
        QVERIFY(cups->waitForJobs());
        cups->failDevice(kAut, false);
        QVERIFY(cups->addQueue(kAut));
        QVERIFY(fila.envia(cups->socket(), kAut, "outra\r\n", &erro));
        QCOMPARE(cups->printed(kAut), QByteArray("outra\r\n"));
    }

    void anUnreachableHostAnswersFalse()
    {
        QVERIFY(!fila.envia(folder->file(QStringLiteral("ninguem.sock")), kAut, "linha\r\n", &erro));
        QVERIFY(erro.contains(QStringLiteral("ninguem.sock")));
        QCOMPARE(cups->jobCount(), 0);
    }

    void theQueuesAsTheDeskSeesThem()
    {
        QCOMPARE(sistema().defaultPrinter(), kEsc);
        const QStringList instaladas = sistema().installedPrinters();
        QVERIFY(instaladas.contains(kAut));
        QVERIFY(instaladas.contains(kEsc));
        QString driver, porta;
        Print::Separa_porta(sistema().printerEntry(kAut), driver, porta);
        QVERIFY(!driver.isEmpty());
        QCOMPARE(porta, QStringLiteral("CUPS"));
        QVERIFY(sistema().printerEntry(QStringLiteral("Nenhuma")).isEmpty());
        // A printer that is not installed is not made the default.
        QVERIFY(!sistema().setDefaultPrinter(QStringLiteral("Nenhuma"), QStringLiteral("X"), QStringLiteral("CUPS"),
                                             &erro));
        QVERIFY(erro.contains(QStringLiteral("Nenhuma")));
        QCOMPARE(TestSupport::CupsServer::userDefault(), kEsc);
    }

    void theAuthenticationPrinterIsTheDefaultOnlyWhileItPrints()
    {
        {
            Print::ImpressoraAutenticadoraAtiva ativa(kAut, kEsc);
            QCOMPARE(TestSupport::CupsServer::userDefault(), kAut);
            QCOMPARE(QPrinterInfo::defaultPrinterName(), kAut);
            QCOMPARE(sistema().currentPrinter(), kAut);
        }
        QCOMPARE(TestSupport::CupsServer::userDefault(), kEsc);
        QCOMPARE(QPrinterInfo::defaultPrinterName(), kEsc);
        QCOMPARE(sistema().currentPrinter(), kEsc);
        // The server's own default stays what it was: the choice is this user's.
        QVERIFY(cups->setServerDefault(kEsc));
    }

    void theDefaultComesBackAfterAFailure()
    {
        try {
            Print::ImpressoraAutenticadoraAtiva ativa(kAut, kEsc);
            QCOMPARE(TestSupport::CupsServer::userDefault(), kAut);
            throw std::runtime_error("falha no meio da impressão");
        } catch (const std::runtime_error &) {
        }
        QCOMPARE(TestSupport::CupsServer::userDefault(), kEsc);
        QCOMPARE(QPrinterInfo::defaultPrinterName(), kEsc);
    }

    void withoutAnOrdinaryPrinterThePreviousDefaultComesBack()
    {
        QVERIFY(cups->addQueue(QStringLiteral("Sala")));
        QVERIFY(Print::Seleciona_impressora(QStringLiteral("Sala")));
        QCOMPARE(TestSupport::CupsServer::userDefault(), QStringLiteral("Sala"));
        {
            Print::ImpressoraAutenticadoraAtiva ativa(kAut, QString());
            QCOMPARE(QPrinterInfo::defaultPrinterName(), kAut);
        }
        QCOMPARE(TestSupport::CupsServer::userDefault(), QStringLiteral("Sala"));
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QStringLiteral("Sala"));
    }
};

QTEST_MAIN(TstFilaCups)
#include "tst_fila_cups.moc"
