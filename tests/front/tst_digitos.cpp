// Check digits, the due-date factor, interest arithmetic, sum-list rows and
// typed lines: the pure part of the payment road.
#include "acrescimos.h"
#include "codigo_barras.h"
#include "digitos.h"
#include "gerador_codigos.h"
#include "linha_digitavel.h"
#include "linha_soma.h"

#include <QtTest>

using namespace Aplicativos;

class TstDigitos : public QObject {
    Q_OBJECT
private slots:
    void exemplosDosDigitos();
    void codigosGeradosConferem();
    void mesesEntre_data();
    void mesesEntre();
    void fatorDeVencimento();
    void acrescimos_data();
    void acrescimos();
    void linhasDaSoma();
    void linhaBancaria();
    void linhaArrecadacao();
};

void TstDigitos::exemplosDosDigitos()
{
    QCOMPARE(Modulo10(QStringLiteral("261533")), QStringLiteral("4"));
    QCOMPARE(Modulo10_campo(QStringLiteral("261533")), QStringLiteral("4"));
    QCOMPARE(Modulo11_arrecadacao(QStringLiteral("261533")), QStringLiteral("9"));
    QCOMPARE(Modulo10(QStringLiteral("0000000")), QStringLiteral("0"));
    QCOMPARE(Modulo11_arrecadacao(QStringLiteral("0000000")), QStringLiteral("0"));
    QCOMPARE(Modulo11_barra(QString(43, QLatin1Char('0'))), 1);
    // Remainders 10 and 1 of the collection modulo 11: "1" and "0".
    QCOMPARE(Modulo11_arrecadacao(QStringLiteral("5")), QStringLiteral("1")); // 10
    QCOMPARE(Modulo11_arrecadacao(QStringLiteral("6")), QStringLiteral("0")); // 12 -> 1
    // Remainder 1 of the bank modulo 11 (sum 12 = 6 x 2) gives 1 as well.
    QCOMPARE(Modulo11_barra(QString(42, QLatin1Char('0')) + QLatin1Char('6')), 1);

    // Texts that are no number give no digit; separators inside a number count 0.
    for (const QString &s : {QString(), QStringLiteral("12a4"), QStringLiteral("abc"), QStringLiteral("1,2,3")}) {
        QCOMPARE(Modulo10(s), QString());
        QCOMPARE(Modulo10_campo(s), QString());
        QCOMPARE(Modulo11_arrecadacao(s), QString());
    }
    QCOMPARE(Modulo10(QStringLiteral("2.615,33")), Modulo10(QStringLiteral("20615033")));
    // The bank routine never throws: letters, separators and wrong lengths give 0.
    QCOMPARE(Modulo11_barra(QString(42, QLatin1Char('0')) + QLatin1Char(',')), 0);
    QCOMPARE(Modulo11_barra(QString(42, QLatin1Char('1')) + QLatin1Char('x')), 0);
    QCOMPARE(Modulo11_barra(QString(42, QLatin1Char('1'))), 0);
}

void TstDigitos::codigosGeradosConferem()
{
    QRandomGenerator g(20261209);
    for (int i = 0; i < 300; ++i) {
        const QString livre = Gerador::aleatorio(25, g);
        const QString banco = Gerador::bancario(Gerador::aleatorio(3, g), 1000 + g.bounded(9000),
                                                g.bounded(1, 99999999), livre);
        QCOMPARE(Modulo11_barra(banco.left(4) + banco.mid(5)), banco.mid(4, 1).toInt());
        const QString bancoErrado = Gerador::digitoTrocado(banco, 5, true);
        QVERIFY(Modulo11_barra(bancoErrado.left(4) + bancoErrado.mid(5)) != bancoErrado.mid(4, 1).toInt());

        const QChar id = QChar('6' + g.bounded(4));
        const QString arrec = Gerador::arrecadacao(id, g.bounded(1, 99999999), Gerador::aleatorio(4, g),
                                                   QDate(2026, 1, 1).addDays(g.bounded(700)),
                                                   Gerador::aleatorio(17, g));
        const QString semDv = arrec.left(3) + arrec.mid(4);
        const QString dv = id < QLatin1Char('8') ? Modulo10(semDv) : Modulo11_arrecadacao(semDv);
        QCOMPARE(dv, arrec.mid(3, 1));
        QVERIFY(dv != Gerador::digitoTrocado(arrec, 4, false).mid(3, 1));
        QCOMPARE(Modulo10_campo(semDv), Modulo10(semDv));
    }
}

