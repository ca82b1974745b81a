#include "msg_box.h"
#include "program_folder.h"
#include "single_instance.h"
#include "test_support.h"
#include "text_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

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

    // Appends go at the end as they stand; only a cut last line is closed
    // first, so the new block starts on a line of its own.
    void appendsAfterWhateverTheFileEndsIn()
    {
        QTemporaryDir dir;
        const QByteArray bloco("Aut: 002\tTipo: IPTU\r\n");
        const QList<QPair<QByteArray, QByteArray>> casos{
            {"Aut: 001\tTipo: IP", "Aut: 001\tTipo: IP\r\n"},
            {"Aut: 001\r\n", "Aut: 001\r\n"},
            {"Aut: 001\n", "Aut: 001\n"},
            {"Aut: 001\r", "Aut: 001\r\r\n"},
            {"", ""},
        };
        for (const auto &[antes, depois] : casos) {
            const QString f = dir.filePath("receb.txt");
            QVERIFY(TextFile::writeAll(f, antes));
            QVERIFY(TextFile::append(f, bloco));
            QCOMPARE(TestSupport::readFile(f), depois + bloco);
        }
        // A missing file is created with the permissions a whole file gets.
        const QString novo = dir.filePath("novo.txt");
        QVERIFY(TextFile::append(novo, bloco));
        QCOMPARE(TestSupport::readFile(novo), bloco);
        QVERIFY(TextFile::writeAll(dir.filePath("inteiro.txt"), bloco));
        QCOMPARE(QFile::permissions(novo), QFile::permissions(dir.filePath("inteiro.txt")));
    }

    void appendRefusedByAFileThatCannotBeWritten()
    {
        QTemporaryDir dir;
        const QString f = dir.filePath("Log.ini");
        QVERIFY(TextFile::writeAll(f, "linha cortada"));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(f, QFile::ReadOwner | QFile::ReadOther));
        // Permissions mean nothing to root: the append runs as nobody then.
        const pid_t filho = fork();
        if (filho == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(3);
            QString erro;
            _exit(TextFile::append(f, "mais\r\n", &erro) ? 1 : erro.isEmpty() ? 2 : 0);
        }
        int estado = -1;
        QCOMPARE(waitpid(filho, &estado, 0), filho);
        QVERIFY(WIFEXITED(estado));
        QCOMPARE(WEXITSTATUS(estado), 0);
        QCOMPARE(TestSupport::readFile(f), QByteArray("linha cortada"));
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
