#include "servidor_postgres.h"
#include "servidor_rede.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace Rede = Platform::ServidorRede;

namespace {

void escreve(const QString &arquivo, const QByteArray &texto)
{
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(texto);
}

} // namespace

// The connection to the treasury's server: where the service is found, the
// bounded wait, the 30-second rule and the kept connection, against real
// servers (a PostgreSQL of the test's own, and a listener that never answers).
class TstServidorRede : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    qint64 m_relogio = 0;

    QString arquivo(const QString &nome) const { return m_dir.filePath(nome); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        qputenv("PGSERVICEFILE", QFile::encodeName(arquivo(QStringLiteral("usuario.conf"))));
        qputenv("PGSYSCONFDIR", QFile::encodeName(arquivo(QStringLiteral("sistema"))));
        m_relogio = 1'000'000;
        Rede::definirRelogio([this] { return m_relogio; });
        Rede::fechar();
    }
    void cleanup()
    {
        Rede::fechar();
        Rede::definirRelogio({});
        QFile::remove(arquivo(QStringLiteral("usuario.conf")));
        QFile::remove(arquivo(QStringLiteral("sistema/pg_service.conf")));
    }

    void oServicoNosArquivosQueOLibpqLe()
    {
        QCOMPARE(Rede::arquivosServico(),
                 (QStringList{arquivo("usuario.conf"), arquivo("sistema") + QStringLiteral("/pg_service.conf")}));
        QVERIFY(!Rede::servicoDefinido());
        // No service: nothing is tried at all.
        QVERIFY(!Rede::ativo());
        QCOMPARE(Rede::tentativas(), 0);

        escreve(arquivo("sistema/pg_service.conf"), "# [caixa]\n[caixa_teste]\nhost=x\n[outro]\n");
        Rede::fechar();
        QVERIFY(!Rede::servicoDefinido());
        escreve(arquivo("sistema/pg_service.conf"), "[outro]\nhost=x\n  [caixa]  \nhost=y\n");
        Rede::fechar();
        QVERIFY(Rede::servicoDefinido());
        // Read once per run: the file gone changes nothing until the connection is closed.
        QFile::remove(arquivo("sistema/pg_service.conf"));
        QVERIFY(Rede::servicoDefinido());
        Rede::fechar();
        QVERIFY(!Rede::servicoDefinido());

        escreve(arquivo("usuario.conf"), "[caixa]\nhost=z\n");
        Rede::fechar();
        QVERIFY(Rede::servicoDefinido());

        // Without PGSERVICEFILE the user's file is ~/.pg_service.conf; without
        // PGSYSCONFDIR the system's is Debian's.
        const QByteArray casa = qgetenv("HOME");
        qunsetenv("PGSERVICEFILE");
        qunsetenv("PGSYSCONFDIR");
        qputenv("HOME", QFile::encodeName(arquivo("casa")));
        QCOMPARE(Rede::arquivosServico(), (QStringList{arquivo("casa") + QStringLiteral("/.pg_service.conf"),
                                                       QStringLiteral("/etc/postgresql-common/pg_service.conf")}));
        escreve(arquivo("casa/.pg_service.conf"), "[caixa]\nhost=z\n");
        Rede::fechar();
        const bool definido = Rede::servicoDefinido();
        qputenv("HOME", casa);
        QVERIFY(definido);
    }

    void umServidorQueNaoRespondeNaoSeguraALeitura()
    {
        // It takes the connection and never says a word (a server hung, a
        // network that swallows the packets).
        QTcpServer mudo;
        QVERIFY(mudo.listen(QHostAddress::LocalHost));
        escreve(arquivo("usuario.conf"), QStringLiteral("[caixa]\nhostaddr=127.0.0.1\nport=%1\ndbname=caixa\n"
                                                        "user=caixa\n")
                                             .arg(mudo.serverPort())
                                             .toUtf8());
        QElapsedTimer t;
        t.start();
        QVERIFY(!Rede::ativo());
        const qint64 primeira = t.elapsed();
        QCOMPARE(Rede::tentativas(), 1);
        QVERIFY2(primeira < 6000, qPrintable(QStringLiteral("waited %1 ms").arg(primeira)));
        QVERIFY(!Rede::ultimaFalha().isEmpty());

        // The readings that follow answer at once, without a new attempt...
        t.restart();
        for (int i = 0; i < 5; ++i) {
            m_relogio += 5000; // 25 s in all
            QVERIFY(!Rede::ativo());
        }
        QCOMPARE(Rede::tentativas(), 1);
        QVERIFY2(t.elapsed() < 1000, qPrintable(QStringLiteral("took %1 ms").arg(t.elapsed())));
        QSqlError erro;
        QVERIFY(!Rede::consulta(QStringLiteral("SELECT 1"), {}, &erro));
        QCOMPARE(erro.type(), QSqlError::ConnectionError);
        QCOMPARE(Rede::tentativas(), 1);
        // ... until 30 seconds have passed since the failed one.
        m_relogio += 4999;
        QVERIFY(!Rede::ativo());
        QCOMPARE(Rede::tentativas(), 1);
        m_relogio += 1;
        QVERIFY(!Rede::ativo());
        QCOMPARE(Rede::tentativas(), 2);
    }

    void aConexaoFicaAbertaEVoltaQuandoPerdida()
    {
        TestSupport::ServidorPostgres servidor;
        QVERIFY2(servidor.ok(), qPrintable(servidor.erro()));
        QVERIFY2(servidor.arquivoSql(QStringLiteral(CAIXA_SOURCE_DIR "/db/rede.sql")), qPrintable(servidor.erro()));
        QVERIFY2(servidor.copia(QStringLiteral("RECEBIMENTOS1 (CODBARRA)"), {"111", "111", "222"}),
                 qPrintable(servidor.erro()));
        QVERIFY(servidor.escreveServico(arquivo("usuario.conf")));

        const QString pergunta = QStringLiteral("SELECT ID FROM RECEBIMENTOS1 where CODBARRA = ?;");
        QSqlError erro;
        QVERIFY2(Rede::ativo(), qPrintable(Rede::ultimaFalha()));
        auto linhas = Rede::consulta(pergunta, {QStringLiteral("111")}, &erro);
        QVERIFY2(linhas, qPrintable(erro.text()));
        QCOMPARE(linhas->size(), 2);
        QCOMPARE(linhas->at(0).size(), 1);
        // The value is bound, never part of the statement.
        linhas = Rede::consulta(pergunta, {QStringLiteral("' OR '1'='1")}, &erro);
        QVERIFY(linhas && linhas->isEmpty());
        for (int i = 0; i < 20; ++i)
            QVERIFY(Rede::ativo());
        QCOMPARE(Rede::tentativas(), 1);

        // A statement the server refuses leaves the connection as it was.
        QVERIFY(!Rede::consulta(QStringLiteral("SELECT ID FROM NAO_EXISTE where CODBARRA = ?"), {"1"}, &erro));
        QVERIFY(erro.databaseText().contains(QLatin1String("nao_existe")));
        QCOMPARE(erro.nativeErrorCode(), QStringLiteral("42P01"));
        QVERIFY(Rede::ativo());
        QCOMPARE(Rede::tentativas(), 1);

        // Restarted between two readings: the lost connection is opened again at once.
        QVERIFY(servidor.para());
        QVERIFY2(servidor.inicia(), qPrintable(servidor.erro()));
        QVERIFY2(Rede::ativo(), qPrintable(Rede::ultimaFalha()));
        QCOMPARE(Rede::tentativas(), 2);
        linhas = Rede::consulta(pergunta, {QStringLiteral("222")}, &erro);
        QVERIFY2(linhas && linhas->size() == 1, qPrintable(erro.text()));

        // Down: one attempt, then nothing until 30 s later.
        QVERIFY(servidor.para());
        QVERIFY(!Rede::ativo());
        QCOMPARE(Rede::tentativas(), 3);
        QVERIFY2(servidor.inicia(), qPrintable(servidor.erro()));
        m_relogio += 29'999;
        QVERIFY(!Rede::ativo());
        QCOMPARE(Rede::tentativas(), 3);
        m_relogio += 1;
        QVERIFY2(Rede::ativo(), qPrintable(Rede::ultimaFalha()));
        QCOMPARE(Rede::tentativas(), 4);
        QVERIFY(Rede::ultimaFalha().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstServidorRede)
#include "tst_servidor_rede.moc"
