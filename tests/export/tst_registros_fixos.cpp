#include "campos_fixos.h"
#include "cls_gera_cnab.h"
#include "cls_gera_febraban.h"
#include "cls_gera_integra.h"
#include "gera_cnab.h"

#include <QTest>

using namespace CamposFixos;

class TstRegistrosFixos : public QObject {
    Q_OBJECT
private slots:
    void textosDeValorECodigo();
    void textosLivres();
    void integracaoSoAceita200();
    void febrabanSoAceita150();
    void cnabSoAceita240();
    void tituloDoCodigoDeBarras();
    void conferenciaNomeiaOItem();
};

void TstRegistrosFixos::textosDeValorECodigo()
{
    QCOMPARE(valor(Currency(), 9), QStringLiteral("000000000"));
    QCOMPARE(valor(Currency::fromCents(123456), 9), QStringLiteral("000123456"));
    QCOMPARE(valor(Currency::fromCents(123456), 12), QStringLiteral("000000123456"));
    // Rounded to centavos as "#,##0.00" rounds: halves away from zero.
    QCOMPARE(valor(Currency::fromRaw(50), 3), QStringLiteral("001"));
    QCOMPARE(valor(Currency::fromRaw(49), 3), QStringLiteral("000"));
    // Neither a negative amount nor a too large one is made to fit.
    QCOMPARE(valor(Currency::fromCents(-500), 9), QStringLiteral("-000000500"));
    QCOMPARE(valor(Currency::fromReais(10000000000LL), 12), QStringLiteral("1000000000000"));
    QCOMPARE(codigo(5001, 6), QStringLiteral("005001"));
    QCOMPARE(codigo(123456, 5), QStringLiteral("123456"));
}

void TstRegistrosFixos::textosLivres()
{
    QCOMPARE(textoOuBrancos(QString(170, QLatin1Char('a')), 171), QString(170, QLatin1Char('a')) + QLatin1Char(' '));
    QCOMPARE(textoOuBrancos(QString(171, QLatin1Char('a')), 171), brancos(171));
    QCOMPARE(textoOuBrancos(QVariant(), 30), brancos(30));
    QCOMPARE(textoOuBrancos(QString(30, QLatin1Char('9')), 30), brancos(30));
    QCOMPARE(ajustado(QStringLiteral("BANCO"), 20), QStringLiteral("BANCO") + brancos(15));
    QCOMPARE(ajustado(QStringLiteral("BANCO MUITO COMPRIDO DEMAIS"), 20), QStringLiteral("BANCO MUITO COMPRIDO"));
}

void TstRegistrosFixos::integracaoSoAceita200()
{
    clsGeraIntegra g;
    g.BANCO(codigo(5001, 6));
    g.DATA_RECEBIMENTO(QStringLiteral("09122026"));
    g.SETOR(QStringLiteral("3"));
    g.NSA(codigo(7, 14));
    QVERIFY(g.Cria_header());
    QCOMPARE(g.HEADER().left(31), QStringLiteral("A005001091220263000000000000070"));

    g.cont(codigo(2, 9));
    g.TOTAL(valor(Currency::fromCents(1250), 15));
    g.CONFCAIXA(valor(Currency(), 15));
    QVERIFY(g.Cria_footer());
    QCOMPARE(g.FOOTER().left(25), QStringLiteral("Z000000002000000000001250"));
    QCOMPARE(g.FOOTER().size(), 200);

    // A station of two characters: the record is kept, one too long, and refused.
    g.SETOR(QStringLiteral("03"));
    QVERIFY(!g.Cria_header());
    QCOMPARE(g.HEADER().size(), 201);

    g.D_REG(QStringLiteral("S"));
    g.D_VALORTOTAL(valor(Currency::fromCents(-500), 10));
    g.D_ID(codigo(2, 10));
    g.D_DESCRICAO(textoOuBrancos(QStringLiteral("x"), 171));
    QVERIFY(!g.Cria_header_debito());
    g.D_VALORTOTAL(valor(Currency::fromCents(500), 10));
    QVERIFY(g.Cria_header_debito());

    g.D_ESPECIE(codigo(101, 5));
    g.D_NUMERO(textoOuBrancos(QString(), 30));
    g.D_VALOR(valor(Currency::fromCents(500), 10));
    QVERIFY(g.Cria_content_debito());
    QCOMPARE(g.DEBITO_CONTENT().mid(46, 10), QStringLiteral("0000000002"));
}

