#include "banco_teste.h"
#include "cls_contador.h"
#include "cls_movimento.h"
#include "cls_recebimentos.h"
#include "test_support.h"

#include <QtTest>

using namespace BancoTeste;

class TstRegistrosMovimento : public QObject {
    Q_OBJECT
private slots:
    void contadorIdaEVolta();
    void movimentoIdaEVolta();
    void movimentoNovoGravaZeros();
    void chavesAcimaDe32767();
    void insercaoRecusadaNaoDevolveChaveAnterior();
    void colunaNulaEncerraLeitura();
    void recebimentosIdaEVolta();
    void recebimentosMaiorAutenticacao();
    void recebimentosMarcas();
    void textosComAspasGravamComoDados();
    void semConexaoLevantaComNomeDaOperacao();
    void semObjetoDeDados();
};

void TstRegistrosMovimento::contadorIdaEVolta()
{
    TestSupport::ProgramFolder pasta;
    clsContador c;
    c.ANO = 2026;
    c.CONTADOR = 1;
    QVERIFY(c.SQLInsert());
    QCOMPARE(valor("SELECT CONTADOR FROM Contador WHERE ANO = 2026").toInt(), 1);

    clsContador lido;
    QVERIFY(lido.SQLSelect(2026));
    QCOMPARE(lido.ANO, 2026);
    QCOMPARE(lido.CONTADOR, 1);

    lido.CONTADOR = 2;
    QVERIFY(lido.SQLUpdate());
    QVERIFY(c.SQLSelect());
    QCOMPARE(c.CONTADOR, 2);

    // A year that has its row already is refused and reported.
    clsContador repetido;
    QVERIFY(!repetido.SQLInsert(2026));
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QVERIFY(pasta.messages->boxes.first().text.endsWith("Função SQLExecute em clsDataAccess"));

    QVERIFY(c.SQLDelete(2026));
    QVERIFY(!c.SQLSelect());
    QCOMPARE(c.CONTADOR, 2); // a failed read keeps what was there
    QVERIFY(c.SQLUpdate(1999)); // no such row: nothing to do, no error
    QCOMPARE(c.ANO, 1999);
}

