#include "banco_teste.h"
#include "consultas.h"
#include "globals.h"
#include "network.h"
#include "test_support.h"

#include <QtTest>

using namespace BancoTeste;

// The demo holidays are 2026-12-25 (Friday) and 2027-01-01 (Friday).
class TstConsultas : public QObject {
    Q_OBJECT
private slots:
    void proximoDiaUtil_data();
    void proximoDiaUtil();
    void proximoDiaUtilSemFeriados();
    void feriados();
    void codigoDoBanco();
    void recebimentosJaLancados();
    void consultasSemConexao();
    void redeAtiva();
};

void TstConsultas::proximoDiaUtil_data()
{
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QDate>("esperado");
    QTest::newRow("quarta") << QDate(2026, 12, 9) << QDate(2026, 12, 10);
    QTest::newRow("sexta") << QDate(2026, 12, 4) << QDate(2026, 12, 7);
    QTest::newRow("sabado") << QDate(2026, 12, 5) << QDate(2026, 12, 7);
    QTest::newRow("domingo") << QDate(2026, 12, 6) << QDate(2026, 12, 7);
    QTest::newRow("sexta antes de segunda feriado") << QDate(2026, 11, 13) << QDate(2026, 11, 17);
    QTest::newRow("quarta que e feriado") << QDate(2026, 11, 18) << QDate(2026, 11, 19);
    QTest::newRow("vespera de feriados seguidos") << QDate(2026, 12, 23) << QDate(2026, 12, 28);
    QTest::newRow("fim de ano") << QDate(2026, 12, 31) << QDate(2027, 1, 4);
    QTest::newRow("natal") << QDate(2026, 12, 25) << QDate(2026, 12, 28);
}

void TstConsultas::proximoDiaUtil()
{
    QFETCH(QDate, data);
    QFETCH(QDate, esperado);
    TestSupport::ProgramFolder pasta;
    for (const char *dia : {"2026-11-16", "2026-11-18", "2026-12-24", "2026-12-24"})
        executa("INSERT INTO Feriados (FERIADO) VALUES (?)", {QString(dia)});
    QCOMPARE(Aplicativos::Proximo_dia_util(data), esperado);
    QVERIFY(!AbreBD::gRs);
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstConsultas::proximoDiaUtilSemFeriados()
{
    // The holidays cannot be read: the search ends at the next weekday, once reported.
    {
        TestSupport::ProgramFolder pasta;
        Conexao::fechar();
        QCOMPARE(Aplicativos::Proximo_dia_util(QDate(2026, 12, 24)), QDate(2026, 12, 25));
        QCOMPARE(Aplicativos::Proximo_dia_util(QDate(2026, 12, 26)), QDate(2026, 12, 28));
        QCOMPARE(pasta.messages->boxes.size(), 2);
    }
    TestSupport::ProgramFolder semTabela;
    executa("DROP TABLE Feriados");
    QCOMPARE(Aplicativos::Proximo_dia_util(QDate(2026, 12, 31)), QDate(2027, 1, 1));
    QCOMPARE(semTabela.messages->boxes.size(), 1);
}

void TstConsultas::feriados()
{
    TestSupport::ProgramFolder pasta;
    QVERIFY(Aplicativos::E_feriado(QDate(2026, 12, 25)));
    QCOMPARE(AbreBD::gSQL, QString("SELECT * FROM Feriados where feriado = ?;"));
    QVERIFY(!AbreBD::gRs);
    QVERIFY(!Aplicativos::E_feriado(QDate(2026, 12, 24)));
    executa("INSERT INTO Feriados (FERIADO) VALUES ('2026-12-25')");
    QVERIFY(Aplicativos::E_feriado(QDate(2026, 12, 25)));
}

void TstConsultas::codigoDoBanco()
{
    TestSupport::ProgramFolder pasta;
    QCOMPARE(Aplicativos::Pega_codbanco(3), QString("104"));
    QVERIFY(!AbreBD::gRs);
    QCOMPARE(Aplicativos::Pega_codbanco(42), QString());
    executa("UPDATE CodBarra SET CODBANCO = NULL WHERE IDCOD = 4");
    QCOMPARE(Aplicativos::Pega_codbanco(4), QString());
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstConsultas::recebimentosJaLancados()
{
    TestSupport::ProgramFolder pasta;
    const QString codigo = "8163" + QString(38, '0') + "ab";
    QCOMPARE(codigo.size(), 44);
    QVERIFY(!Aplicativos::Existe_recebimento(codigo));
    QVERIFY(!Aplicativos::Existe_recebimentos1(codigo));

    executa("INSERT INTO Recebimentos (CODBARRA) VALUES (?)", {codigo});
    executa("INSERT INTO RECEBIMENTOS1 (CODBARRA) VALUES (?)", {codigo});
    QVERIFY(Aplicativos::Existe_recebimento(codigo));
    QVERIFY(Aplicativos::Existe_recebimentos1(codigo));
    QVERIFY(Aplicativos::Existe_recebimento(codigo.toUpper()));
    QVERIFY(Aplicativos::Existe_recebimentos1(codigo.toUpper()));
    QCOMPARE(AbreBD::gSQL, QString("SELECT ID FROM RECEBIMENTOS1 where CODBARRA = ?;"));
    QVERIFY(!AbreBD::gRs);

    // Stored twice is still received.
    executa("INSERT INTO Recebimentos (CODBARRA) VALUES (?)", {codigo.toUpper()});
    executa("INSERT INTO RECEBIMENTOS1 (CODBARRA) VALUES (?)", {codigo});
    QVERIFY(Aplicativos::Existe_recebimento(codigo));
    QVERIFY(Aplicativos::Existe_recebimentos1(codigo));

    QVERIFY(!Aplicativos::Existe_recebimento(codigo.left(43)));
    QVERIFY(!Aplicativos::Existe_recebimento("' OR '1'='1"));
    QVERIFY(!Aplicativos::Existe_recebimentos1("' OR '1'='1"));
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstConsultas::consultasSemConexao()
{
    TestSupport::ProgramFolder pasta;
    Conexao::fechar();
    // A code that cannot be checked is not taken twice.
    QVERIFY(Aplicativos::Existe_recebimento("123"));
    QVERIFY(Aplicativos::Existe_recebimentos1("123"));
    QVERIFY(Aplicativos::E_feriado(QDate(2026, 12, 9)));
    QCOMPARE(Aplicativos::Pega_codbanco(1), QString());
    QCOMPARE(pasta.messages->boxes.size(), 4);
    QVERIFY(pasta.messages->boxes.first().text.endsWith("Função sqlSelect_ReadyOnly em clsDataAccess"));
}

void TstConsultas::redeAtiva()
{
    // Without the connection service "caixa", the machine's own network.
    TestSupport::ProgramFolder pasta;
    QCOMPARE(Aplicativos::Rede_ativa(), Platform::networkAlive());
}

QTEST_MAIN(TstConsultas)
#include "tst_consultas.moc"
