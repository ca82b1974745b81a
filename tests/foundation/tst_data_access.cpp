#include "currency.h"
#include "data_access.h"
#include "error_report.h"
#include "globals.h"
#include "test_support.h"

#include <QtTest>

using AbreBD::gDataAccess;

class TstDataAccess : public QObject {
    Q_OBJECT

    int count(const QString &table)
    {
        const auto rs = clsDataAccess::selectQuiet("SELECT COUNT(*) FROM " + table);
        return rs ? rs->Fields(0).toInt() : -1;
    }

private slots:
    void selectsIntoArrayAndRecordset()
    {
        TestSupport::ProgramFolder folder;
        const auto arr = gDataAccess->SQLSelectAllArray(
            "SELECT IDCOD, DESCRICAO, PADRAO FROM CodBarra WHERE PADRAO = ? ORDER BY IDCOD", {"s"});
        QVERIFY(arr.has_value());
        QCOMPARE(arr->size(), 3);            // fields
        QCOMPARE(arr->at(0).size(), 3);      // rows: kinds of money, found without regard to case
        QCOMPARE(arr->at(1).at(0).toString(), QStringLiteral("DINHEIRO"));

        QVERIFY(!gDataAccess->SQLSelectAllArray("SELECT * FROM CodBarra WHERE IDCOD = ?", {999}).has_value());

        auto rs = gDataAccess->SQLSelect_ReadOnly("SELECT * FROM Usuarios WHERE SENHA = ?", {"1234"});
        QVERIFY(clsDataAccess::CheckValidRecordset(rs));
        QCOMPARE(rs->RecordCount(), 1);
        QCOMPARE(rs->Fields("nome").toString(), QStringLiteral("ADMINISTRADOR"));
        rs->MoveNext();
        QVERIFY(rs->Eof());
        QVERIFY(!clsDataAccess::CheckValidRecordset(rs));

        auto none = gDataAccess->SQLSelect_ReadOnly("SELECT * FROM Usuarios WHERE SENHA = ?", {"x"});
        QVERIFY(none);
        QVERIFY(none->Eof());
        QVERIFY(!clsDataAccess::CheckValidRecordset(none));
        QVERIFY(!clsDataAccess::CheckValidRecordset(nullptr));
        QVERIFY(folder.messages->boxes.isEmpty());
    }

    void bindsEveryValueAsGiven()
    {
        TestSupport::ProgramFolder folder;
        const QString evil = QStringLiteral("x'); DROP TABLE Usuarios; --");
        qint64 id = 0;
        QVERIFY(gDataAccess->SQLExecute("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES (?, ?, ?, ?)",
                                        {evil, "' OR '1'='1", "USER", 1}, &id));
        QVERIFY(id > 0);
        auto rs = gDataAccess->SQLSelect_ReadOnly("SELECT NOME FROM Usuarios WHERE ID = ?", {id});
        QCOMPARE(rs->Fields(0).toString(), evil);
        QCOMPARE(count("Usuarios"), 3);

        QVERIFY(gDataAccess->SQLExecute("INSERT INTO Movimento (MOV, MDATA, ENTRADA, STATUS) VALUES (?, ?, ?, ?)",
                                        {1, QDate(2026, 12, 9), QVariant::fromValue(Currency::fromCents(12345)), "ABERTO"}));
        rs = gDataAccess->SQLSelect_ReadOnly("SELECT MDATA, ENTRADA FROM Movimento");
        QCOMPARE(rs->Fields(0).toString(), QStringLiteral("2026-12-09"));
        QCOMPARE(rs->Fields(1).toLongLong(), 1234500LL);
    }