void TstDigitos::mesesEntre_data()
{
    QTest::addColumn<QDate>("d0");
    QTest::addColumn<QDate>("d1");
    QTest::addColumn<int>("meses");
    QTest::newRow("10/01-15/01") << QDate(2026, 1, 10) << QDate(2026, 1, 15) << 1;
    QTest::newRow("10/01-10/02") << QDate(2026, 1, 10) << QDate(2026, 2, 10) << 1;
    QTest::newRow("31/01-01/02") << QDate(2026, 1, 31) << QDate(2026, 2, 1) << 1;
    QTest::newRow("10/01-11/02") << QDate(2026, 1, 10) << QDate(2026, 2, 11) << 2;
    QTest::newRow("15/12-10/01") << QDate(2025, 12, 15) << QDate(2026, 1, 10) << 1;
    QTest::newRow("iguais") << QDate(2026, 3, 5) << QDate(2026, 3, 5) << 0;
    QTest::newRow("ao contrario") << QDate(2026, 3, 5) << QDate(2026, 1, 5) << -2;
}

void TstDigitos::mesesEntre()
{
    QFETCH(QDate, d0);
    QFETCH(QDate, d1);
    QFETCH(int, meses);
    QCOMPARE(Meses_entre(d0, d1), meses);
}

void TstDigitos::fatorDeVencimento()
{
    using CodigoBarras::vencimentoFator;
    const QDate em2001(2001, 5, 10);
    QCOMPARE(vencimentoFator(0, em2001), QDate(1997, 10, 7));
    QCOMPARE(vencimentoFator(1000, em2001), QDate(2000, 7, 3));
    QCOMPARE(vencimentoFator(9999, em2001), QDate(2025, 2, 21));
    QCOMPARE(vencimentoFator(1000, QDate()), QDate(2000, 7, 3));
    // After the restart of 22/02/2025 a current slip reads in the new cycle...
    const QDate em2026(2026, 12, 9);
    QCOMPARE(vencimentoFator(1000, em2026), QDate(2025, 2, 22));
    QCOMPARE(vencimentoFator(1667, em2026), QDate(2026, 12, 21));
    // ...while the last slips of the old cycle keep their dates.
    QCOMPARE(vencimentoFator(9999, em2026), QDate(2025, 2, 21));
    QCOMPARE(vencimentoFator(9000, em2026), QDate(2022, 5, 29));
    QCOMPARE(vencimentoFator(0, em2026), QDate(1997, 10, 7));
    QCOMPARE(vencimentoFator(999, em2026), QDate(2000, 7, 2));
}

