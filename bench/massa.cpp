#include "massa.h"

#include "abre_bd.h"
#include "codigo_barras.h"
#include "comum.h"
#include "data_access.h"
#include "gerador_codigos.h"
#include "globals.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace Massa {

namespace {

const char *const empresas[] = {"0123", "0124", "0456"};

// The type of the n-th item of a day: collections, then bank documents,
// other documents and a share of loose payments (code of zeros).
int tipoDoItem(qint64 n)
{
    const int r = int(n % 20);
    return r < 6 ? 1 : r < 10 ? 2 : r < 14 ? 3 : r < 17 ? 4 : r < 19 ? 5 : 0;
}

bool executa(QSqlQuery &q, const QString &sql)
{
    if (q.exec(sql))
        return true;
    qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return false;
}

QList<QDate> diasUteis()
{
    QList<QDate> dias;
    for (QDate d = diaMedido().addYears(-1); d < diaMedido(); d = d.addDays(1))
        if (d.dayOfWeek() < Qt::Saturday)
            dias << d;
    return dias;
}

struct Insercoes {
    explicit Insercoes(QSqlDatabase &db) : mov(db), rec(db), san(db), itens(db), conf(db), rec1(db), cont(db)
    {
        mov.prepare(QStringLiteral("INSERT INTO Movimento (MOV, MDATA, ENTRADA, VALOR_ARRECADADO, SAIDA, SUPRIMENTO, "
                                   "STATUS) VALUES (?, ?, ?, ?, ?, 0, ?)"));
        rec.prepare(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, INTEGRA, EXPORT, "
                                   "VALOR, VENCIMENTO, PARCELA, OBS) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        san.prepare(QStringLiteral("INSERT INTO Sangria (DESCRICAO, TIPO, IDMOVIMENTO, SDATA, ENTRADA, SAIDA) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"));
        itens.prepare(QStringLiteral("INSERT INTO Itens (ESPECIE, IDSANGRIA, NUMERO, VALOR) VALUES (?, ?, ?, ?)"));
        conf.prepare(QStringLiteral("INSERT INTO ConfCaixa (ESPECIE, IDMOVIMENTO, NUMERO, VALOR) VALUES (?, ?, ?, ?)"));
        rec1.prepare(QStringLiteral("INSERT INTO RECEBIMENTOS1 (CODBARRA) VALUES (?)"));
        cont.prepare(QStringLiteral("INSERT OR REPLACE INTO Contador (ANO, CONTADOR) VALUES (?, ?)"));
    }
    QSqlQuery mov, rec, san, itens, conf, rec1, cont;

    bool roda(QSqlQuery &q, const QVariantList &valores)
    {
        for (int i = 0; i < valores.size(); ++i)
            q.bindValue(i, valores.at(i));
        if (q.exec())
            return true;
        qWarning("insert failed: %s", qPrintable(q.lastError().text()));
        return false;
    }

    // One received item; its value in ten-thousandths.
    qint64 recebimento(int autentica, qint64 serial, int idMov, const QDate &dia, int integra, int exporta, int tipo,
                       QRandomGenerator &g)
    {
        const qint64 centavos = 1000 + g.bounded(49000);
        const QDate venc = dia.addDays(g.bounded(-20, 30));
        QString cod, vencimento, parcela, obs;
        int idTipo = tipo;
        if (tipo == 0) {
            idTipo = 1 + int(serial % 5);
            cod = QString(CodigoBarras::Tamanho, QLatin1Char('0'));
            vencimento = venc.toString(QStringLiteral("yyyyMMdd"));
            parcela = QString::number(1 + serial % 12);
            obs = QStringLiteral("PAGAMENTO AVULSO %1").arg(serial);
        } else {
            cod = codigo(tipo, serial, centavos, venc);
        }
        const bool ok = roda(rec, {autentica, cod, idMov, idTipo, integra, tipo == 0 ? 1 : exporta,
                                   centavos * 100, vencimento, parcela, obs});
        return ok ? centavos * 100 : -1;
    }
};

bool preenche(QSqlDatabase &db, int recebimentos)
{
    QSqlQuery q(db);
    if (!executa(q, QStringLiteral("PRAGMA synchronous=OFF")) || !executa(q, QStringLiteral("PRAGMA cache_size=-262144"))
        || !db.transaction())
        return false;
    Insercoes ins(db);
    QRandomGenerator g(20261209);
    const QList<QDate> dias = diasUteis();
    QHash<int, int> contadores;
    qint64 serial = 0;
    for (int d = 0; d < dias.size(); ++d) {
        const QDate dia = dias.at(d);
        const int mov = ++contadores[dia.year()];
        if (!ins.roda(ins.mov, {mov, dia.toString(Qt::ISODate), 0, 0, 0, QStringLiteral("FECHADO")}))
            return false;
        const int idMov = ins.mov.lastInsertId().toInt();
        const int doDia = recebimentos / int(dias.size()) + (d < recebimentos % dias.size() ? 1 : 0);
        qint64 arrecadado = 0;
        for (int a = 1; a <= doDia; ++a, ++serial) {
            const qint64 v = ins.recebimento(a, serial, idMov, dia, 1, 1, tipoDoItem(serial), g);
            if (v < 0)
                return false;
            arrecadado += v;
        }
        const qint64 entrada = 100000 * 100, saida = qint64(g.bounded(1000, 5000)) * 10000;
        if (!ins.roda(ins.san, {QStringLiteral("TROCO INICIAL"), QStringLiteral("ENTRADA"), idMov,
                                dia.toString(Qt::ISODate), entrada, 0})
            || !ins.roda(ins.san, {QStringLiteral("RECOLHIMENTO AO COFRE"), QStringLiteral("SANGRIA"), idMov,
                                   dia.toString(Qt::ISODate), 0, saida}))
            return false;
        const int idSangria = ins.san.lastInsertId().toInt();
        for (int especie = 101; especie <= 103; ++especie)
            if (!ins.roda(ins.itens, {especie, idSangria, QString(), saida / 3})
                || !ins.roda(ins.conf, {especie, idMov, QString(), (arrecadado + entrada - saida) / 3}))
                return false;
        if (!executa(q, QStringLiteral("UPDATE Movimento SET ENTRADA = %1, SAIDA = %2, VALOR_ARRECADADO = %3 "
                                       "WHERE ID = %4").arg(entrada).arg(saida).arg(arrecadado).arg(idMov)))
            return false;
    }
    // Codes received at the other stations.
    for (qint64 i = 0; i < recebimentos / 4; ++i) {
        const qint64 s = 900000000LL + i;
        if (!ins.roda(ins.rec1, {codigo(1 + int(i % 4), s, 1000 + i % 9000, diaMedido().addDays(-int(i % 300)))}))
            return false;
    }
    for (auto it = contadores.cbegin(); it != contadores.cend(); ++it)
        if (!ins.roda(ins.cont, {it.key(), it.value()}))
            return false;
    return db.commit() && executa(q, QStringLiteral("PRAGMA optimize"));
}

bool geraDireto(const QString &caminho, int recebimentos)
{
    QFile::remove(caminho);
    if (!TestSupport::createDatabase(caminho, true))
        return false;
    const QString nome = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(caminho);
        ok = db.open() && preenche(db, recebimentos);
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return ok;
}

} // namespace

QString codigo(int tipo, qint64 serial, qint64 centavos, const QDate &vencimento)
{
    using namespace Gerador;
    switch (tipo) {
    case 1:
    case 2:
    case 3: {
        static const char ids[] = {'6', '7', '8', '9'};
        return arrecadacao(QLatin1Char(ids[serial % 4]), centavos, QString::fromLatin1(empresas[tipo - 1]), vencimento,
                           zeros(serial, 17));
    }
    case 4: {
        // Factor of the second cycle (from 22/02/2025 on starts again at 1000).
        const int fator = int(QDate(2025, 2, 22).daysTo(vencimento)) + 1000;
        return bancario(QStringLiteral("001"), fator, centavos, QStringLiteral("12345") + zeros(serial, 20));
    }
    default: {
        const int fator = int(QDate(2025, 2, 22).daysTo(vencimento)) + 1000;
        return QStringLiteral("12390") + zeros(fator, 4) + zeros(centavos, 10) + QStringLiteral("00001")
               + QStringLiteral("001") + zeros(serial, 17);
    }
    }
}

bool geraBase(const QString &caminho, int recebimentos)
{
    const QString cache = qEnvironmentVariable("CAIXA_BENCH_CACHE");
    if (cache.isEmpty())
        return geraDireto(caminho, recebimentos);
    QDir().mkpath(cache);
    const QString guardado = QDir(cache).filePath(QStringLiteral("base_%1.db").arg(recebimentos));
    if (!QFile::exists(guardado)) {
        Bench::nota(QStringLiteral("gerando %1 recebimentos...").arg(recebimentos));
        if (!geraDireto(guardado + QStringLiteral(".tmp"), recebimentos)
            || !QFile::rename(guardado + QStringLiteral(".tmp"), guardado))
            return false;
    }
    QFile::remove(caminho);
    return QFile::copy(guardado, caminho);
}

Pasta::Pasta(int recebimentos, const QStringList &extraConfig)
{
    folder = std::make_unique<TestSupport::ProgramFolder>(
        TestSupport::ProgramFolder::Options{false, true, true, false, extraConfig});
    if (!geraBase(folder->file(QStringLiteral("caixa.db")), recebimentos))
        qFatal("could not generate the database");
    AbreBD::gDataAccess = std::make_unique<clsDataAccess>();
    if (!AbreBD::Abre_conexao())
        qFatal("could not open the generated database");
    AbreBD::Carrega_variaveis();
    AbreBD::gDataCaixa = diaMedido();
    AbreBD::gUsuario = QStringLiteral("CAIXA 01");
}

int Pasta::abreDia(int itens, int tipo)
{
    QSqlDatabase db = Conexao::banco();
    QSqlQuery q(db);
    if (!db.transaction())
        qFatal("no transaction");
    q.prepare(QStringLiteral("SELECT IFNULL(MAX(CONTADOR), 0) + 1 FROM Contador WHERE ANO = ?"));
    q.addBindValue(diaMedido().year());
    const int mov = q.exec() && q.next() ? q.value(0).toInt() : 1;
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO Contador (ANO, CONTADOR) VALUES (?, ?)"));
    q.addBindValue(diaMedido().year());
    q.addBindValue(mov);
    q.exec();
    q.prepare(QStringLiteral("INSERT INTO Movimento (MOV, MDATA, STATUS) VALUES (?, ?, 'ABERTO')"));
    q.addBindValue(mov);
    q.addBindValue(diaMedido().toString(Qt::ISODate));
    if (!q.exec())
        qFatal("no movement: %s", qPrintable(q.lastError().text()));
    const int idMov = q.lastInsertId().toInt();
    Insercoes ins(db);
    QRandomGenerator g(idMov);
    for (int a = 1; a <= itens; ++a) {
        const qint64 serial = 500000000LL + a;
        if (ins.recebimento(a, serial, idMov, diaMedido(), 0, 0, tipo ? tipo : tipoDoItem(serial), g) < 0)
            qFatal("no item");
    }
    if (!db.commit())
        qFatal("no commit");
    return idMov;
}

QStringList Pasta::amostraCodigos(int quantos) const
{
    QSqlQuery q(Conexao::banco());
    q.exec(QStringLiteral("SELECT MAX(IDRECEBE) FROM Recebimentos"));
    const int maior = q.next() ? q.value(0).toInt() : 0;
    QStringList out;
    QRandomGenerator g(quantos);
    q.prepare(QStringLiteral("SELECT CODBARRA FROM Recebimentos WHERE IDRECEBE = ?"));
    for (int tentativas = 0; out.size() < quantos && maior > 0 && tentativas < quantos * 20; ++tentativas) {
        q.bindValue(0, 1 + g.bounded(maior));
        if (q.exec() && q.next() && !q.value(0).toString().startsWith(QLatin1String("000")))
            out << q.value(0).toString();
    }
    return out;
}

} // namespace Massa
