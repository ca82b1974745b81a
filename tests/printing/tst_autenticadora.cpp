#include "cls_autenticadora.h"

#include "error_report.h"
#include "test_support.h"
#include "text_file.h"

#include <QTest>

class TstAutenticadora : public QObject {
    Q_OBJECT

private:
    static void golden(const QString &texto, const QString &nome)
    {
        QString why;
        QVERIFY2(TestSupport::matchesGolden(TextFile::encode(texto), QStringLiteral("printing/golden/") + nome, &why),
                 qPrintable(why));
    }

    static void fecho(clsAutenticadora &a, const QString &arrec, const QString &ent, const QString &sai,
                      const QString &total)
    {
        a.setVALOR_ARRECADADO(arrec);
        a.setVALOR_ENTRADA(ent);
        a.setVALOR_SAIDA(sai);
        a.setVALOR_TOTAL(total);
    }

private slots:
    void aberturaCompleta()
    {
        clsAutenticadora a;
        a.setMENSAGEM(QStringLiteral(" PREFEITURA DE SÃO JOSÉ      09.12.26 "));
        a.setSEQ_MOV(QStringLiteral("007"));
        a.setGUICHE(QStringLiteral("1"));
        QVERIFY(a.AbreCaixaCompleto());
        QCOMPARE(a.AbreFita().size(), 205);
        golden(a.AbreFita(), QStringLiteral("abertura.txt"));

        // A two-character station widens its line: still built, but refused.
        a.setGUICHE(QStringLiteral("12"));
        QVERIFY(!a.AbreCaixaCompleto());
        QCOMPARE(a.AbreFita().size(), 206);
        QVERIFY(a.AbreFita().contains(QStringLiteral("GUICHE:  12")));

        clsAutenticadora vazia;
        QVERIFY(!vazia.AbreCaixaCompleto());
        QCOMPARE(vazia.AbreFita().size(), 163);
    }

    void linhasDeAbertura()
    {
        clsAutenticadora a;
        a.setSEQ_MOV(QStringLiteral("123"));
        a.setGUICHE(QStringLiteral("4"));
        QVERIFY(a.AbreCaixa(1));
        QString tudo = a.AbreFita() + QLatin1Char('\n');
        QVERIFY(a.AbreCaixa(2));
        tudo += a.AbreFita() + QLatin1Char('\n');
        golden(tudo, QStringLiteral("abre_caixa_linhas.txt"));
        QVERIFY(!a.AbreCaixa(3));
        QVERIFY(a.AbreFita().isEmpty());
    }

    void encerramentoCompleto()
    {
        clsAutenticadora a;
        fecho(a, QStringLiteral("    1.234,56"), QStringLiteral("      100,00"), QStringLiteral("       50,00"),
              QStringLiteral("    1.284,56"));
        QVERIFY(a.EncerraCaixaCompleto());
        QCOMPARE(a.EncerraFita().size(), 245);
        golden(a.EncerraFita(), QStringLiteral("encerramento.txt"));
        const QString primeira = a.EncerraFita();
        QVERIFY(a.EncerraCaixaCompleto());
        QCOMPARE(a.EncerraFita(), primeira);

        // The answer is the total length alone. Amounts of 11, 13, 12
        // and 12 characters still give 245 and answer True, though two lines are
        // then 39 and 41 wide.
        fecho(a, QStringLiteral("   1.234,56"), QStringLiteral("       100,00"), QStringLiteral("       50,00"),
              QStringLiteral("    1.284,56"));
        QVERIFY(a.EncerraCaixaCompleto());
        QCOMPARE(a.EncerraFita().size(), 245);
        const QStringList linhas = a.EncerraFita().split(QLatin1Char('\n'));
        QCOMPARE(linhas.at(1).size(), 39);
        QCOMPARE(linhas.at(2).size(), 41);

        // One character more or fewer in all answers False.
        a.setVALOR_TOTAL(QStringLiteral("   1.284,56"));
        QVERIFY(!a.EncerraCaixaCompleto());
        QCOMPARE(a.EncerraFita().size(), 244);
    }

    void linhasDeEncerramento()
    {
        clsAutenticadora a;
        fecho(a, QStringLiteral("   1.234,56"), QStringLiteral("     100,00"), QStringLiteral("      50,00"),
              QStringLiteral("   1.284,56"));
        QString tudo;
        for (const char *tipo : {"ARRECADADO", "ENTRADA", "SAIDA", "TOTAL"}) {
            QVERIFY2(a.EncerraCaixa(QString::fromLatin1(tipo)), tipo);
            tudo += a.EncerraFita() + QLatin1Char('\n');
        }
        golden(tudo, QStringLiteral("encerra_caixa_linhas.txt"));
        QVERIFY(!a.EncerraCaixa(QStringLiteral("total")));
        QVERIFY(a.EncerraFita().isEmpty());
        a.setVALOR_TOTAL(QStringLiteral("    1.284,56"));
        QVERIFY(!a.EncerraCaixa(QStringLiteral("TOTAL")));
        QCOMPARE(a.EncerraFita().size(), 41);
    }

