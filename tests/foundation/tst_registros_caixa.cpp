#include "banco_teste.h"
#include "cls_conf_caixa.h"
#include "cls_itens.h"
#include "cls_sangria.h"
#include "test_support.h"

#include <QtTest>

using namespace BancoTeste;

class TstRegistrosCaixa : public QObject {
    Q_OBJECT
private slots:
    void sangriaIncluiEAltera();
    void itensIncluiEAltera();
    void confCaixaComESemChave();
    void modoDesconhecidoNaoGrava();
    void semConexaoLevantaComNomeDaOperacao();
};

void TstRegistrosCaixa::sangriaIncluiEAltera()
{
    TestSupport::ProgramFolder pasta;
    clsSangria s;
    s.IDMOVIMENTO = 3;
    s.DESCRICAO = "Troco inicial";
    s.TIPO = "ENTRADA";
    s.SDATA = QDate(2026, 12, 9);
    QVERIFY(s.SQLInsert(1));
    QVERIFY(s.ID > 0);
    QCOMPARE(valor("SELECT ENTRADA || '/' || SAIDA || '/' || SDATA FROM Sangria WHERE ID = ?", {s.ID}).toString(),
             QString("0/0/2026-12-09"));

    const int id = s.ID;
    s.ENTRADA = Currency::parse("150,5").value();
    QVERIFY(s.SQLInsert(2));
    QCOMPARE(s.ID, id);
    QCOMPARE(conta("Sangria"), 1);
    QCOMPARE(valor("SELECT ENTRADA FROM Sangria WHERE ID = ?", {id}).toLongLong(), 1505000);

    clsSangria semChave; // an update of ID 0 touches nothing
    semChave.DESCRICAO = "outra";
    QVERIFY(semChave.SQLInsert(2));
    QCOMPARE(semChave.ID, 0);
    QCOMPARE(valor("SELECT DESCRICAO FROM Sangria").toString(), QString("Troco inicial"));

    QVERIFY(semChave.SQLDelete(id));
    QCOMPARE(conta("Sangria"), 0);
    QVERIFY(semChave.SQLDelete(id));
}

void TstRegistrosCaixa::itensIncluiEAltera()
{
    TestSupport::ProgramFolder pasta;
    clsItens i;
    i.IDSANGRIA = 4;
    i.ESPECIE = 101;
    i.NUMERO = "nota 50";
    i.VALOR = Currency::fromReais(50);
    QVERIFY(i.SQLInsert(1));
    QCOMPARE(i.ID, 0); // the new row's number is not read back
    const int id = valor("SELECT ID FROM Itens").toInt();

    i.ID = id;
    i.ESPECIE = 102;
    i.NUMERO = "cheque 0001";
    QVERIFY(i.SQLInsert(2));
    QCOMPARE(valor("SELECT ESPECIE || ' ' || NUMERO || ' ' || VALOR FROM Itens WHERE ID = ?", {id}).toString(),
             QString("102 cheque 0001 500000"));
    QVERIFY(i.SQLDelete());
    QCOMPARE(conta("Itens"), 0);
}

void TstRegistrosCaixa::confCaixaComESemChave()
{
    TestSupport::ProgramFolder pasta;
    clsConfCaixa c;
    c.ESPECIE = 101;
    c.IDMOVIMENTO = 2;
    c.VALOR = Currency::fromCents(1);
    QVERIFY(c.SQLInsert(7));
    QCOMPARE(c.ID, 7);
    QVERIFY(c.SQLInsert()); // no key column even though ID holds 7
    QCOMPARE(c.ID, 7);
    QCOMPARE(valor("SELECT group_concat(ID) FROM ConfCaixa").toString(), QString("7,8"));
    QVERIFY(!c.SQLInsert(8)); // that key exists: reported, False
    QCOMPARE(pasta.messages->boxes.size(), 1);

    c.NUMERO = "moedas";
    QVERIFY(c.SQLUpdate(8));
    QCOMPARE(valor("SELECT NUMERO FROM ConfCaixa WHERE ID = 8").toString(), QString("moedas"));
    QCOMPARE(valor("SELECT NUMERO FROM ConfCaixa WHERE ID = 7").toString(), QString(""));
    QVERIFY(c.SQLDelete(7));
    QCOMPARE(c.ID, 7);
    QCOMPARE(conta("ConfCaixa"), 1);
}

void TstRegistrosCaixa::modoDesconhecidoNaoGrava()
{
    TestSupport::ProgramFolder pasta;
    clsSangria s;
    clsItens i;
    QVERIFY(!s.SQLInsert(0));
    QVERIFY(!s.SQLInsert(3));
    QVERIFY(!i.SQLInsert(3));
    QCOMPARE(s.ID, 0);
    QCOMPARE(conta("Sangria") + conta("Itens"), 0);
}

void TstRegistrosCaixa::semConexaoLevantaComNomeDaOperacao()
{
    TestSupport::ProgramFolder pasta;
    clsSangria s;
    clsItens i;
    clsConfCaixa c;
    Conexao::fechar();
    const QList<QPair<QString, std::function<void()>>> casos = {
        {"SQLInsert", [&] { s.SQLInsert(1); }},
        {"SQLInsert", [&] { s.SQLInsert(2); }},
        {"SQLDelete", [&] { s.SQLDelete(1); }},
        {"SQLInsert", [&] { i.SQLInsert(1); }},
        {"SQLInsert", [&] { i.SQLInsert(2); }},
        {"SQLDelete", [&] { i.SQLDelete(); }},
        {"SQLInsert", [&] { c.SQLInsert(); }},
        {"SQLUpdate", [&] { c.SQLUpdate(); }},
        {"SQLDelete", [&] { c.SQLDelete(); }},
    };
    for (const auto &[operacao, chamada] : casos) {
        const CaixaError e = erroDe(chamada);
        QCOMPARE(e.number, 3709);
        QVERIFY2(e.source.endsWith("\r\n" + operacao), qPrintable(e.source));
    }
}

QTEST_MAIN(TstRegistrosCaixa)
#include "tst_registros_caixa.moc"
