#include "banco_teste.h"
#include "cls_cod_barra.h"
#include "cls_feriado.h"
#include "cls_suprimentos.h"
#include "cls_usuarios.h"
#include "test_support.h"

#include <QtTest>

using namespace BancoTeste;

class TstRegistrosReferencia : public QObject {
    Q_OBJECT
private slots:
    void usuariosIncluiEAltera();
    void codBarraIncluiEAltera();
    void suprimentosPelaChaveReal();
    void feriadosUmOuTodos();
    void semConexaoLevantaComNomeDaOperacao();
};

void TstRegistrosReferencia::usuariosIncluiEAltera()
{
    TestSupport::ProgramFolder pasta; // the demo users hold IDs 1 and 2
    clsUsuarios u;
    u.NOME = "MARIA";
    u.SENHA = "s3nh'A ";
    u.TIPO = "USER";
    u.ATIVO = 1;
    QVERIFY(u.SQLInsert(1));
    QCOMPARE(u.ID, 3);
    QCOMPARE(valor("SELECT SENHA FROM Usuarios WHERE ID = 3").toString(), QString("s3nh'A "));

    QVERIFY(u.SQLInsert(1)); // ID already set: a new row, ID kept
    QCOMPARE(u.ID, 3);
    QCOMPARE(conta("Usuarios"), 4);

    u.ATIVO = 0;
    u.NOME = "MARIA S.";
    QVERIFY(u.SQLInsert(2));
    QCOMPARE(valor("SELECT NOME || ATIVO FROM Usuarios WHERE ID = 3").toString(), QString("MARIA S.0"));

    // An update without a key changes no row and gives no number.
    clsUsuarios novo;
    novo.NOME = "NINGUEM";
    QVERIFY(novo.SQLInsert(2));
    QCOMPARE(novo.ID, 0);
    QCOMPARE(valor("SELECT COUNT(*) FROM Usuarios WHERE NOME = 'NINGUEM'").toInt(), 0);

    QVERIFY(!novo.SQLInsert(5));
    QVERIFY(novo.SQLDelete(3));
    QCOMPARE(novo.ID, 3);
    QCOMPARE(conta("Usuarios"), 3);
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstRegistrosReferencia::codBarraIncluiEAltera()
{
    TestSupport::ProgramFolder pasta;
    clsCodBarra c;
    c.IDCOD = 9;
    c.DESCRICAO = "CONTRIBUICAO";
    c.IDTIPO = "0999";
    c.PADRAO = "C";
    c.Juros = "S";
    c.BLOQUEIO = "N";
    c.CODBANCO = "237";
    QVERIFY(c.SQLInsert(1));
    QCOMPARE(valor("SELECT JUROS || BLOQUEIO || CODBANCO FROM CodBarra WHERE IDCOD = 9").toString(),
             QString("SN237"));
    QVERIFY(!c.SQLInsert(1)); // the code exists
    QCOMPARE(pasta.messages->boxes.size(), 1);

    c.Juros = "N";
    c.DESCRICAO = "CONTRIBUICAO DE MELHORIA";
    QVERIFY(c.SQLInsert(2));
    QCOMPARE(c.IDCOD, 9);
    QCOMPARE(valor("SELECT DESCRICAO || JUROS FROM CodBarra WHERE IDCOD = 9").toString(),
             QString("CONTRIBUICAO DE MELHORIAN"));

    clsCodBarra outro;
    outro.IDCOD = 9;
    QVERIFY(outro.SQLDelete());
    QVERIFY(!valor("SELECT 1 FROM CodBarra WHERE IDCOD = 9").isValid());
    QVERIFY(outro.SQLDelete(1));
    QCOMPARE(outro.IDCOD, 1);
    QCOMPARE(conta("CodBarra"), 7);
}

void TstRegistrosReferencia::suprimentosPelaChaveReal()
{
    TestSupport::ProgramFolder pasta;
    clsSuprimentos s;
    s.DESCRICAO = "Reforço";
    s.TIPO = 2;
    s.VALOR = Currency::fromReais(1000);
    QVERIFY(s.SQLInsert(1));
    QVERIFY(s.ID > 0);
    const int id = s.ID;
    QVERIFY(s.SQLInsert(1));
    QCOMPARE(s.ID, id);

    s.VALOR = Currency::fromReais(5);
    QVERIFY(s.SQLInsert(2));
    QCOMPARE(valor("SELECT VALOR FROM Suprimentos WHERE ID = ?", {id}).toLongLong(), 50000);

    QVERIFY(s.SQLDelete());
    QCOMPARE(conta("Suprimentos"), 1);
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstRegistrosReferencia::feriadosUmOuTodos()
{
    TestSupport::ProgramFolder pasta; // two demo holidays
    clsFeriado f;
    f.FERIADO = QDate(2027, 4, 21);
    QVERIFY(f.SQLInsert());
    QCOMPARE(f.ID, 0);
    const int id = valor("SELECT ID FROM Feriados WHERE FERIADO = '2027-04-21'").toInt();
    QVERIFY(id > 0);
    QCOMPARE(conta("Feriados"), 3);

    QVERIFY(f.SQLDelete(id));
    QCOMPARE(f.ID, id);
    QCOMPARE(conta("Feriados"), 2);

    // The holidays screen rewrites its list: 0 empties the table whatever ID holds.
    QVERIFY(f.SQLDelete(0));
    QCOMPARE(conta("Feriados"), 0);
    QCOMPARE(f.ID, id);
}

void TstRegistrosReferencia::semConexaoLevantaComNomeDaOperacao()
{
    TestSupport::ProgramFolder pasta;
    clsUsuarios u;
    clsCodBarra c;
    clsSuprimentos s;
    clsFeriado f;
    Conexao::fechar();
    const QList<QPair<QString, std::function<void()>>> casos = {
        {"SQLInsert", [&] { u.SQLInsert(1); }}, {"SQLDelete", [&] { u.SQLDelete(); }},
        {"SQLInsert", [&] { c.SQLInsert(2); }}, {"SQLDelete", [&] { c.SQLDelete(); }},
        {"SQLInsert", [&] { s.SQLInsert(1); }}, {"SQLDelete", [&] { s.SQLDelete(); }},
        {"SQLInsert", [&] { f.SQLInsert(); }},  {"SQLDelete", [&] { f.SQLDelete(); }},
    };
    for (const auto &[operacao, chamada] : casos) {
        const CaixaError e = erroDe(chamada);
        QCOMPARE(e.number, 3709);
        QVERIFY2(e.source.endsWith("\r\n" + operacao), qPrintable(e.source));
    }
    QCOMPARE(u.ID, 0);
}

QTEST_MAIN(TstRegistrosReferencia)
#include "tst_registros_referencia.moc"