    void reabertura()
    {
        clsAutenticadora a;
        a.setSEQ_MOV(QStringLiteral("012"));
        QVERIFY(a.ReabreCaixa());
        golden(a.AbreFita(), QStringLiteral("reabertura.txt"));
        a.setSEQ_MOV(QStringLiteral("1012"));
        QVERIFY(!a.ReabreCaixa());
        QCOMPARE(a.AbreFita().size(), 124);
    }

    void cabecalhoDoRecibo()
    {
        clsAutenticadora a;
        a.setDATA_PAGTO(QStringLiteral("09-12-26 10:30"));
        a.setUSUARIO(QStringLiteral("      OPR: JOÃO"));
        a.setVALOR_TOTAL(QStringLiteral("TOTAL PAGO: 87,50           TROCO: 12,50"));
        QVERIFY(a.PrintCabecalho());
        golden(a.AbreFita(), QStringLiteral("cabecalho.txt"));

        // 123 characters in all, the second line 41 wide and the third 39: the
        // length is the only test, so the header answers True.
        a.setUSUARIO(QStringLiteral("       OPR: JOÃO"));
        a.setVALOR_TOTAL(QStringLiteral("TOTAL PAGO: 87,50          TROCO: 12,50"));
        QVERIFY(a.PrintCabecalho());
        QCOMPARE(a.AbreFita().size(), 123);

        // An empty totals line (amounts too large) is still printed, but refused.
        a.setUSUARIO(QStringLiteral("      OPR: JOÃO"));
        a.setVALOR_TOTAL(QString());
        QVERIFY(!a.PrintCabecalho());
        QVERIFY(a.AbreFita().endsWith(QStringLiteral("JOÃO\n\n")));
    }

    void operacao()
    {
        clsAutenticadora a;
        a.setMENSAGEM(QStringLiteral("ALTERAÇÃO DO ITEM 0015 - VALOR: 1.234,56"));
        QVERIFY(a.OperacaoCaixa());
        golden(a.AbreFita(), QStringLiteral("operacao.txt"));
        a.setMENSAGEM(QStringLiteral("ALTERAÇÃO DO ITEM 00015 - VALOR: 1.234,56"));
        QVERIFY(!a.OperacaoCaixa());
    }

    void linhaDoDocumento()
    {
        clsAutenticadora a;
        a.setMENSAGEM(QStringLiteral("PREFEITURA DE SÃO JOSÉ"));
        a.setGUICHE(QStringLiteral("1"));
        a.setSEQ_REG(QStringLiteral("007"));
        a.setDATA_PAGTO(QStringLiteral("09122026 10:30"));
        a.setVALOR_RECEBIDO(QStringLiteral("   1.234,56"));
        QVERIFY(a.AutenticaBoleto());
        golden(a.BOLETO() + QLatin1Char('\n'), QStringLiteral("documento.txt"));

        // The only test: at least 36 characters.
        QCOMPARE(a.BOLETO().size(), 57);
        a.setMENSAGEM(QString());
        QVERIFY(!a.AutenticaBoleto());
        QCOMPARE(a.BOLETO().size(), 35);
        a.setVALOR_RECEBIDO(QStringLiteral("    1.234,56"));
        QVERIFY(a.AutenticaBoleto());
        QCOMPARE(a.BOLETO().size(), 36);
    }

    void linhaDaBobina()
    {
        clsAutenticadora a;
        a.setSEQ_REG(QStringLiteral("007"));
        a.setDATA_PAGTO(QStringLiteral("091226 10:30"));
        a.setNOME_GUIA(QStringLiteral(" TAXA ÁGUA"));
        a.setVALOR_TOTAL(QStringLiteral("   1.234,56"));
        QVERIFY(a.AutenticaFita());
        QCOMPARE(a.FITA().size(), 40);
        golden(a.FITA() + QLatin1Char('\n'), QStringLiteral("bobina.txt"));

        // Longer is still accepted (a million or more), shorter is not.
        a.setVALOR_TOTAL(QStringLiteral("1.234.567,89"));
        QVERIFY(a.AutenticaFita());
        QCOMPARE(a.FITA().size(), 41);
        a.setVALOR_TOTAL(QStringLiteral("  1.234,56"));
        QVERIFY(!a.AutenticaFita());
    }

    void replicaCaracter()
    {
        clsAutenticadora a;
        QVERIFY(!a.ReplicaCaracter(QStringLiteral("ab")));
        QCOMPARE(a.caracter(), QString(40, QLatin1Char('a')));
        QVERIFY_THROWS_EXCEPTION(CaixaError, a.ReplicaCaracter(QString()));
        QVERIFY(a.caracter().isEmpty());
    }

    void buildersKeepToTheirOutput()
    {
        clsAutenticadora a;
        a.setMENSAGEM(QString(40, QLatin1Char('x')));
        a.setSEQ_MOV(QStringLiteral("001"));
        QVERIFY(a.OperacaoCaixa());
        const QString operacao = a.AbreFita();
        fecho(a, QStringLiteral("       1,00"), {}, {}, {});
        a.EncerraCaixa(QStringLiteral("ARRECADADO"));
        a.AutenticaFita();
        a.AutenticaBoleto();
        QCOMPARE(a.AbreFita(), operacao);
        QVERIFY(a.ReabreCaixa());
        QVERIFY(a.EncerraFita().startsWith(QStringLiteral("(+)")));
    }
};

QTEST_MAIN(TstAutenticadora)
#include "tst_autenticadora.moc"