void TstDigitos::acrescimos_data()
{
    QTest::addColumn<int>("regra");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QDate>("vencimento");
    QTest::addColumn<QDate>("caixa");
    QTest::addColumn<QString>("mora");
    QTest::addColumn<QString>("outros");
    QTest::addColumn<QString>("total");
    const QDate caixa(2026, 3, 15);
    QTest::newRow("regra 1, 10 dias") << 1 << "100,00" << QDate(2026, 3, 5) << caixa << "1,00" << "3,30" << "104,30";
    QTest::newRow("regra 1, 30 dias") << 1 << "100,00" << QDate(2026, 2, 13) << caixa << "2,00" << "9,90" << "111,90";
    QTest::newRow("regra 1, 31 dias: teto") << 1 << "100,00" << QDate(2026, 2, 12) << caixa << "2,00" << "10,00" << "112,00";
    QTest::newRow("regra 1, 400 dias") << 1 << "250,00" << QDate(2025, 2, 8) << caixa << "35,00" << "25,00" << "310,00";
    QTest::newRow("regra 2") << 2 << "100,00" << QDate(2026, 1, 10) << QDate(2026, 3, 11) << "2,00" << "3,00" << "105,00";
    QTest::newRow("outra regra") << 0 << "100,00" << QDate(2026, 1, 10) << caixa << "0,00" << "0,00" << "100,00";
    // Half cents go away from zero.
    QTest::newRow("meio centavo na mora") << 1 << "100,50" << QDate(2026, 3, 14) << caixa << "1,01" << "0,33" << "101,84";
    QTest::newRow("meio centavo nos dias") << 1 << "150,00" << QDate(2026, 3, 14) << caixa << "1,50" << "0,50" << "152,00";
    QTest::newRow("meio centavo na multa") << 2 << "0,25" << QDate(2026, 3, 14) << caixa << "0,01" << "0,00" << "0,26";
    QTest::newRow("abaixo do meio centavo") << 2 << "0,24" << QDate(2026, 3, 14) << caixa << "0,00" << "0,00" << "0,24";
}

void TstDigitos::acrescimos()
{
    QFETCH(int, regra);
    QFETCH(QString, valor);
    QFETCH(QDate, vencimento);
    QFETCH(QDate, caixa);
    const Acrescimos a = Calcula_acrescimos(vencimento, caixa, *Currency::parse(valor), regra);
    QCOMPARE(a.vencimento, vencimento);
    QTEST(a.mora.format(), "mora");
    QTEST(a.outros.format(), "outros");
    QTEST(a.total.format(), "total");
}

void TstDigitos::linhasDaSoma()
{
    SomaLista soma;
    soma << novaLinhaSoma(soma, 1, QStringLiteral("IPTU"), Currency::fromCents(8750), QStringLiteral("8"));
    soma << novaLinhaSoma(soma, 105, QStringLiteral("TAXA"), *Currency::parse(QStringLiteral("10,005")), QString(),
                          QStringLiteral("20261209"), QStringLiteral("1/3"), QStringLiteral("obs"));
    soma << novaLinhaSoma(soma, 7, QStringLiteral("ISS"), Currency::fromCents(100), QStringLiteral("9"));
    QCOMPARE(soma.at(0).seq, QStringLiteral("01"));
    QCOMPARE(soma.at(0).tipo, QStringLiteral("01-IPTU"));
    QCOMPARE(soma.at(0).saldo, Currency::fromCents(8750));
    QCOMPARE(soma.at(1).tipo, QStringLiteral("105-TAXA"));
    QCOMPARE(soma.at(1).idTipo, 105);
    QCOMPARE(soma.at(1).codBarra, QString(44, QLatin1Char('0')));
    QCOMPARE(soma.at(1).valor.format(), QStringLiteral("10,01"));
    QCOMPARE(soma.at(2).seq, QStringLiteral("03"));
    QCOMPARE(soma.at(2).saldo.format(), QStringLiteral("98,51"));
    QVERIFY(somaContemCodigo(soma, QStringLiteral("9")));
    QVERIFY(!somaContemCodigo(soma, QStringLiteral("")));
}

