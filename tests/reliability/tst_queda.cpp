// A process recording items is killed with SIGKILL at random moments; after
// each kill the database is whole, no movement repeats an authentication
// number, every row is whole, and the receipt file never runs ahead of the
// rows nor ends in a torn block.
#include "item_teste.h"

#include "data_access.h"
#include "test_support.h"
#include "text_file.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
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

// The authentication numbers of the receipt file, in order; false when the
// file does not end on a whole item block.
bool autenticacoesDoArquivo(const QString &arquivo, QList<int> *aut, QString *porque)
{
    const QByteArray bytes = TestSupport::readFile(arquivo);
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith("\r\n")) {
        *porque = QStringLiteral("the file ends in the middle of a line");
        return false;
    }
    const QStringList linhas = TextFile::decode(bytes).split(QStringLiteral("\r\n"));
    static const QRegularExpression linhaAut(QStringLiteral("^Aut: (\\d+)\\t"));
    // A block: 3 payment lines, an empty one, "Aut:" and "COD.:" (6 lines).
    int noBloco = 0;
    for (const QString &l : linhas.mid(0, linhas.size() - 1)) {
        ++noBloco;
        if (noBloco == 5) {
            const auto m = linhaAut.match(l);
            if (!m.hasMatch()) {
                *porque = QStringLiteral("not an authentication line: ") + l;
                return false;
            }
            *aut << m.captured(1).toInt();
        }
        if (noBloco == 6) {
            if (!l.startsWith(QLatin1String("COD.: "))) {
                *porque = QStringLiteral("not a code line: ") + l;
                return false;
            }
            noBloco = 0;
        }
    }
    if (noBloco != 0) {
        *porque = QStringLiteral("the last block has %1 of its 6 lines").arg(noBloco);
        return false;
    }
    return true;
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
    QList<int> faltamNoArquivo;
    int linhasAntes = 0;
    for (int k = 0; k < quedas; ++k) {
        QProcess filho;
        filho.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        filho.start(QStringLiteral(CAIXA_AUXILIAR), {QStringLiteral("grava"), QString::number(idMovimento)});
        QVERIFY2(filho.waitForStarted(10000), "helper did not start");
        QByteArray lido;
        while (!lido.contains("pronto") && filho.waitForReadyRead(10000))
            lido += filho.readAllStandardOutput();
        QVERIFY2(lido.contains("pronto"), "helper recorded nothing");
        // Anywhere from within the first item's file line to some items later.
        QThread::usleep(sorte.bounded(30000));
        ::kill(pid_t(filho.processId()), SIGKILL);
        QVERIFY(filho.waitForFinished(10000));
        QCOMPARE(filho.exitStatus(), QProcess::CrashExit);

        Leitura l(banco);
        const QString ctx = QStringLiteral("after kill %1").arg(k + 1);
        QCOMPARE(l.linhas(QStringLiteral("PRAGMA integrity_check")).value(0).value(0).toString(), QStringLiteral("ok"));
        QVERIFY2(l.linhas(QStringLiteral("SELECT IDMOVIMENTO, AUTENTICA FROM Recebimentos GROUP BY IDMOVIMENTO, "
                                         "AUTENTICA HAVING COUNT(*) > 1"))
                     .isEmpty(),
                 qPrintable(ctx));
        const QList<QVariantList> rows =
            l.linhas(QStringLiteral("SELECT AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, VALOR, VENCIMENTO, PARCELA, OBS, "
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
        linhasAntes = int(rows.size());

        QList<int> noArquivo;
        QString porque;
        QVERIFY2(autenticacoesDoArquivo(arquivo, &noArquivo, &porque), qPrintable(ctx + QStringLiteral(": ") + porque));
        // The file only ever holds recorded items, in order, and a kill can
        // cost it at most the item being recorded: the last row.
        QList<int> faltam;
        int j = 0;
        for (int a = 1; a <= rows.size(); ++a) {
            if (j < noArquivo.size() && noArquivo.at(j) == a)
                ++j;
            else
                faltam << a;
        }
        QVERIFY2(j == noArquivo.size(), qPrintable(ctx + QStringLiteral(": the file names an item with no row")));
        for (int a : faltam)
            if (!faltamNoArquivo.contains(a)) {
                QVERIFY2(a == rows.size(), qPrintable(ctx + QStringLiteral(": item %1 is missing from the file").arg(a)));
                faltamNoArquivo << a;
            }
    }
    qInfo("%d kills, %d items recorded, %lld items recorded but not in the receipt file", quedas, linhasAntes,
          qlonglong(faltamNoArquivo.size()));
}

QTEST_GUILESS_MAIN(TstQueda)
#include "tst_queda.moc"
