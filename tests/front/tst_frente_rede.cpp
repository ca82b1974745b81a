#include "gerador_codigos.h"
#include "tst_frente_ambiente.h"
#include "tst_frente_teclado.h"

#include "frm_conta_lancada.h"
#include "ini_file.h"
#include "network.h"
#include "servidor_postgres.h"
#include "servidor_rede.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

using namespace AbreBD;
namespace Rede = Platform::ServidorRede;

namespace {

// An ISS document due after the cash day: accepted at once unless already received.
QString iss(int n)
{
    return Gerador::arrecadacao(QLatin1Char('6'), 1000 + n, QStringLiteral("0124"), QDate(2026, 12, 31),
                                Gerador::zeros(n, 17));
}

} // namespace

// The check against the other desks' receipts on the treasury's server, driven
// through the main window: a server of the test's own, reached through the
// connection service "caixa" of the program folder's pg_service.conf.
class TstFrenteRede : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::ServidorPostgres> servidor;
    std::unique_ptr<AmbienteFrente> amb;
    QPointer<frmFrente> w;
    qint64 relogio = 0;

    void sobeServidor(bool tabela = true)
    {
        servidor = std::make_unique<TestSupport::ServidorPostgres>();
        QVERIFY2(servidor->ok(), qPrintable(servidor->erro()));
        if (tabela)
            QVERIFY2(servidor->arquivoSql(TestSupport::sourceDir() + QStringLiteral("/db/rede.sql")),
                     qPrintable(servidor->erro()));
        QVERIFY(servidor->escreveServico(amb->folder->file(QStringLiteral("pg_service.conf"))));
    }

    void recebidoNaRede(const QString &codigo)
    {
        QVERIFY2(servidor->copia(QStringLiteral("RECEBIMENTOS1 (CODBARRA)"), {codigo}), qPrintable(servidor->erro()));
    }

    void abre(int rede)
    {
        QVERIFY(IniFile::write(arquivoConfig(), QStringLiteral("Export"), QStringLiteral("rede"),
                               QString::number(rede)));
        Carrega_variaveis();
        QCOMPARE(gRede, rede);
        w = amb->abre();
        QVERIFY(QTest::qWaitForWindowActive(w));
        amb->folder->messages->clear();
    }

    // Reads a code as the teller does; the message of the warning window it
    // brought up (closed at once), or "" when none showed.
    QString le(const QString &codigo)
    {
        QString aviso;
        QTimer vigia;
        vigia.setInterval(10);
        connect(&vigia, &QTimer::timeout, this, [&aviso] {
            if (auto *d = qobject_cast<frmContaLancada *>(QApplication::activeModalWidget())) {
                aviso = d->mensagem_aviso;
                d->accept();
            }
        });
        vigia.start();
        Teclado::le(w, codigo);
        return aviso;
    }

    bool semRede() const { return w->lblStatusRede->isVisible(); }
    int somados() const { return int(w->soma().size()); }