void TstRegistrosFixos::febrabanSoAceita150()
{
    clsGeraFebraban g;
    g.COD_BANCO(QStringLiteral("001"));
    g.NOME_BANCO(ajustado(QStringLiteral("BANCO"), 20));
    g.DATA_ARQ(QStringLiteral("20261209"));
    g.NSA(QStringLiteral("261209"));
    QVERIFY(g.Cria_header());
    QCOMPARE(g.HEADER().mid(42, 3), QStringLiteral("001"));
    QCOMPARE(g.HEADER().mid(79, 2), QStringLiteral("03"));

    g.DATA_PAGTO(QStringLiteral("20261209"));
    g.COD_BARRA(QString(44, QLatin1Char('1')));
    g.VALOR_RECEBIDO(valor(Currency::fromCents(1000), 12));
    g.SEQ_REG(codigo(1, 8));
    QVERIFY(g.Cria_content());
    QCOMPARE(g.CONTENT().mid(81, 12), QStringLiteral("000000001000"));
    QCOMPARE(g.CONTENT().at(116), QLatin1Char('4'));
    QCOMPARE(g.CONTENT().at(140), QLatin1Char('1'));
    g.COD_BARRA(QString(43, QLatin1Char('1')));
    QVERIFY(!g.Cria_content());
    QCOMPARE(g.CONTENT().size(), 149);

    g.CONT_ARQ(codigo(5, 6));
    g.VALOR_TOTAL(valor(Currency::fromCents(124506), 17));
    QVERIFY(g.Cria_footer());
    QCOMPARE(g.FOOTER().left(24), QStringLiteral("Z00000500000000000124506"));
}

void TstRegistrosFixos::cnabSoAceita240()
{
    clsGeraCnab g;
    g.BANCO(QStringLiteral("104"));
    g.NUM_INSC_EMP(QStringLiteral("12345678000199"));
    g.AGENCIA(codigo(1234, 5));
    g.DIG_AGENCIA(QStringLiteral("5"));
    g.CONVENIO(QStringLiteral("654321"));
    g.NOME_EMP(ajustado(QStringLiteral("PREFEITURA"), 30));
    g.NOME_BANCO(ajustado(QStringLiteral("CAIXA"), 30));
    g.DATA_ARQUIVO(QStringLiteral("09122026"));
    g.HORA_ARQUIVO(QStringLiteral("103000"));
    g.NSA(codigo(3, 6));
    QVERIFY(g.Cria_header_arquivo());
    QCOMPARE(g.Header_arquivo().mid(191, 20), QStringLiteral("RETORNO-PRODUCAO    "));
    QVERIFY(g.Cria_header_lote());
    QCOMPARE(g.Header_lote().mid(185, 6), QStringLiteral("000003"));

    g.NSREGISTRO(codigo(1, 5));
    g.MODAL_NOSSO_NUM(QStringLiteral("12"));
    g.IDENT_TITULO_BANCO(QString(15, QLatin1Char('7')));
    g.DATA_VENC_TITULO(QStringLiteral("03072000"));
    g.VALOR_TITULO(valor(Currency::fromCents(1000), 15));
    QVERIFY(g.Cria_detalhe_t());
    QCOMPARE(g.Detalhe_t().mid(73, 8), QStringLiteral("03072000"));

    g.JUROS_MULTA(valor(Currency::fromCents(-1), 15));
    g.VALOR_PAGO_SACADO(valor(Currency::fromCents(999), 15));
    g.VALOR_LIQUIDO(valor(Currency::fromCents(999), 15));
    QVERIFY(!g.Cria_detalhe_u());
    QCOMPARE(g.Detalhe_u().size(), 241);
    g.JUROS_MULTA(valor(Currency(), 15));
    QVERIFY(g.Cria_detalhe_u());

    g.QUANT_REG_LOTE(codigo(8, 6));
    QVERIFY(g.Cria_trailer_lote());
    g.QUANT_REG_ARQ(codigo(10, 6));
    QVERIFY(g.Cria_trailer_arquivo());
    QCOMPARE(g.Trailer_arq().left(29), QStringLiteral("10499999         000001000010"));
    g.BANCO(QStringLiteral("10"));
    QVERIFY(!g.Cria_trailer_arquivo());
}

void TstRegistrosFixos::tituloDoCodigoDeBarras()
{
    const QString b = QStringLiteral("00191100000000012340000001234567890123456717");
    const auto t = tituloDoCodBarra(b);
    QVERIFY(t);
    QCOMPARE(t->vencimento, QDate(2000, 7, 3));
    QCOMPARE(t->valor, Currency::fromCents(1234));
    QCOMPARE(t->ident, b.mid(26, 3) + b.mid(30, 3) + b.mid(34, 9));
    QCOMPARE(t->modal, b.mid(29, 1) + b.mid(33, 1));
    QVERIFY(!tituloDoCodBarra(QStringLiteral("00191ABCD")));
    QVERIFY(!tituloDoCodBarra(QString(30, QLatin1Char('0'))));
}

void TstRegistrosFixos::conferenciaNomeiaOItem()
{
    ConferenciaCampos c;
    QCOMPARE(c.confere(QStringLiteral("Autenticação 12"), QStringLiteral("BARRA"), QStringLiteral("123"), 44),
             QStringLiteral("123"));
    c.confere(QStringLiteral("Autenticação 13"), QStringLiteral("BARRA"), QString(44, QLatin1Char('1')), 44);
    QCOMPARE(c.problemas().size(), 1);
    QVERIFY(c.resumo().contains(QStringLiteral("Autenticação 12: campo BARRA \"123\" com 3 posições, o registro pede 44")));
}

QTEST_GUILESS_MAIN(TstRegistrosFixos)
#include "tst_registros_fixos.moc"
