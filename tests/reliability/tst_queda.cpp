// A process recording items is killed with SIGKILL at random moments; after
// each kill the database is whole, no movement repeats an authentication
// number, every row is whole, and the receipt file never runs ahead of the
// rows. The next recording keeps the file as the kill left it and starts its
// block on a line of its own.
#include "item_teste.h"

#include "data_access.h"
#include "test_support.h"
#include "text_file.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QtTest>
#include <csignal>

namespace {

// A connection of the test's own, opened after each kill (it recovers the WAL).
class Leitura {
public:
    explicit Leitura(const QString &caminho)
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        m_db.setDatabaseName(caminho);
        m_db.open();
    }
    ~Leitura()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("verifica"));
    }
    QList<QVariantList> linhas(const QString &sql)
    {
        QSqlQuery q(m_db);
        QList<QVariantList> out;
        if (!q.exec(sql))
            return {{QStringLiteral("erro: ") + q.lastError().text()}};
        while (q.next()) {
            QVariantList l;
            for (int i = 0; i < q.record().count(); ++i)
                l << q.value(i);
            out << l;
        }
        return out;
    }

private:
    QSqlDatabase m_db;
};

QByteArray bytesDoBloco(int autentica) { return TextFile::linesToBytes(ItemTeste::bloco(autentica)); }

// Runs the helper recording items; "quantos" 0 records until it is killed.
bool iniciaGravacao(QProcess &filho, int idMovimento, int quantos)
{
    filho.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    filho.start(QStringLiteral(CAIXA_AUXILIAR),
                {QStringLiteral("grava"), QString::number(idMovimento), QString::number(quantos)});
    return filho.waitForStarted(10000);
}

} // namespace

class TstQueda : public QObject {
    Q_OBJECT
private slots:
    void mortoAoGravar();
};

void TstQueda::mortoAoGravar()
{
    TestSupport::ProgramFolder pasta;
    QSqlQuery q(Conexao::banco());
    QVERIFY(q.exec(QStringLiteral("INSERT INTO Movimento (MOV, MDATA, STATUS) VALUES (1, '2026-12-09', 'ABERTO')")));
    const int idMovimento = q.lastInsertId().toInt();
    q.finish();
    Conexao::fechar();
    const QString banco = pasta.file(QStringLiteral("caixa.db"));
    const QString arquivo = pasta.file(QStringLiteral("Receb_1_20261209.txt"));

    const int quedas = qEnvironmentVariableIntValue("CAIXA_CONFIAB_QUEDAS") > 0
                           ? qEnvironmentVariableIntValue("CAIXA_CONFIAB_QUEDAS")
                           : 100;
    QRandomGenerator sorte(quint32(qEnvironmentVariableIntValue("CAIXA_CONFIAB_SEMENTE") + 20261209));
    // The file as it stood after the last whole recording, and the rows then.
    QByteArray conferido;
    int linhasAntes = 0;
    int ultimoFora = 0;
    for (int k = 0; k < quedas; ++k) {
        QProcess filho;
        QVERIFY2(iniciaGravacao(filho, idMovimento, 0), "helper did not start");
        QByteArray lido;
        while (!lido.contains("pronto") && filho.waitForReadyRead(10000))
            lido += filho.readAllStandardOutput();
        QVERIFY2(lido.contains("pronto"), "helper recorded nothing");
        // Anywhere from within the first item's file line to some items later.
        QThread::usleep(sorte.bounded(30000));
        ::kill(pid_t(filho.processId()), SIGKILL);
        QVERIFY(filho.waitForFinished(10000));
        QCOMPARE(filho.exitStatus(), QProcess::CrashExit);

        const QString ctx = QStringLiteral("after kill %1").arg(k + 1);
        int linhas = 0;
        {
            Leitura l(banco);
            QCOMPARE(l.linhas(QStringLiteral("PRAGMA integrity_check")).value(0).value(0).toString(), QStringLiteral("ok"));
            QVERIFY2(l.linhas(QStringLiteral("SELECT IDMOVIMENTO, AUTENTICA FROM Recebimentos GROUP BY IDMOVIMENTO, "
                                             "AUTENTICA HAVING COUNT(*) > 1"))
                         .isEmpty(),
                     qPrintable(ctx));
            const QList<QVariantList> rows = l.linhas(
                QStringLiteral("SELECT AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, VALOR, VENCIMENTO, PARCELA, OBS, "
                               "INTEGRA, EXPORT FROM Recebimentos ORDER BY AUTENTICA"));
            QVERIFY2(rows.size() > linhasAntes, qPrintable(ctx + QStringLiteral(": no new row")));
            for (int i = 0; i < rows.size(); ++i) {
                const QVariantList &r = rows.at(i);
                const int aut = r.at(0).toInt();
                QCOMPARE(aut, i + 1); // numbered without a gap
                const LinhaSoma e = ItemTeste::linha(aut);
                const QVariantList esperado{aut, e.codBarra, idMovimento, e.idTipo, e.valor.raw(), e.vencimento,
                                            e.parcela, e.obs, 0, 0};
                for (int c = 0; c < esperado.size(); ++c)
                    QVERIFY2(r.at(c).toString() == esperado.at(c).toString(),
                             qPrintable(ctx + QStringLiteral(": row %1 column %2 reads %3").arg(aut).arg(c).arg(r.at(c).toString())));
            }
            linhas = int(rows.size());
        }

        // After the kill: the file checked before, then the killed process's
        // items in order, each a whole block but the last recorded one, which
        // may be whole, cut anywhere, or absent. Nothing with no row.
        const QByteArray aposQueda = TestSupport::readFile(arquivo);
        QVERIFY2(aposQueda.startsWith(conferido), qPrintable(ctx + QStringLiteral(": the file before it changed")));
        qsizetype pos = conferido.size();
        for (int a = linhasAntes + 1; a < linhas; ++a) {
            const QByteArray bloco = bytesDoBloco(a);
            QVERIFY2(aposQueda.mid(pos, bloco.size()) == bloco,
                     qPrintable(ctx + QStringLiteral(": item %1 is not whole in the file").arg(a)));
            pos += bloco.size();
        }
        const QByteArray resto = aposQueda.mid(pos);
        const QByteArray ultimo = bytesDoBloco(linhas);
        QVERIFY2(ultimo.startsWith(resto), qPrintable(ctx + QStringLiteral(": the file runs ahead of the rows")));
        if (resto != ultimo)
            ++ultimoFora;

        // The next recording, to its end: the file as the kill left it, a
        // line end closing a cut line, and the new item's whole block.
        QProcess seguinte;
        QVERIFY2(iniciaGravacao(seguinte, idMovimento, 1), "helper did not start");
        QVERIFY(seguinte.waitForFinished(10000));
        QCOMPARE(seguinte.exitStatus(), QProcess::NormalExit);
        QCOMPARE(seguinte.exitCode(), 0);
        QByteArray esperado = aposQueda;
        if (!esperado.isEmpty() && !esperado.endsWith('\n'))
            esperado += "\r\n";
        esperado += bytesDoBloco(linhas + 1);
        conferido = TestSupport::readFile(arquivo);
        QVERIFY2(conferido == esperado, qPrintable(ctx + QStringLiteral(": the next recording's file reads ")
                                                   + QString::fromLatin1(conferido.right(600).toPercentEncoding(" :\t"))));
        linhasAntes = linhas + 1;
    }
    qInfo("%d kills, %d items recorded, the last recorded item left out of the receipt file after %d kills", quedas,
          linhasAntes, ultimoFora);
}

QTEST_GUILESS_MAIN(TstQueda)
#include "tst_queda.moc"
