#include "print.h"

#include "globals.h"
#include "printers.h"
#include "test_support.h"

#include <QTest>
#include <memory>
#include <stdexcept>

class TstImpressoraPadrao : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::ProgramFolder> folder;
    std::shared_ptr<FakePrinterSystem> sys;

private slots:
    void init()
    {
        folder = std::make_unique<TestSupport::ProgramFolder>(
            TestSupport::ProgramFolder::Options{false, false, true, true, {}});
        sys = std::make_shared<FakePrinterSystem>();
        sys->addPrinter(QStringLiteral("Escritorio"), QStringLiteral("HP LaserJet,ne01:,15,45"));
        sys->addPrinter(QStringLiteral("Autenticadora"), QStringLiteral("Generic / Text Only,LPT1:,15,45"));
        sys->addPrinter(QStringLiteral("SoDriver"), QStringLiteral("Generic,"));
        sys->defaultName = sys->current = QStringLiteral("Escritorio");
        Platform::printers().setSystem(sys);
        AbreBD::gImpressoraAutenticadora = QStringLiteral("Autenticadora");
        AbreBD::gImpressoraPadrao = QStringLiteral("Escritorio");
    }

    void cleanup()
    {
        Platform::printers().reset();
        folder.reset();
    }

    void separaPorta_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("porta");
        QTest::newRow("full entry") << QStringLiteral("winspool,Ne00:,15,45") << QStringLiteral("winspool") << QStringLiteral("Ne00:");
        QTest::newRow("two fields") << QStringLiteral("winspool,LPT1:,") << QStringLiteral("winspool") << QStringLiteral("LPT1:");
        QTest::newRow("one comma") << QStringLiteral("winspool,LPT1:") << QStringLiteral("winspool") << QStringLiteral("");
        QTest::newRow("no comma") << QStringLiteral("winspool") << QStringLiteral("") << QStringLiteral("");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("") << QStringLiteral("");
        QTest::newRow("empty fields") << QStringLiteral(",,") << QStringLiteral("") << QStringLiteral("");
    }

    void separaPorta()
    {
        QFETCH(QString, texto);
        QFETCH(QString, driver);
        QFETCH(QString, porta);
        QString d = QStringLiteral("x"), p = QStringLiteral("y");
        Print::Separa_porta(texto, d, p);
        QCOMPARE(d, driver);
        QCOMPARE(p, porta);
    }

    void selectsAnInstalledPrinter()
    {
        QVERIFY(Print::Seleciona_impressora(QStringLiteral("Autenticadora")));
        QCOMPARE(sys->defaultsWritten, QStringList{"Autenticadora,Generic / Text Only,LPT1:"});
        QCOMPARE(sys->defaultName, QStringLiteral("Autenticadora"));
        QCOMPARE(sys->current, QStringLiteral("Autenticadora"));
        // The new default already reached the program: no walk of the printers.
        QVERIFY(sys->currentPrinterSets.isEmpty());
    }

    void walksThePrintersWhenTheDefaultDidNotReachTheProgram()
    {
        sys->defaultReachesProgram = false;
        QVERIFY(Print::Seleciona_impressora(QStringLiteral("Autenticadora")));
        QCOMPARE(sys->currentPrinterSets, QStringList{"Autenticadora"});
        Print::Ajusta_printer(QStringLiteral("Inexistente"));
        QCOMPARE(sys->current, QStringLiteral("Autenticadora"));
    }

    void leavesEverythingAlone_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("leituras");
        QTest::newRow("empty name") << QString() << 0;
        QTest::newRow("already current") << QStringLiteral("Escritorio") << 0;
        QTest::newRow("one comma only") << QStringLiteral("SoDriver") << 1;
        QTest::newRow("not installed") << QStringLiteral("Inexistente") << 1;
        QTest::newRow("names are case-sensitive") << QStringLiteral("autenticadora") << 1;
    }

    void leavesEverythingAlone()
    {
        QFETCH(QString, nome);
        QFETCH(int, leituras);
        Print::Seleciona_impressora(nome);
        QCOMPARE(sys->entryReads, leituras);
        QVERIFY(sys->defaultsWritten.isEmpty());
        QCOMPARE(sys->current, QStringLiteral("Escritorio"));
        QCOMPARE(sys->defaultName, QStringLiteral("Escritorio"));
    }

    void defaultGivenBackAfterEveryPrint()
    {
        {
            Print::ImpressoraAutenticadoraAtiva ativa;
            QCOMPARE(sys->defaultName, QStringLiteral("Autenticadora"));
        }
        QCOMPARE(sys->defaultName, QStringLiteral("Escritorio"));
        QCOMPARE(sys->current, QStringLiteral("Escritorio"));
        QCOMPARE(sys->defaultsWritten.size(), 2);

        // Also when the print in between fails.
        try {
            Print::ImpressoraAutenticadoraAtiva ativa;
            throw std::runtime_error("porta");
        } catch (const std::runtime_error &) {
        }
        QCOMPARE(sys->defaultName, QStringLiteral("Escritorio"));
    }

    void previousDefaultBackWhenTheOrdinaryPrinterIsNotSet()
    {
        sys->addPrinter(QStringLiteral("Sala"), QStringLiteral("PCL,ne02:,15,45"));
        sys->defaultName = sys->current = QStringLiteral("Sala");
        for (const QString &padrao : {QString(), QStringLiteral("Inexistente")}) {
            {
                Print::ImpressoraAutenticadoraAtiva ativa(QStringLiteral("Autenticadora"), padrao);
                QCOMPARE(sys->defaultName, QStringLiteral("Autenticadora"));
            }
            QCOMPARE(sys->defaultName, QStringLiteral("Sala"));
            QCOMPARE(sys->current, QStringLiteral("Sala"));
        }
    }

    void nothingChangesWhenTheAuthenticationPrinterIsUnknown()
    {
        {
            Print::ImpressoraAutenticadoraAtiva ativa(QStringLiteral("Inexistente"), QStringLiteral("Escritorio"));
        }
        QVERIFY(sys->defaultsWritten.isEmpty());
        QCOMPARE(sys->defaultName, QStringLiteral("Escritorio"));
    }
};

QTEST_MAIN(TstImpressoraPadrao)
#include "tst_impressora_padrao.moc"
