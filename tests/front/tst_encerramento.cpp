#include "tst_frente_ambiente.h"
#include "tst_frente_teclado.h"

#include "ini_file.h"
#include "text_file.h"

#include <QAction>
#include <QLineEdit>

using namespace AbreBD;

// Closing the day: the sums, the tape, the receipt file's summary, the stored
// totals and the lock; re-opening it; the integration mark.
class TstEncerramento : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteFrente> amb;
    QPointer<frmFrente> w;

    void abre()
    {
        w = amb->abre();
        QVERIFY(QTest::qWaitForWindowActive(w));
        amb->limpaImpresso();
        amb->folder->messages->clear();
    }

    QStringList caixas() const { return amb->folder->messages->texts(); }
    void responde(const QList<int> &respostas) { amb->folder->messages->answers = respostas; }

    static void recebido(int movimento, qint64 valor)
    {
        QVERIFY(AmbienteFrente::sql(
            QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, IDMOVIMENTO, VALOR, INTEGRA) VALUES ("
                           "(SELECT COUNT(*) + 1 FROM Recebimentos WHERE IDMOVIMENTO = ?), ?, ?, 1)"),
            {movimento, movimento, valor}));
    }
    static void sangria(int movimento, const QString &dia, qint64 entrada, qint64 saida)
    {
        QVERIFY(AmbienteFrente::sql(QStringLiteral("INSERT INTO Sangria (TIPO, IDMOVIMENTO, SDATA, ENTRADA, SAIDA) "
                                                   "VALUES ('ENTRADA', ?, ?, ?, ?)"),
                                    {movimento, dia, entrada, saida}));
    }

    // ENTRADA, VALOR_ARRECADADO, SAIDA, SUPRIMENTO and STATUS of the window's movement.
    QVariantList movimento() const
    {
        return AmbienteFrente::linha(
            QStringLiteral("SELECT ENTRADA, VALOR_ARRECADADO, SAIDA, SUPRIMENTO, STATUS FROM Movimento WHERE ID = ?"),
            {w->IdMovimento});
    }

    // The day's entries and exits: this movement's, another movement's of
    // the same date, and another date's (left out).
    void umDia()
    {
        recebido(w->IdMovimento, 1234500);
        recebido(w->IdMovimento, 455000);
        recebido(w->IdMovimento + 1, 990000);
        sangria(w->IdMovimento, QStringLiteral("2026-12-09"), 2000000, 0);
        sangria(w->IdMovimento, QStringLiteral("2026-12-09"), 0, 305000);
        sangria(w->IdMovimento + 1, QStringLiteral("2026-12-09"), 500000, 1);
        sangria(w->IdMovimento, QStringLiteral("2026-12-08"), 7770000, 7770000);
    }

    void cofre(const QString &valor)
    {
        QVERIFY(IniFile::write(gArquivoCofre, QStringLiteral("Reserva"), QStringLiteral("cofre"), valor));
    }

    void fechado(bool sim)
    {
        QCOMPARE(w->diaFechado(), sim);
        QCOMPARE(w->txtValorCodBarra->text(), sim ? QStringLiteral("CAIXA ENCERRADO") : QString());
        QCOMPARE(w->menu(QStringLiteral("mnuEncerrar"))->isEnabled(), !sim);
        if (sim) // a freshly opened day also leaves it enabled
            QVERIFY(w->menu(QStringLiteral("mnuReabrir"))->isEnabled());
    }

    QStringList resumoNoArquivo() const
    {
        const QStringList l = TextFile::readLines(amb->arquivoRecebimentos());
        return l.size() >= 6 && l.at(l.size() - 5).startsWith(QLatin1String("VALOR ARRECADADO")) ? l.mid(l.size() - 6)
                                                                                                  : QStringList();
    }