private slots:
    void init()
    {
        amb = std::make_unique<AmbienteFrente>();
        relogio = 5'000'000;
        Rede::definirRelogio([this] { return relogio; });
    }
    void cleanup()
    {
        amb.reset(); // closes the window and the connection first
        servidor.reset();
        Rede::definirRelogio({});
    }

    void umaContaRecebidaEmOutroCaixaERecusada()
    {
        sobeServidor();
        recebidoNaRede(iss(1));
        recebidoNaRede(iss(1)); // stored twice is received all the same
        recebidoNaRede(iss(2));
        abre(1);
        QCOMPARE(le(iss(1)), QStringLiteral("Conta já Recebida!!!"));
        QCOMPARE(somados(), 0);
        QCOMPARE(w->txtValorCodBarra->text(), QString());
        QVERIFY(!semRede());
        QCOMPARE(le(iss(3)), QString());
        QCOMPARE(somados(), 1);
        QCOMPARE(le(iss(2)), QStringLiteral("Conta já Recebida!!!"));
        QCOMPARE(somados(), 1);
        QVERIFY(amb->folder->messages->boxes.isEmpty());
        // One connection for the whole day.
        QCOMPARE(Rede::tentativas(), 1);
    }

    void oServidorCaiNoMeioDoDiaEVolta()
    {
        sobeServidor();
        recebidoNaRede(iss(1));
        recebidoNaRede(iss(2));
        abre(1);
        QCOMPARE(le(iss(3)), QString());
        QVERIFY(!semRede());

        QVERIFY(servidor->para());
        QElapsedTimer t;
        t.start();
        QCOMPARE(le(iss(1)), QString()); // received elsewhere, but nobody can tell now
        QVERIFY2(t.elapsed() < 3000, qPrintable(QStringLiteral("the reading took %1 ms").arg(t.elapsed())));
        QVERIFY(semRede());
        QCOMPARE(w->lblStatusRede->text(), QStringLiteral("Sem acesso a rede!!!"));
        QCOMPARE(somados(), 2);
        const int tentativas = Rede::tentativas();

        // The next readings don't try the server again.
        relogio += 10'000;
        t.restart();
        QCOMPARE(le(iss(2)), QString());
        QCOMPARE(le(iss(4)), QString());
        QVERIFY2(t.elapsed() < 1500, qPrintable(QStringLiteral("two readings took %1 ms").arg(t.elapsed())));
        QCOMPARE(Rede::tentativas(), tentativas);
        QCOMPARE(somados(), 4);
        QVERIFY(semRede());
        // A server out of reach is no error to report.
        QVERIFY(amb->folder->messages->boxes.isEmpty());

        // Back again: the check resumes at the first attempt 30 s after the failed one.
        QVERIFY2(servidor->inicia(), qPrintable(servidor->erro()));
        recebidoNaRede(iss(5));
        relogio += 19'000;
        QCOMPARE(le(iss(6)), QString());
        QVERIFY(semRede());
        relogio += 1'000;
        QCOMPARE(le(iss(5)), QStringLiteral("Conta já Recebida!!!"));
        QVERIFY(!semRede());
        QCOMPARE(Rede::tentativas(), tentativas + 1);
        QCOMPARE(somados(), 5);
    }

    void umServidorReiniciadoEntreDuasLeiturasNaoTiraARede()
    {
        sobeServidor();
        recebidoNaRede(iss(1));
        abre(1);
        QCOMPARE(le(iss(2)), QString());
        QVERIFY(servidor->para());
        QVERIFY2(servidor->inicia(), qPrintable(servidor->erro()));
        QCOMPARE(le(iss(1)), QStringLiteral("Conta já Recebida!!!"));
        QVERIFY(!semRede());
        QCOMPARE(Rede::tentativas(), 2);
    }

    void oDiaComecaComOServidorFora()
    {
        sobeServidor();
        recebidoNaRede(iss(1));
        QVERIFY(servidor->para());
        abre(1);
        QVERIFY(w->txtValorCodBarra->isEnabled());
        QCOMPARE(le(iss(1)), QString());
        QVERIFY(semRede());
        QCOMPARE(somados(), 1);
        QCOMPARE(Rede::tentativas(), 1);
    }

    void umaConsultaQueFalhaNoServidorContaComoRecebida()
    {
        sobeServidor(false); // the server answers, but without the table
        abre(1);
        QCOMPARE(le(iss(1)), QStringLiteral("Conta já Recebida!!!"));
        QCOMPARE(somados(), 0);
        QVERIFY(!semRede());
        const auto &caixas = amb->folder->messages->boxes;
        QCOMPARE(caixas.size(), 1);
        QVERIFY(caixas.first().text.contains(
            QStringLiteral("Descrição :ERROR:  relation \"recebimentos1\" does not exist (SQLSTATE 42P01)\r\n")));
        QVERIFY(caixas.first().text.endsWith(QStringLiteral("PostgreSQL / Função sqlSelect_ReadyOnly em clsDataAccess")));
        QVERIFY(TestSupport::readFile(amb->folder->file(QStringLiteral("Log.ini"))).contains("Origem: PostgreSQL"));
    }

    void semRedeNoConfigOServidorNaoETocado()
    {
        sobeServidor();
        recebidoNaRede(iss(1));
        abre(0);
        QCOMPARE(le(iss(1)), QString());
        QCOMPARE(somados(), 1);
        QVERIFY(!semRede());
        QCOMPARE(Rede::tentativas(), 0);
    }

    void semServicoATabelaEADoCaixaDb()
    {
        // No service "caixa" for this station: a treasury with one desk. The
        // network is then the machine's own, as before.
        QVERIFY(AmbienteFrente::sql(QStringLiteral("INSERT INTO RECEBIMENTOS1 (CODBARRA) VALUES (?)"), {iss(1)}));
        abre(1);
        const bool rede = Platform::networkAlive();
        QCOMPARE(le(iss(1)), rede ? QStringLiteral("Conta já Recebida!!!") : QString());
        QCOMPARE(semRede(), !rede);
        QCOMPARE(le(iss(2)), QString());
        QCOMPARE(somados(), rede ? 1 : 2);
        QCOMPARE(Rede::tentativas(), 0);
    }
};

QTEST_MAIN(TstFrenteRede)
#include "tst_frente_rede.moc"
