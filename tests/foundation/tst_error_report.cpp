#include "error_report.h"
#include "test_support.h"

#include "program_folder.h"

#include <QFile>
#include <QtTest>

class TstErrorReport : public QObject {
    Q_OBJECT

private slots:
    void boxAndLogEntry()
    {
        TestSupport::ProgramFolder folder({false, false, false, false, {}});
        Aplicativos::Err().set(13, QStringLiteral("Tipos incompatíveis"), QStringLiteral("caixa"));
        Aplicativos::Trata_erro(QStringLiteral("Função Open"));

        QCOMPARE(folder.messages->boxes.size(), 1);
        const auto &box = folder.messages->boxes.first();
        QCOMPARE(box.style, 48);
        QCOMPARE(box.title, appTitle());
        QCOMPARE(box.text, QStringLiteral("Houve um erro interno:\r\n\r\nNúmero do erro:13\r\n"
                                          "Descrição :Tipos incompatíveis\r\nOrigem :caixa / Função Open"));
        QCOMPARE(Aplicativos::Err().Number, 0);

        Aplicativos::Err().set(-2147467259, QStringLiteral("Falha"), QString());
        Aplicativos::Trata_erro(QString());
        QVERIFY(folder.messages->boxes.last().text.contains(QStringLiteral("Número do erro:-2147467259")));
        QVERIFY(folder.messages->boxes.last().text.endsWith(QStringLiteral(" / ")));

        const QByteArray log = TestSupport::readFile(folder.file("Log.ini"));
        QString why;
        QVERIFY2(TestSupport::matchesGolden(log, "foundation/golden/Log.ini", &why), qPrintable(why));
    }

    void unwritableLogStillShowsTheBox()
    {
        TestSupport::ProgramFolder folder({false, false, false, false, {}});
        // A folder where the log would be: the append fails, nothing throws.
        QVERIFY(QDir(folder.path()).mkdir("Log.ini"));
        Aplicativos::Trata_erro(CaixaError(3024, "x", "y"), QStringLiteral("Função Open"));
        QCOMPARE(folder.messages->boxes.size(), 1);
        QCOMPARE(Aplicativos::Err().Number, 0);
    }

    void operationAppendedToSource()
    {
        const CaixaError e = CaixaError(5, "d", "clsMovimento").withOperation("SQLInsert");
        QCOMPARE(e.source, QStringLiteral("clsMovimento\r\nSQLInsert"));
        QCOMPARE(e.number, 5);
    }
};

QTEST_MAIN(TstErrorReport)
#include "tst_error_report.moc"