private slots:
    void init() { amb = std::make_unique<AmbienteFrente>(); }
    void cleanup()
    {
        w.clear();
        amb.reset();
    }

    void closesTheDay_data()
    {
        QTest::addColumn<int>("somaSuprimento");
        QTest::addColumn<QString>("saldoCofre");
        QTest::addColumn<qint64>("suprimento");
        QTest::addRow("without the safe") << 0 << "1500" << qint64(0);
        QTest::addRow("with the safe") << 1 << "1500" << qint64(15000000);
        QTest::addRow("safe in cents, rounded") << 1 << "1.234,567" << qint64(12345700);
        QTest::addRow("safe key empty") << 1 << "" << qint64(0);
        QTest::addRow("safe key not a number") << 1 << "muito" << qint64(0);
    }

    void closesTheDay()
    {
        QFETCH(int, somaSuprimento);
        QFETCH(QString, saldoCofre);
        QFETCH(qint64, suprimento);
        gSomaSuprimento = somaSuprimento;
        cofre(saldoCofre);
        abre();
        umDia();
        w->mnuEncerrar_Click();
        QCOMPARE(caixas(), (QStringList{"Deseja encerrar a contabilização agora?", "Deseja finalizar o cupom agora?",
                                        "Movimento encerrado."}));
        // Entries 200,00 + 50,00 and exits 30,50 + 0,0001 of the date; 168,95 received.
        QCOMPARE(movimento(), (QVariantList{2500000, 1689500, 305000, suprimento, "FECHADO"}));
        fechado(true);
        QString why;
        QVERIFY2(TestSupport::matchesGolden(amb->impresso(), "front/golden/fita_encerramento.txt", &why),
                 qPrintable(why));
        QCOMPARE(resumoNoArquivo(), (QStringList{QString(100, QLatin1Char('=')), "VALOR ARRECADADO: 168,95",
                                                 "VALOR ENTRADAS: 250,00", "VALOR RETIRADAS: 30,50",
                                                 QString(50, QLatin1Char('-')), "TOTAL GERAL: 388,45"}));
    }

    // A supply stored by an earlier closing of the run stays when the safe's key is empty.
    void anEmptySafeKeyKeepsTheEarlierSupply()
    {
        gSomaSuprimento = 1;
        cofre(QStringLiteral("1500"));
        abre();
        w->mnuEncerrar_Click();
        responde({Vb::vbYes, Vb::vbNo});
        w->mnuReabrir_Click();
        cofre(QString());
        w->mnuEncerrar_Click();
        QCOMPARE(movimento(), (QVariantList{0, 0, 0, 15000000, "FECHADO"}));
    }

    void anEmptyDayAndNoTape()
    {
        abre();
        responde({Vb::vbYes, Vb::vbNo});
        w->mnuEncerrar_Click();
        QVERIFY(amb->impresso().isEmpty());
        QCOMPARE(movimento(), (QVariantList{0, 0, 0, 0, "FECHADO"}));
        fechado(true);
        QCOMPARE(resumoNoArquivo().value(1), QStringLiteral("VALOR ARRECADADO: 0,00"));
    }

    void theEmptyDaysTape()
    {
        abre();
        w->mnuEncerrar_Click();
        QVERIFY(amb->impresso().contains("(+)========= ARRECADADO -->         0,00\n"));
        QVERIFY(amb->impresso().endsWith("(=)========= TOTAL/DIA  -->         0,00\r\n"));
    }

    void cancelled()
    {
        abre();
        umDia();
        responde({Vb::vbNo});
        w->mnuEncerrar_Click();
        QCOMPARE(caixas(), (QStringList{"Deseja encerrar a contabilização agora?", "Operação cancelada."}));
        QCOMPARE(movimento().value(4), QVariant("ABERTO"));
        fechado(false);
        QVERIFY(amb->impresso().isEmpty());
    }

    // A total of ten million does not fit the tape: it is still printed, and said.
    void aTotalTooLongForTheTape()
    {
        abre();
        recebido(w->IdMovimento, qint64(10000000) * 10000);
        w->mnuEncerrar_Click();
        QVERIFY(amb->impresso().contains("(=)========= TOTAL/DIA  --> 10.000.000,00"));
        QVERIFY(caixas().contains(QStringLiteral("Erro na geração da linha de impressão!!!")));
        QCOMPARE(movimento().value(4), QVariant("FECHADO"));
    }

    // Nothing is stored, printed or locked on partial sums.
    void aFailingSumStopsTheClosing()
    {
        abre();
        umDia();
        QVERIFY(AmbienteFrente::sql(QStringLiteral("ALTER TABLE Sangria RENAME TO Sangria_fora")));
        w->mnuEncerrar_Click();
        QVERIFY(AmbienteFrente::sql(QStringLiteral("ALTER TABLE Sangria_fora RENAME TO Sangria")));
        QCOMPARE(caixas().last(), QStringLiteral("Não foi possível somar o movimento. O caixa não foi encerrado."));
        QCOMPARE(movimento(), (QVariantList{0, 0, 0, 0, "ABERTO"}));
        fechado(false);
        QVERIFY(amb->impresso().isEmpty());
        QVERIFY(resumoNoArquivo().isEmpty());
    }

    void aRefusedUpdateLeavesTheDayOpen()
    {
        abre();
        umDia();
        QVERIFY(AmbienteFrente::sql(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON Movimento "
                                                   "BEGIN SELECT RAISE(ABORT, 'recusado'); END")));
        w->mnuEncerrar_Click();
        QCOMPARE(caixas().last(), QStringLiteral("Erro ao encerrar."));
        QCOMPARE(amb->folder->messages->boxes.last().style, int(Vb::vbCritical));
        QCOMPARE(movimento().value(4), QVariant("ABERTO"));
        fechado(false);
    }

    void reopensTheDay()
    {
        abre();
        umDia();
        w->mnuEncerrar_Click();
        amb->limpaImpresso();
        amb->folder->messages->clear();
        w->mnuReabrir_Click();
        QCOMPARE(caixas(), (QStringList{"Confirma a reabertura do movimento?",
                                        "Deseja imprimir a reabertura de movimento no cupom?", "Caixa Aberto!!!"}));
        QCOMPARE(amb->folder->messages->boxes.last().title, QStringLiteral("Gravar Registro"));
        QCOMPARE(movimento(), (QVariantList{0, 1689500, 0, 0, "ABERTO"}));
        fechado(false);
        QVERIFY(!w->menu(QStringLiteral("mnuReabrir"))->isEnabled());
        QString why;
        QVERIFY2(TestSupport::matchesGolden(amb->impresso(), "front/golden/fita_reabertura.txt", &why),
                 qPrintable(why));

        // The day takes items again.
        Teclado::le(w, QStringLiteral("81650000000455004562026120900000000000000001"));
        QCOMPARE(w->soma().size(), 1);
    }

    void reopeningWithoutPrintingOrOnAnOpenDay()
    {
        gPrintCupom = 0;
        abre();
        w->mnuReabrir_Click(); // an open day: asked, then nothing
        QCOMPARE(caixas(), QStringList{"Confirma a reabertura do movimento?"});
        w->mnuEncerrar_Click();
        amb->folder->messages->clear();
        w->mnuReabrir_Click();
        QCOMPARE(caixas(), (QStringList{"Confirma a reabertura do movimento?", "Caixa Aberto!!!"}));
        gPrintCupom = 1;
        QCOMPARE(movimento().value(4), QVariant("ABERTO"));
    }

    void aFailedReopeningIsReported()
    {
        abre();
        w->mnuEncerrar_Click();
        QVERIFY(AmbienteFrente::sql(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON Movimento "
                                                   "BEGIN SELECT RAISE(ABORT, 'recusado'); END")));
        amb->folder->messages->clear();
        w->mnuReabrir_Click();
        QCOMPARE(caixas().last(), QStringLiteral("Erro de Gravação!!!"));
        QCOMPARE(amb->folder->messages->boxes.last().title, QStringLiteral("Erro"));
        QCOMPARE(movimento().value(4), QVariant("FECHADO"));
        fechado(true);
    }

    void revertsTheIntegrationMark()
    {
        abre();
        umDia();
        w->mnuEncerrar_Click();
        amb->folder->messages->clear();
        w->mnureverter_Click();
        QCOMPARE(caixas(), QStringList{"Revertido com sucesso!!"});
        QVERIFY(!w->menu(QStringLiteral("mnureverter"))->isEnabled());
        QCOMPARE(AmbienteFrente::linha(QStringLiteral("SELECT SUM(INTEGRA) FROM Recebimentos WHERE IDMOVIMENTO = ?"),
                                       {w->IdMovimento})
                     .value(0)
                     .toInt(),
                 0);
        QCOMPARE(AmbienteFrente::linha(QStringLiteral("SELECT SUM(INTEGRA) FROM Recebimentos WHERE IDMOVIMENTO = ?"),
                                       {w->IdMovimento + 1})
                     .value(0)
                     .toInt(),
                 1);
    }
};

QTEST_MAIN(TstEncerramento)
#include "tst_encerramento.moc"
