#include "abre_bd.h"
#include "globals.h"
#include "single_instance.h"
#include "test_support.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

class TstStartup : public QObject {
    Q_OBJECT

    static QWidget *form()
    {
        auto *w = new QLabel(QStringLiteral("inicio"));
        w->setObjectName(QStringLiteral("frmData"));
        return w;
    }

private slots:
    void opensAndLoads()
    {
        TestSupport::ProgramFolder folder({true, true, true, false, {}});
        QPointer<QWidget> shown;
        QVERIFY(AbreBD::Main([&] { return shown = form(); }));
        QVERIFY(shown && shown->isVisible());
        QVERIFY(AbreBD::gDataAccess);
        QVERIFY(Conexao::aberta());
        QCOMPARE(AbreBD::gGuiche, QStringLiteral("1"));
        QVERIFY(folder.messages->boxes.isEmpty());
        delete shown;
        AbreBD::liberaInstancia();
    }

    void missingDatabaseIsToldAndTheFormStillOpens()
    {
        TestSupport::ProgramFolder folder({false, false, true, false, {}});
        QPointer<QWidget> shown;
        QVERIFY(AbreBD::Main([&] { return shown = form(); }));
        QCOMPARE(folder.messages->boxes.size(), 2);
        QVERIFY(folder.messages->boxes.at(0).text.endsWith(QStringLiteral(" / Função Open")));
        QCOMPARE(folder.messages->boxes.at(1).text, QStringLiteral("Erro ao conectar banco de dados!!!"));
        QCOMPARE(folder.messages->boxes.at(1).style, 0);
        QCOMPARE(AbreBD::gGuiche, QStringLiteral("1")); // settings still loaded
        QVERIFY(shown && shown->isVisible());
        // Later operations fail with a report, never a crash.
        QVERIFY(!AbreBD::gDataAccess->SQLExecute("DELETE FROM Movimento"));
        QCOMPARE(folder.messages->boxes.size(), 3);
        delete shown;
        AbreBD::liberaInstancia();
    }

    void folderWithoutWriteAccessIsTold()
    {
        TestSupport::ProgramFolder folder({false, false, false, false, {}});
        // Nobody, root included, may create files here.
        qputenv("CAIXA_DIR", "/proc/self");
        QPointer<QWidget> shown;
        QVERIFY(AbreBD::Main([&] { return shown = form(); }));
        QVERIFY(!folder.messages->boxes.isEmpty());
        QVERIFY(folder.messages->boxes.first().text.startsWith(
            QStringLiteral("Não foi possível criar arquivos na pasta do programa:")));
        QCOMPARE(folder.messages->boxes.last().text, QStringLiteral("Erro ao conectar banco de dados!!!"));
        QVERIFY(shown && shown->isVisible());
        delete shown;
        AbreBD::liberaInstancia();
    }

    void secondInstanceEndsSilently()
    {
        TestSupport::ProgramFolder folder({true, true, true, false, {}});
        SingleInstance other(folder.path());
        QVERIFY(other.acquire());
        bool built = false;
        QVERIFY(!AbreBD::Main([&] { built = true; return form(); }));
        QVERIFY(!built);
        QVERIFY(folder.messages->boxes.isEmpty());
        QVERIFY(!Conexao::aberta());
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