    void failuresAreReportedAndRolledBack()
    {
        TestSupport::ProgramFolder folder;
        int rows = -1;
        QVERIFY(gDataAccess->SQLExecute("UPDATE Usuarios SET ATIVO = 0 WHERE ID = ?", {999}, nullptr, &rows));
        QCOMPARE(rows, 0);

        qint64 id = -7;
        QVERIFY(!gDataAccess->SQLExecute("INSERT INTO Nada (X) VALUES (?)", {1}, &id));
        QCOMPARE(id, -7LL); // no id handed back for a failed insert
        QCOMPARE(folder.messages->boxes.size(), 1);
        QVERIFY(folder.messages->boxes.last().text.endsWith(" / Função SQLExecute em clsDataAccess"));

        QVERIFY(!gDataAccess->SQLSelectAllArray("SELEKT 1").has_value());
        QVERIFY(folder.messages->boxes.last().text.endsWith(" / Função SQLSelectAllArray_Error em clsDataAccess"));
        QVERIFY(!gDataAccess->SQLSelect_ReadOnly("SELEKT 1"));
        QVERIFY(folder.messages->boxes.last().text.endsWith(" / Função sqlSelect_ReadyOnly em clsDataAccess"));
        QCOMPARE(folder.messages->boxes.size(), 3);
        QVERIFY(QFile::exists(folder.file("Log.ini")));
    }

    void transactionsStandOrFallTogether()
    {
        TestSupport::ProgramFolder folder;
        {
            Transacao t;
            QVERIFY(t.ativa());
            QVERIFY(gDataAccess->SQLExecute("INSERT INTO Contador (ANO, CONTADOR) VALUES (?, ?)", {2026, 1}));
            // The second statement fails: the first must not stay.
            QVERIFY(!gDataAccess->SQLExecute("INSERT INTO Contador (ANO, CONTADOR) VALUES (?, ?)", {2026, 2}));
            QVERIFY(!t.commit());
        }
        QCOMPARE(count("Contador"), 0);
        {
            Transacao t;
            QVERIFY(gDataAccess->SQLExecute("INSERT INTO Contador (ANO, CONTADOR) VALUES (?, ?)", {2026, 1}));
            QVERIFY(gDataAccess->SQLExecute("INSERT INTO Movimento (MOV, MDATA, STATUS) VALUES (?, ?, ?)",
                                            {1, QDate(2026, 12, 9), "ABERTO"}));
            QVERIFY(t.commit());
        }
        QCOMPARE(count("Contador"), 1);
        QCOMPARE(count("Movimento"), 1);
        {
            Transacao t;
            QVERIFY(gDataAccess->SQLExecute("DELETE FROM Movimento"));
            // Leaving without commit rolls back.
        }
        QCOMPARE(count("Movimento"), 1);
        QVERIFY(!Transacao::emAndamento());
    }

    void closedConnectionFailsClearly()
    {
        TestSupport::ProgramFolder folder;
        Conexao::fechar();
        QVERIFY(!gDataAccess->SQLExecute("DELETE FROM Movimento"));
        QVERIFY(!gDataAccess->SQLSelect_ReadOnly("SELECT * FROM Movimento"));
        QVERIFY(!gDataAccess->SQLSelectAllArray("SELECT * FROM Movimento").has_value());
        QCOMPARE(folder.messages->boxes.size(), 3);
        QVERIFY(folder.messages->boxes.first().text.contains(QStringLiteral("não está aberta")));
    }

    void refusesFilesThatAreNotTheDatabase()
    {
        TestSupport::ProgramFolder folder({false, false, true, false, {}});
        const QString path = folder.file("caixa.db");
        QVERIFY(!Conexao::abrir(path));                 // missing: never created here
        QVERIFY(!QFile::exists(path));
        QCOMPARE(Aplicativos::Err().Number, 3024);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("isto nao e um banco de dados, apenas texto qualquer......................................");
        f.close();
        QVERIFY(!Conexao::abrir(path));
        QVERIFY(!Conexao::aberta());
        QFile::resize(path, 0);                        // empty file: no tables
        QVERIFY(!Conexao::abrir(path));
        QVERIFY(!Conexao::aberta());
    }
};

QTEST_MAIN(TstDataAccess)
#include "tst_data_access.moc"