void TstDigitos::linhaBancaria()
{
    using namespace LinhaDigitavel;
    const Bancaria boa{"00191", "23454", "67890", "123457", "67890", "123457", "7", "10000000012345"};
    Resultado r = valida(boa, QDate(2001, 1, 1));
    QVERIFY2(r.ok(), qPrintable(r.erro));
    QCOMPARE(*r.codigo, QStringLiteral("00197100000000123451234567890123456789012345"));
    QCOMPARE(*r.dta, QStringLiteral("03/07/2000"));
    QCOMPARE(*r.valor, QStringLiteral("123,45"));
    QCOMPARE(*valida(boa, QDate(2026, 12, 9)).dta, QStringLiteral("22/02/2025"));

    Bancaria l = boa;
    l.campo7 = QStringLiteral("00000000012345");
    QCOMPARE(*valida(l, QDate(2026, 12, 9)).dta, QStringLiteral("07/10/1997"));
    l.campo7 = QStringLiteral("99990000012345");
    QCOMPARE(*valida(l, QDate(2026, 12, 9)).dta, QStringLiteral("21/02/2025"));

    // General digit wrong: the boxes show the date and amount, the code box is emptied.
    l = boa;
    l.digito = QStringLiteral("8");
    r = valida(l, QDate(2001, 1, 1));
    QCOMPARE(r.erro, erroGeral);
    QCOMPARE(*r.codigo, QString());
    QCOMPARE(*r.dta, QStringLiteral("03/07/2000"));
    QCOMPARE(*r.valor, QStringLiteral("123,45"));

    // Each group's digit wrong once: the message comes before anything is written.
    for (QString Bancaria::*campo : {&Bancaria::campo2, &Bancaria::campo4, &Bancaria::campo6}) {
        l = boa;
        QString &c = l.*campo;
        c[c.size() - 1] = QChar('0' + (c.back().digitValue() + 1) % 10);
        r = valida(l, QDate(2001, 1, 1));
        QCOMPARE(r.erro, erroGeral);
        QVERIFY(!r.codigo && !r.dta && !r.valor);
    }

    l = boa;
    l.campo5.clear();
    QCOMPARE(valida(l, QDate()).erro, erroVazio);
    l = boa;
    l.campo7.chop(1);
    QCOMPARE(valida(l, QDate()).erro, erroGeral);
    l = boa;
    l.campo3 = QStringLiteral("678,0");
    QCOMPARE(valida(l, QDate()).erro, erroGeral);
}

void TstDigitos::linhaArrecadacao()
{
    using namespace LinhaDigitavel;
    const Arrecadacao boa{{"82690000001", "23450123202", "50131123456", "78901234567"}, {"7", "4", "8", "2"}};
    Resultado r = valida(boa);
    QVERIFY2(r.ok(), qPrintable(r.erro));
    QCOMPARE(*r.codigo, QStringLiteral("82690000001234501232025013112345678901234567"));
    QCOMPARE(*r.dta, QStringLiteral("31/01/2025"));
    QCOMPARE(*r.valor, QStringLiteral("123,45"));

    for (int g = 0; g < 4; ++g) {
        Arrecadacao l = boa;
        l.dv[g] = QString::number((l.dv[g].toInt() + 1) % 10);
        r = valida(l);
        QCOMPARE(r.erro, erroSequencia(g + 1));
        QVERIFY(!r.codigo);
    }
    QCOMPARE(erroSequencia(3), QStringLiteral("ERRO!!! Tavez você tenha digitado algo errado. 3ª Sequencia - verifique."));

    // Value identifier 8: modulo 11 for every group.
    const Arrecadacao onze{{"82860000001", "23450123202", "50131123456", "78901234567"}, {"0", "5", "9", "5"}};
    QVERIFY(valida(onze).ok());
    Arrecadacao l = onze;
    l.dv[1] = QStringLiteral("4");
    QCOMPARE(valida(l).erro, erroSequencia(2));

    l = boa;
    l.dv[3].clear();
    QCOMPARE(valida(l).erro, erroVazio);
    l = boa;
    l.input[2].chop(1);
    QCOMPARE(valida(l).erro, erroGeral);
    l = boa;
    l.input[0] = QStringLiteral("82,90000001");
    QCOMPARE(valida(l).erro, erroGeral);
}

QTEST_GUILESS_MAIN(TstDigitos)
#include "tst_digitos.moc"
