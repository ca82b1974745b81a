#include "ini_file.h"
#include "text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char *name) { return dir.filePath(QString::fromLatin1(name)); }
    void put(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray get(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void readsWithoutRegardToCase()
    {
        const QString f = path("a.ini");
        put(f, "; comentario\r\n[Export]\r\nguiche = 7 \r\nPath1=C:\\x\\\r\n\r\n[Print]\r\nporta=LPT1\r\n");
        QCOMPARE(IniFile::read(f, "export", "GUICHE"), QStringLiteral("7"));
        QCOMPARE(IniFile::read(f, "EXPORT", "path1"), QStringLiteral("C:\\x\\"));
        QCOMPARE(IniFile::read(f, "print", "Porta"), QStringLiteral("LPT1"));
    }

    void missingReadsEmpty()
    {
        const QString f = path("b.ini");
        put(f, "[Export]\nguiche=1\nvazio=\n");
        QCOMPARE(IniFile::read(path("nao_existe.ini"), "Export", "guiche"), QString());
        QCOMPARE(IniFile::read(f, "Outra", "guiche"), QString());
        QCOMPARE(IniFile::read(f, "Export", "outra"), QString());
        QCOMPARE(IniFile::read(f, "Export", "vazio"), QString());
        // A key of another section with the same name is not seen.
        put(f, "[A]\nk=1\n[B]\nx=2\n");
        QCOMPARE(IniFile::read(f, "B", "k"), QString());
    }

    void oddFiles()
    {
        const QString f = path("c.ini");
        // No trailing newline, duplicate keys (the first wins), LF only, quoted value.
        put(f, "[S]\nk=primeiro\nk=segundo\nq=\"entre aspas\"\n[S]\nz=9");
        QCOMPARE(IniFile::read(f, "S", "k"), QStringLiteral("primeiro"));
        QCOMPARE(IniFile::read(f, "S", "q"), QStringLiteral("entre aspas"));
        QCOMPARE(IniFile::read(f, "S", "z"), QString());
        // Windows-1252 bytes come back as text.
        put(f, "[Mensagem]\r\npref=PREFEITURA DE S\xc3O JO\xc3O\r\n");
        QCOMPARE(IniFile::read(f, "Mensagem", "pref"), QStringLiteral("PREFEITURA DE SÃO JOÃO"));
    }

    void valuesAreCutAt254()
    {
        const QString f = path("d.ini");
        put(f, "[S]\r\nk=" + QByteArray(300, 'x') + "\r\n");
        QCOMPARE(IniFile::read(f, "S", "k").size(), 254);
    }

    void writeKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const QByteArray base = "; configuracao\r\n[Export]\r\nguiche=1\r\n\r\n[Print]\r\nporta=LPT1\r\n";
        QTest::newRow("replace") << base << "export" << "GUICHE" << "2"
                                 << QByteArray("; configuracao\r\n[Export]\r\nguiche=2\r\n\r\n[Print]\r\nporta=LPT1\r\n");
        QTest::newRow("new key after the section's last key") << base << "Export" << "Path1" << "/tmp/"
                                 << QByteArray("; configuracao\r\n[Export]\r\nguiche=1\r\nPath1=/tmp/\r\n\r\n[Print]\r\nporta=LPT1\r\n");
        QTest::newRow("new section at the end") << base << "Skin" << "nome" << "azul.skn"
                                 << QByteArray(base + "[Skin]\r\nnome=azul.skn\r\n");
        QTest::newRow("no trailing newline") << QByteArray("[S]\r\nk=1") << "S" << "k" << "2"
                                 << QByteArray("[S]\r\nk=2");
        QTest::newRow("lf file stays lf") << QByteArray("[S]\nk=1\n") << "S" << "j" << "3"
                                 << QByteArray("[S]\nk=1\nj=3\n");
        QTest::newRow("duplicate key: first replaced") << QByteArray("[S]\r\nk=1\r\nk=2\r\n") << "S" << "k" << "9"
                                 << QByteArray("[S]\r\nk=9\r\nk=2\r\n");
        QTest::newRow("accented value") << QByteArray() << "Mensagem" << "pref" << QString::fromUtf8("SÃO JOÃO")
                                 << QByteArray("[Mensagem]\r\npref=S\xc3O JO\xc3O\r\n");
    }

    void writeKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString f = path("w.ini");
        QFile::remove(f);
        if (!before.isNull())
            put(f, before);
        QVERIFY(IniFile::write(f, section, key, value));
        QCOMPARE(get(f), after);
        QCOMPARE(IniFile::read(f, section, key), value);
    }

    void failedWriteIsReportedAndKeepsTheFile()
    {
        QTemporaryDir ro;
        const QString f = ro.filePath("Config.ini");
        put(f, "[S]\r\nk=1\r\n");
        QFile::setPermissions(ro.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(ro.path()).isWritable())
            QSKIP("running with rights that ignore folder permissions");
        QString error;
        QVERIFY(!IniFile::write(f, "S", "k", "2", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(get(f), QByteArray("[S]\r\nk=1\r\n"));
        QFile::setPermissions(ro.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void writeToMissingFolderFails()
    {
        QVERIFY(!IniFile::write(path("nao/existe/Config.ini"), "S", "k", "1"));
    }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_ini_file.moc"
