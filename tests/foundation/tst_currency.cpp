#include "currency.h"

#include <QtTest>

class TstCurrency : public QObject {
    Q_OBJECT

private slots:
    void parses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("raw");
        QTest::newRow("plain") << "1234,56" << 12345600LL;
        QTest::newRow("grouped") << "1.234,56" << 12345600LL;
        QTest::newRow("millions") << "R$ 1.234.567,8" << 12345678000LL;
        QTest::newRow("whole") << "150" << 1500000LL;
        QTest::newRow("four decimals") << "0,0001" << 1LL;
        QTest::newRow("negative") << "-12,5" << -125000LL;
        QTest::newRow("half even above four decimals") << "0,00005" << 0LL;
        QTest::newRow("half even up") << "0,00015" << 2LL;
        QTest::newRow("above half") << "0,000051" << 1LL;
        QTest::newRow("below half") << "0,000049999" << 0LL;
        QTest::newRow("trailing comma") << "12," << 120000LL;
    }
    void parses()
    {
        QFETCH(QString, text);
        QFETCH(qlonglong, raw);
        const auto c = Currency::parse(text);
        QVERIFY(c.has_value());
        QCOMPARE(c->raw(), raw);
    }

    void refusesWhatIsNotMoney()
    {
        for (const char *bad : {"", "abc", "12.34", "1,234,56", "1.23,4", "12,3a", "--1", "1.2345,00", ",5"})
            QVERIFY2(!Currency::parse(QString::fromLatin1(bad)).has_value(), bad);
    }

    void formats()
    {
        QCOMPARE(Currency::fromRaw(12345600).format(), QStringLiteral("1.234,56"));
        QCOMPARE(Currency::fromRaw(0).format(), QStringLiteral("0,00"));
        QCOMPARE(Currency::fromRaw(-5).format(), QStringLiteral("0,00"));
        QCOMPARE(Currency::fromRaw(-12345678900).formatReais(), QStringLiteral("R$ -1.234.567,89"));
        QCOMPARE(Currency::fromRaw(1234567890000).format(), QStringLiteral("123.456.789,00"));
        QCOMPARE(Currency::fromRaw(125000).plainText(), QStringLiteral("12,5"));
        QCOMPARE(Currency::fromRaw(0).plainText(), QStringLiteral("0"));
        QCOMPARE(Currency::fromRaw(1).plainText(), QStringLiteral("0,0001"));
        QCOMPARE(Currency::fromRaw(-30000).plainText(), QStringLiteral("-3"));
        QCOMPARE(Currency::fromRaw(12345600).fixed2(), QStringLiteral("1234,56"));
    }

    void roundsHalfCentsAwayFromZero()
    {
        QCOMPARE(Currency::fromRaw(1050).roundedToCents().raw(), 1100LL);  // 0,105 -> 0,11
        QCOMPARE(Currency::fromRaw(1150).roundedToCents().raw(), 1200LL);  // 0,115 -> 0,12
        QCOMPARE(Currency::fromRaw(1049).roundedToCents().raw(), 1000LL);
        QCOMPARE(Currency::fromRaw(-1050).roundedToCents().raw(), -1100LL);
        QCOMPARE(Currency::fromRaw(1050).format(), QStringLiteral("0,11"));
    }

    void fromDoubleHalvesToEven()
    {
        QCOMPARE(Currency::fromDouble(104.3).raw(), 1043000LL);
        QCOMPARE(Currency::fromDouble(4.30000001).raw(), 43000LL);
        QCOMPARE(Currency::fromDouble(-2.5).raw(), -25000LL);
    }

    void arithmetic()
    {
        const Currency a = Currency::fromCents(1050), b = Currency::fromCents(250);
        QCOMPARE((a + b).raw(), 130000LL);
        QCOMPARE((a - b).raw(), 80000LL);
        QCOMPARE((b * 3).raw(), 75000LL);
        QVERIFY(b < a);
        QCOMPARE(a.cents(), 1050LL);
    }
};

QTEST_GUILESS_MAIN(TstCurrency)
#include "tst_currency.moc"
