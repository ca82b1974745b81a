#include "inpout.h"

#include "globals.h"
#include "printers.h"
#include "recording_printer.h"
#include "test_support.h"

#include <QTest>
#include <memory>

using namespace AbreBD;
using inpout::Autentica_porta;

namespace {
const QString tituloAut = QStringLiteral("Autenticação de Documentos");
const QString falhaDoc = QStringLiteral("Problemas na autenticação do documento.\nPossíveis causas: Documento não "
                                        "inserido, impressora desligada, off-line ou sem papel");
const QString falhaTexto = QStringLiteral("Problemas na impressão do texto.\nPossíveis causas: Impressora "
                                          "desligada, off-line ou sem papel");
const QString serial = QStringLiteral("Essa função só funciona com as portas paralelas LPT1, LPT2 OU LPT3");
// Accented text arrives as Windows-1252 bytes.
const QString texto = QStringLiteral("PREF. SÃO JOSÉ 1 007");
const QByteArray bytes = QByteArray("PREF. S\xC3O JOS\xC9 1 007");
} // namespace

class TstAutenticaPorta : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::ProgramFolder> folder;
    std::shared_ptr<RecordingPrinter> rec;

    QStringList boxes() const { return folder->messages->texts(); }

private slots:
    void init()
    {
        folder = std::make_unique<TestSupport::ProgramFolder>(
            TestSupport::ProgramFolder::Options{false, false, true, true, {}});
        rec = std::make_shared<RecordingPrinter>();
        Platform::printers().setRecording(rec);
        gPrintCupom = 1;
        gPorta = QStringLiteral("LPT1");
        inpout::EsperaEstado::limiteMs = 5000;
    }

    void cleanup()
    {
        Platform::printers().reset();
        folder.reset();
    }

    void nothingWithoutDevicePrintingOrMode_data()
    {
        QTest::addColumn<int>("cupom");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("modelo");
        for (const char *m : {"bematech", "quattro"}) {
            QTest::addRow("%s off, mode 1", m) << 0 << 1 << QString::fromLatin1(m);
            QTest::addRow("%s off, mode 2", m) << 0 << 2 << QString::fromLatin1(m);
            QTest::addRow("%s on, mode 0", m) << 1 << 0 << QString::fromLatin1(m);
            QTest::addRow("%s on, mode 3", m) << 1 << 3 << QString::fromLatin1(m);
        }
        QTest::addRow("txt roll line") << 1 << 2 << QStringLiteral("txt");
        QTest::addRow("upper-case model roll line") << 1 << 2 << QStringLiteral("BEMATECH");
    }

    void nothingWithoutDevicePrintingOrMode()
    {
        QFETCH(int, cupom);
        QFETCH(int, modo);
        QFETCH(QString, modelo);
        gPrintCupom = cupom;
        QVERIFY(Autentica_porta(modo, modelo, texto));
        QVERIFY(rec->calls.isEmpty());
        QVERIFY(boxes().isEmpty());
    }

    void quattroDocument_data()
    {
        QTest::addColumn<QString>("porta");
        QTest::addColumn<int>("numero");
        QTest::newRow("LPT1") << QStringLiteral("LPT1") << 888;
        QTest::newRow("LPT2") << QStringLiteral("LPT2") << 632;
        QTest::newRow("USB") << QStringLiteral("USB") << 0;
    }

    void quattroDocument()
    {
        QFETCH(QString, porta);
        QFETCH(int, numero);
        gPorta = porta;
        rec->estadoAnswers = {0, 15, 16};
        QVERIFY(Autentica_porta(1, QStringLiteral("quattro"), texto));
        QCOMPARE(rec->functions(), QStringList({"TXI", "Estado", "Estado", "Estado", "TXI", "TXI"}));
        for (const auto &c : std::as_const(rec->calls))
            QCOMPARE(c.numbers, QList<int>{numero});
        QCOMPARE(rec->calls[0].bytes, QByteArray("\x1b~1"));
        QCOMPARE(rec->calls[4].bytes, QByteArray("\x1bV") + bytes);
        QCOMPARE(rec->calls[5].bytes, QByteArray("\x1b~0"));
        QVERIFY(boxes().isEmpty());
    }

    void quattroSerialPorts()
    {
        for (const QString &p : {QStringLiteral("COM1"), QStringLiteral("COM2")}) {
            gPorta = p;
            folder->messages->clear();
            rec->calls.clear();
            QVERIFY(!Autentica_porta(1, QStringLiteral("quattro"), texto));
            QVERIFY(rec->calls.isEmpty());
            QCOMPARE(folder->messages->boxes.size(), 1);
            const auto box = folder->messages->boxes.first();
            QCOMPARE(box.text, serial);
            QCOMPARE(box.title, QStringLiteral("Aviso"));
            QCOMPARE(box.style, int(Vb::vbInformation));
        }
        // The roll line goes out on the serial port all the same.
        gPorta = QStringLiteral("COM1");
        QVERIFY(Autentica_porta(2, QStringLiteral("quattro"), texto));
        QCOMPARE(rec->functions(), QStringList{"TX"});
        QCOMPARE(rec->calls[0].numbers, QList<int>{1});
        QCOMPARE(rec->calls[0].bytes, bytes + '\n');
    }

    void quattroPrinterNotAnswering()
    {
        inpout::EsperaEstado::limiteMs = 50;
        rec->estadoPadrao = 15;
        QVERIFY(!Autentica_porta(1, QStringLiteral("quattro"), texto));
        const QStringList f = rec->functions();
        QVERIFY(f.count(QStringLiteral("Estado")) >= 2);
        QCOMPARE(f.first(), QStringLiteral("TXI"));
        QCOMPARE(f.last(), QStringLiteral("TXI"));
        QCOMPARE(rec->callsOf(QStringLiteral("TXI")).size(), 2); // no document text
        QCOMPARE(rec->calls.last().bytes, QByteArray("\x1b~0"));
        QCOMPARE(folder->messages->boxes.size(), 1);
        QVERIFY(boxes().first().startsWith(QStringLiteral("A impressora autenticadora não respondeu.")));
        QCOMPARE(folder->messages->boxes.first().title, tituloAut);
        QCOMPARE(folder->messages->boxes.first().style, int(Vb::vbCritical));
    }

    void quattroSendFailures()
    {
        rec->envioAnswers = {false};
        QVERIFY(!Autentica_porta(1, QStringLiteral("quattro"), texto));
        QCOMPARE(rec->functions(), QStringList{"TXI"});
        QVERIFY(boxes().first().startsWith(QStringLiteral("Não foi possível enviar o texto à impressora")));
        QVERIFY(boxes().first().endsWith(QStringLiteral("falha simulada")));

        folder->messages->clear();
        rec->calls.clear();
        rec->envioAnswers = {false};
        QVERIFY(!Autentica_porta(2, QStringLiteral("quattro"), texto));
        QCOMPARE(boxes().size(), 1);
    }

    void bematechDocument_data()
    {
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("done") << 1 << QString();
        QTest::newRow("any other value is done") << 7 << QString();
        QTest::newRow("not authenticated") << 0 << falhaDoc;
        QTest::newRow("time ran out") << -1 << QStringLiteral("Tempo maior que o permitido.");
    }

    void bematechDocument()
    {
        QFETCH(int, resposta);
        QFETCH(QString, mensagem);
        rec->autenticaDocAnswers = {resposta};
        QCOMPARE(Autentica_porta(1, QStringLiteral("bematech"), texto), mensagem.isEmpty());
        QCOMPARE(rec->functions(), QStringList({"AutenticaDoc", "ComandoTX"}));
        QCOMPARE(rec->calls[0].bytes, bytes);
        QCOMPARE(rec->calls[0].numbers, QList<int>{6000});
        QCOMPARE(rec->calls[1].bytes, QByteArray("\x1b~\0", 3));
        QCOMPARE(rec->calls[1].numbers, QList<int>{3});
        if (mensagem.isEmpty()) {
            QVERIFY(boxes().isEmpty());
        } else {
            QCOMPARE(boxes(), QStringList{mensagem});
            QCOMPARE(folder->messages->boxes.first().title, tituloAut);
            QCOMPARE(folder->messages->boxes.first().style, int(Vb::vbCritical));
        }
    }

    void otherModelsAuthenticateThroughTheBematechLibrary()
    {
        QVERIFY(Autentica_porta(1, QStringLiteral("txt"), texto));
        QCOMPARE(rec->functions(), QStringList({"AutenticaDoc", "ComandoTX"}));
    }

    void bematechRollLine()
    {
        QVERIFY(Autentica_porta(2, QStringLiteral("bematech"), texto));
        QCOMPARE(rec->functions(), QStringList{"FormataTX"});
        QCOMPARE(rec->calls[0].bytes, bytes + '\n');
        QCOMPARE(rec->calls[0].numbers, QList<int>({3, 0, 0, 0, 0}));
        QVERIFY(boxes().isEmpty());

        rec->formataTXAnswers = {0};
        QVERIFY(!Autentica_porta(2, QStringLiteral("bematech"), QString()));
        QCOMPARE(rec->calls.last().bytes, QByteArray("\n"));
        QCOMPARE(boxes(), QStringList{falhaTexto});
        QCOMPARE(folder->messages->boxes.first().title, appTitle());
        QCOMPARE(folder->messages->boxes.first().style, int(Vb::vbInformation));
    }

    void bitsAndPortNumbers()
    {
        QCOMPARE(inpout::Testa_bit(16, 4), 1);
        QCOMPARE(inpout::Testa_bit(15, 4), 0);
        QCOMPARE(inpout::Testa_bit(65536, 4), 0);
        QCOMPARE(inpout::Testa_bit(65536 + 16, 4), 1);
        QCOMPARE(inpout::Testa_bit(-1, 14), 1);
        QCOMPARE(inpout::Testa_bit(-1, 15), 0);
        QCOMPARE(inpout::Testa_bit(1, 0), 1);

        QCOMPARE(inpout::numeroPorta(QStringLiteral("LPT1")), 888);
        QCOMPARE(inpout::numeroPorta(QStringLiteral("LPT2")), 632);
        QCOMPARE(inpout::numeroPorta(QStringLiteral("COM1")), 1);
        QCOMPARE(inpout::numeroPorta(QStringLiteral("COM2")), 2);
        for (const char *p : {"USB", "", "LPT3", "lpt1", "COM3"})
            QCOMPARE(inpout::numeroPorta(QString::fromLatin1(p)), 0);
    }
};

QTEST_MAIN(TstAutenticaPorta)
#include "tst_autentica_porta.moc"