void TstRegistrosMovimento::movimentoIdaEVolta()
{
    TestSupport::ProgramFolder pasta;
    clsMovimento m;
    m.MDATA = QDate(2026, 12, 9);
    m.MOV = 7;
    m.STATUS = "ABERTO";
    m.ENTRADA = Currency::fromRaw(1); // 0,0001 keeps its four decimals
    m.SAIDA = Currency::fromCents(1505);
    QVERIFY(m.SQLInsert());
    QVERIFY(m.ID > 0);
    QCOMPARE(valor("SELECT MDATA FROM Movimento WHERE ID = ?", {m.ID}).toString(), QString("2026-12-09"));

    clsMovimento lido;
    QVERIFY(lido.SQLSelect(m.ID));
    QCOMPARE(lido.ID, m.ID);
    QCOMPARE(lido.MDATA, QDate(2026, 12, 9));
    QCOMPARE(lido.MOV, 7);
    QCOMPARE(lido.STATUS, QString("ABERTO"));
    QCOMPARE(lido.ENTRADA, Currency::fromRaw(1));
    QCOMPARE(lido.SAIDA, Currency::fromCents(1505));
    QCOMPARE(lido.SUPRIMENTO, Currency());

    // Closing writes totals and status but never the date or number.
    lido.MDATA = QDate(2030, 1, 1);
    lido.MOV = 99;
    lido.STATUS = "FECHADO";
    lido.VALOR_ARRECADADO = Currency::fromReais(300);
    QVERIFY(lido.SQLUpdate_Arrecadado());
    QVERIFY(m.SQLSelect());
    QCOMPARE(m.MDATA, QDate(2026, 12, 9));
    QCOMPARE(m.MOV, 7);
    QCOMPARE(m.STATUS, QString("FECHADO"));
    QCOMPARE(m.VALOR_ARRECADADO, Currency::fromReais(300));

    m.STATUS = "ABERTO";
    m.MOV = 8;
    QVERIFY(m.SQLUpdate());
    QCOMPARE(valor("SELECT STATUS || MOV FROM Movimento WHERE ID = ?", {m.ID}).toString(), QString("ABERTO8"));

    clsMovimento comChave;
    comChave.MDATA = QDate(2026, 12, 10);
    QVERIFY(comChave.SQLInsert(500));
    QCOMPARE(comChave.ID, 500);
    QVERIFY(comChave.SQLDelete());
    QVERIFY(!comChave.SQLSelect(500));
    QCOMPARE(conta("Movimento"), 1);

    clsMovimento vazio; // key 0 everywhere
    QVERIFY(!vazio.SQLSelect());
    QVERIFY(vazio.SQLUpdate());
    QVERIFY(vazio.SQLDelete());
    QCOMPARE(conta("Movimento"), 1);
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstRegistrosMovimento::movimentoNovoGravaZeros()
{
    TestSupport::ProgramFolder pasta;
    clsMovimento m;
    QVERIFY(m.SQLInsert());
    QCOMPARE(valor("SELECT ENTRADA + SAIDA + SUPRIMENTO + VALOR_ARRECADADO FROM Movimento").toInt(), 0);
    QCOMPARE(valor("SELECT STATUS FROM Movimento").toString(), QString(""));
    QVERIFY(!valor("SELECT STATUS FROM Movimento").isNull());
    clsMovimento lido;
    QVERIFY(lido.SQLSelect(m.ID));
    QCOMPARE(lido.MDATA, clsRegistro::dataZero());
}

void TstRegistrosMovimento::chavesAcimaDe32767()
{
    TestSupport::ProgramFolder pasta;
    clsMovimento m;
    QVERIFY(m.SQLInsert(40000));
    clsMovimento seguinte;
    QVERIFY(seguinte.SQLInsert());
    QCOMPARE(seguinte.ID, 40001);
    QVERIFY(m.SQLSelect(40001));

    clsRecebimentos r;
    r.IDMOVIMENTO = 40001;
    r.AUTENTICA = 70000;
    QVERIFY(r.SQLInsert(100000));
    r.AUTENTICA = 69999; // one number per item of a movement
    QVERIFY(r.SQLInsert());
    QCOMPARE(r.IDRECEBE, 100001);
    clsRecebimentos lido;
    QVERIFY(lido.SQLSelect(100001));
    QCOMPARE(lido.IDMOVIMENTO, 40001);
    QVERIFY(lido.SQLSelectMax(40001));
    QCOMPARE(lido.AUT, 70000);
}

void TstRegistrosMovimento::insercaoRecusadaNaoDevolveChaveAnterior()
{
    TestSupport::ProgramFolder pasta;
    executa("CREATE TRIGGER recusa BEFORE INSERT ON Movimento WHEN NEW.STATUS = 'RECUSADO' "
            "BEGIN SELECT RAISE(ABORT, 'recusado'); END");
    clsRecebimentos anterior;
    QVERIFY(anterior.SQLInsert());
    QVERIFY(anterior.IDRECEBE > 0);

    clsMovimento m;
    m.STATUS = "RECUSADO";
    QVERIFY(!m.SQLInsert());
    QCOMPARE(m.ID, 0);
    m.ID = 5;
    QVERIFY(!m.SQLInsert());
    QCOMPARE(m.ID, 5);
    QCOMPARE(conta("Movimento"), 0);
    QCOMPARE(pasta.messages->boxes.size(), 2);
}

void TstRegistrosMovimento::colunaNulaEncerraLeitura()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Movimento (ID, MOV, MDATA, STATUS) VALUES (3, 4, NULL, 'ABERTO')");
    clsMovimento m;
    m.MDATA = QDate(2026, 1, 2);
    m.STATUS = "X";
    QVERIFY(!m.SQLSelect(3));
    QCOMPARE(m.ID, 3);
    QCOMPARE(m.MDATA, QDate(2026, 1, 2));
    QCOMPARE(m.STATUS, QString("X"));
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstRegistrosMovimento::recebimentosIdaEVolta()
{
    TestSupport::ProgramFolder pasta;
    clsRecebimentos r;
    r.AUTENTICA = 1;
    r.CodBarra = clsRecebimentos::semCodigo();
    r.IDMOVIMENTO = 2;
    r.TIPO = 5;
    r.EXPORT = 0;
    r.VALOR = Currency::fromCents(1250);
    r.vencimento = "09/12/2026";
    r.PARCELA = "1";
    QVERIFY(r.SQLInsert());
    QCOMPARE(r.EXPORT, 1);
    const int primeiro = r.IDRECEBE;

    // Only exactly 44 zeros mark an item without bar code.
    for (const QString &codigo : {QString(43, '0'), QString(45, '0'), QString(44, '0') + ' '}) {
        r.CodBarra = codigo;
        r.EXPORT = 0;
        ++r.AUTENTICA; // one number per item of a movement
        QVERIFY(r.SQLInsert());
        QCOMPARE(valor("SELECT EXPORT FROM Recebimentos WHERE IDRECEBE = ?", {r.IDRECEBE}).toInt(), 0);
    }

    clsRecebimentos lido;
    QVERIFY(lido.SQLSelect(primeiro));
    QCOMPARE(lido.CodBarra, clsRecebimentos::semCodigo());
    QCOMPARE(lido.EXPORT, 1);
    QCOMPARE(lido.VALOR, Currency::fromCents(1250));
    QCOMPARE(lido.vencimento, QString("09/12/2026"));
    QCOMPARE(lido.OBS, QString("")); // never set, written as an empty text

    // A correction writes every column but the two marks.
    executa("UPDATE Recebimentos SET INTEGRA = 9 WHERE IDRECEBE = ?", {primeiro});
    clsRecebimentos correcao;
    correcao.IDRECEBE = primeiro;
    correcao.AUTENTICA = 3;
    correcao.VALOR = Currency::fromReais(20);
    QVERIFY(correcao.SQLUpdate());
    QVERIFY(lido.SQLSelect());
    QCOMPARE(lido.AUTENTICA, 3);
    QCOMPARE(lido.INTEGRA, 9);
    QCOMPARE(lido.EXPORT, 1);
    QCOMPARE(lido.vencimento, QString(""));

    QVERIFY(lido.SQLDelete());
    QVERIFY(!lido.SQLSelect());
    QCOMPARE(conta("Recebimentos"), 3);
}

void TstRegistrosMovimento::recebimentosMaiorAutenticacao()
{
    TestSupport::ProgramFolder pasta;
    clsRecebimentos r;
    r.AUT = 77;
    QVERIFY(!r.SQLSelectMax(4));
    QCOMPARE(r.AUT, 77);
    QVERIFY(pasta.messages->boxes.isEmpty());
    r.IDMOVIMENTO = 4;
    for (int n : {1, 3, 2}) {
        r.AUTENTICA = n;
        QVERIFY(r.SQLInsert());
    }
    QVERIFY(r.SQLSelectMax(4));
    QCOMPARE(r.AUT, 3);
    QCOMPARE(r.IDMOVIMENTO, 4);
}

void TstRegistrosMovimento::recebimentosMarcas()
{
    TestSupport::ProgramFolder pasta;
    clsRecebimentos r;
    QList<int> chaves;
    for (int mov : {1, 1, 2}) {
        r.IDMOVIMENTO = mov;
        r.INTEGRA = 1;
        QVERIFY(r.SQLInsert());
        chaves << r.IDRECEBE;
    }
    QVERIFY(r.SQLUpIntegra(0, 1));
    QCOMPARE(valor("SELECT group_concat(INTEGRA, '') FROM (SELECT INTEGRA FROM Recebimentos ORDER BY IDRECEBE)")
                 .toString(),
             QString("001"));
    QVERIFY(r.SQLUpIntegra(0, 99));

    r.EXPORT = 1;
    QVERIFY(r.SQLUpExport(chaves[0]));
    QVERIFY(r.SQLUpExport(chaves[2]));
    QCOMPARE(r.IDRECEBE, chaves[2]);
    QCOMPARE(valor("SELECT group_concat(EXPORT, '') FROM (SELECT EXPORT FROM Recebimentos ORDER BY IDRECEBE)")
                 .toString(),
             QString("101"));
}

void TstRegistrosMovimento::textosComAspasGravamComoDados()
{
    TestSupport::ProgramFolder pasta;
    clsRecebimentos r;
    r.OBS = "pago por D'Ávila'); DELETE FROM Movimento; --";
    QVERIFY(r.SQLInsert());
    clsRecebimentos lido;
    QVERIFY(lido.SQLSelect(r.IDRECEBE));
    QCOMPARE(lido.OBS, r.OBS);
}

void TstRegistrosMovimento::semConexaoLevantaComNomeDaOperacao()
{
    TestSupport::ProgramFolder pasta;
    clsMovimento m;
    clsContador c;
    clsRecebimentos r;
    Conexao::fechar();
    const QList<QPair<QString, std::function<void()>>> casos = {
        {"SQLInsert", [&] { m.SQLInsert(); }},
        {"SQLInsert", [&] { m.SQLInsert(3); }},
        {"SQLUpdate", [&] { m.SQLUpdate(); }},
        {"SQLUpdate", [&] { m.SQLUpdate_Arrecadado(); }},
        {"SQLDelete", [&] { m.SQLDelete(); }},
        {"SQLInsert", [&] { c.SQLInsert(2026); }},
        {"SQLUpdate", [&] { c.SQLUpdate(); }},
        {"SQLDelete", [&] { c.SQLDelete(); }},
        {"SQLInsert", [&] { r.SQLInsert(); }},
        {"SQLUpdate", [&] { r.SQLUpdate(); }},
        {"SQLUpdate", [&] { r.SQLUpIntegra(0, 1); }},
        {"SQLUpdate", [&] { r.SQLUpExport(1); }},
        {"SQLDelete", [&] { r.SQLDelete(); }},
    };
    for (const auto &[operacao, chamada] : casos) {
        const CaixaError e = erroDe(chamada);
        QCOMPARE(e.number, 3709);
        QVERIFY2(e.source.endsWith("\r\n" + operacao), qPrintable(e.source));
    }
    QCOMPARE(erroDe([&] { m.SQLInsert(); }).source, QString("clsMovimento\r\nSQLInsert"));
    QVERIFY(pasta.messages->boxes.isEmpty());

    // Reads answer False; the data-access object reports the failed query.
    QVERIFY(!m.SQLSelect(1));
    QVERIFY(!r.SQLSelectMax(1));
    QCOMPARE(pasta.messages->boxes.size(), 2);
}

void TstRegistrosMovimento::semObjetoDeDados()
{
    TestSupport::ProgramFolder pasta;
    clsContador c;
    c.setDataObject(nullptr);
    const CaixaError e = erroDe([&] { c.SQLUpdate(2026); });
    QCOMPARE(e.number, 91);
    QCOMPARE(e.source, QString("clsContador\r\nSQLUpdate"));
    QVERIFY(!c.SQLSelect());
    QVERIFY(c.DataObject()); // asked for, a new one is made
    c.CONTADOR = 4;
    QVERIFY(c.SQLInsert());
    QVERIFY(c.SQLSelect(2026));
}

QTEST_MAIN(TstRegistrosMovimento)
#include "tst_registros_movimento.moc"
