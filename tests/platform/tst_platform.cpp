#include "msg_box.h"
#include "program_folder.h"
#include "single_instance.h"
#include "text_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TstPlatform : public QObject {
    Q_OBJECT

private slots:
    void encodesWindows1252()
    {
        QCOMPARE(TextFile::encode(QStringLiteral("Ação nº 1 – €")), QByteArray("A\xe7\xe3o n\xba 1 \x96 \x80"));
        // Characters with no Windows-1252 form are replaced, never dropped.
        QCOMPARE(TextFile::encode(QStringLiteral("a✓b😀c")), QByteArray("a?b?c"));
        QCOMPARE(TextFile::decode("S\xc3O"), QStringLiteral("SÃO"));
    }

    void writesAndAppendsLines()
    {
        QTemporaryDir dir;
        const QString f = dir.filePath("receb.txt");
        QVERIFY(TextFile::writeLines(f, {QStringLiteral("linha 1"), QStringLiteral("ção")}));
        QVERIFY(TextFile::appendLines(f, {QStringLiteral("linha 3")}));
        QFile file(f);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("linha 1\r\n\xe7\xe3o\r\nlinha 3\r\n"));
        QCOMPARE(TextFile::readLines(f), (QStringList{"linha 1", "ção", "linha 3"}));
        bool ok = true;
        TextFile::readAll(dir.filePath("nada.txt"), &ok);
        QVERIFY(!ok);
        QVERIFY(!TextFile::appendLines(dir.filePath("nao/existe.txt"), {"x"}));
        QVERIFY(!TextFile::writeLines(dir.filePath("nao/existe.txt"), {"x"}));
    }

    void programFolderFollowsTheEnvironment()
    {
        QTemporaryDir dir;
        qputenv("CAIXA_DIR", dir.path().toLocal8Bit());
        QCOMPARE(Platform::programFolder(), QDir::cleanPath(dir.path()));
        QCOMPARE(Platform::programFile("Log.ini"), QDir::cleanPath(dir.path()) + "/Log.ini");
        qputenv("CAIXA_DIR", "/");
        QCOMPARE(Platform::programFile("Log.ini"), QStringLiteral("/Log.ini"));
        qunsetenv("CAIXA_DIR");
    }

    void scriptedBoxesRecordAndAnswer()
    {
        auto s = std::make_shared<ScriptedMessages>();
        setMessageService(s);
        s->answers << Vb::vbNo;
        s->inputs << QStringLiteral("1234");
        QCOMPARE(MsgBox("Deseja?", Vb::vbYesNo + Vb::vbQuestion, "Aviso"), int(Vb::vbNo));
        QCOMPARE(MsgBox("Pronto"), int(Vb::vbOK));
        QCOMPARE(MsgBox("Sim por omissao", Vb::vbYesNo), int(Vb::vbYes));
        QCOMPARE(InputBoxSenha("Senha:"), QStringLiteral("1234"));
        QCOMPARE(InputBox("Item?"), QString());
        QCOMPARE(s->boxes.size(), 5);
        QCOMPARE(s->boxes.at(0).title, QStringLiteral("Aviso"));
        QCOMPARE(s->boxes.at(0).style, 36);
        QCOMPARE(s->boxes.at(1).title, appTitle());
        QVERIFY(s->boxes.at(3).password);
        QVERIFY(!s->boxes.at(4).password);
        setMessageService(nullptr);
    }

    void singleInstance()
    {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.acquire());
        SingleInstance second(dir.path());
        // Same process, other lock object: QLockFile refuses as it would another process.
        QVERIFY(!second.acquire());
    }

    void staleLockDoesNotBlock()
    {
        QTemporaryDir dir;
        // A lock file left by a process that no longer exists.
        QFile f(dir.filePath("caixa.lock"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("999999\ncaixa\nnowhere\n");
        f.close();
        SingleInstance next(dir.path());
        QVERIFY(next.acquire());
    }
};

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
