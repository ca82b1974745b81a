#include "data_access.h"
#include "currency.h"
#include "error_report.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kConnection = QStringLiteral("caixa");
int g_transactionDepth = 0;
// An inner rollback dooms the outermost transaction.
bool g_doomed = false;

// What the failures a teller can meet mean, ahead of the engine's own text.
QString explicacao(int codigo)
{
    switch (codigo & 0xFF) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QStringLiteral("O banco de dados está em uso por outro programa.");
    case 8: // SQLITE_READONLY
        return QStringLiteral("O banco de dados está somente leitura.");
    case 10: // SQLITE_IOERR
        return QStringLiteral("Erro de leitura ou gravação no disco.");
    case 11: // SQLITE_CORRUPT
        return QStringLiteral("O banco de dados está danificado.");
    case 13: // SQLITE_FULL
        return QStringLiteral("O disco está cheio.");
    case 14: // SQLITE_CANTOPEN
        return QStringLiteral("Não foi possível abrir o arquivo do banco de dados.");
    case 26: // SQLITE_NOTADB
        return QStringLiteral("O arquivo não é um banco de dados.");
    default:
        return QString();
    }
}

CaixaError fromSql(const QSqlError &e)
{
    bool ok = false;
    int n = e.nativeErrorCode().toInt(&ok);
    if (!ok)
        n = -1;
    QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    if (!e.driverText().isEmpty() && !e.databaseText().isEmpty() && e.driverText() != e.databaseText())
        text = e.databaseText();
    if (const QString pt = explicacao(n); !pt.isEmpty())
        text = pt + QStringLiteral(" (") + text + QLatin1Char(')');
    return CaixaError(n, text, QStringLiteral("SQLite"));
}

CaixaError notOpen()
{
    return CaixaError(3709, QStringLiteral("A conexão com o banco de dados não está aberta."),
                      QStringLiteral("SQLite"));
}

QVariant bindable(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return v;
    switch (v.userType()) {
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        break;
    }
    if (v.userType() == qMetaTypeId<Currency>())
        return QVariant::fromValue<qlonglong>(v.value<Currency>().raw());
    return v;
}

// Prepares and runs the statement; on failure fills err and answers false.
bool run(QSqlQuery &q, const QString &sql, const SqlParams &params, CaixaError *err)
{
    if (!Conexao::aberta()) {
        *err = notOpen();
        return false;
    }
    if (sql.trimmed().isEmpty()) {
        *err = CaixaError(3021, QStringLiteral("Comando SQL vazio."), QStringLiteral("SQLite"));
        return false;
    }
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        *err = fromSql(q.lastError());
        return false;
    }
    for (const QVariant &p : params)
        q.addBindValue(bindable(p));
    if (!q.exec()) {
        *err = fromSql(q.lastError());
        return false;
    }
    return true;
}

bool fetchAll(QSqlQuery &q, QStringList *names, QVector<QVector<QVariant>> *rows)
{
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        names->append(rec.fieldName(i));
    while (q.next()) {
        QVector<QVariant> row;
        row.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            row.append(q.value(i));
        rows->append(std::move(row));
    }
    return !q.lastError().isValid();
}

void report(const CaixaError &e, const QString &place)
{
    Aplicativos::Trata_erro(e, place);
}

} // namespace

namespace Conexao {

bool abrir(const QString &path)
{
    fechar();
    auto fail = [](const CaixaError &e) {
        Aplicativos::Err().set(e);
        if (QSqlDatabase::contains(kConnection))
            QSqlDatabase::removeDatabase(kConnection);
        return false;
    };
    if (!QFileInfo::exists(path))
        return fail(CaixaError(3024, QStringLiteral("Não foi possível encontrar o arquivo '%1'.").arg(path),
                               QStringLiteral("SQLite")));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open())
            return fail(fromSql(db.lastError()));
        QSqlQuery q(db);
        // Reading the schema proves the file is a database at all.
        const QStringList pragmas = {QStringLiteral("PRAGMA journal_mode=WAL"),
                                     QStringLiteral("PRAGMA synchronous=FULL"),
                                     QStringLiteral("PRAGMA foreign_keys=OFF"),
                                     QStringLiteral("SELECT count(*) FROM sqlite_master")};
        for (const QString &p : pragmas) {
            if (!q.exec(p)) {
                CaixaError e = fromSql(q.lastError());
                q.finish();
                db.close();
                return fail(e);
            }
            q.finish();
        }
        if (!db.tables().contains(QStringLiteral("Movimento"), Qt::CaseInsensitive)) {
            db.close();
            return fail(CaixaError(3078, QStringLiteral("O arquivo '%1' não contém as tabelas do caixa.").arg(path),
                                   QStringLiteral("SQLite")));
        }
    }
    return true;
}

void fechar()
{
    if (!QSqlDatabase::contains(kConnection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(kConnection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
    g_transactionDepth = 0;
    g_doomed = false;
}

bool aberta()
{
    return QSqlDatabase::contains(kConnection) && QSqlDatabase::database(kConnection, false).isOpen();
}

QSqlDatabase banco()
{
    return QSqlDatabase::database(kConnection, false);
}

} // namespace Conexao

std::optional<SqlArray> clsDataAccess::SQLSelectAllArray(const QString &sql, const SqlParams &params)
{
    const RecordsetPtr rs = selectQuiet(sql, params);
    if (!rs) {
        Aplicativos::Trata_erro(QStringLiteral("Função SQLSelectAllArray_Error em clsDataAccess"));
        return std::nullopt;
    }
    if (rs->RecordCount() == 0)
        return std::nullopt;
    const auto &rows = rs->rows();
    SqlArray out(rs->FieldCount());
    for (int f = 0; f < rs->FieldCount(); ++f) {
        out[f].reserve(rows.size());
        for (const auto &row : rows)
            out[f].append(row.at(f));
    }
    return out;
}

RecordsetPtr clsDataAccess::selectQuiet(const QString &sql, const SqlParams &params)
{
    CaixaError err(0, {}, {});
    QStringList names;
    QVector<QVector<QVariant>> rows;
    QSqlQuery q(Conexao::banco());
    if (!run(q, sql, params, &err) || !fetchAll(q, &names, &rows)) {
        if (err.number == 0 && err.description.isEmpty())
            err = fromSql(q.lastError());
        Aplicativos::Err().set(err);
        return nullptr;
    }
    return std::make_shared<Recordset>(std::move(names), std::move(rows));
}

bool clsDataAccess::percorreQuiet(const QString &sql, const SqlParams &params,
                                  const std::function<void(const QSqlQuery &)> &cadaLinha)
{
    CaixaError err(0, {}, {});
    QSqlQuery q(Conexao::banco());
    if (run(q, sql, params, &err)) {
        while (q.next())
            cadaLinha(q);
        if (!q.lastError().isValid())
            return true;
    }
    if (err.number == 0 && err.description.isEmpty())
        err = fromSql(q.lastError());
    Aplicativos::Err().set(err);
    return false;
}

RecordsetPtr clsDataAccess::SQLSelect_ReadOnly(const QString &sql, const SqlParams &params)
{
    RecordsetPtr rs = selectQuiet(sql, params);
    if (!rs)
        Aplicativos::Trata_erro(QStringLiteral("Função sqlSelect_ReadyOnly em clsDataAccess"));
    return rs;
}

bool clsDataAccess::SQLExecute(const QString &sql, const SqlParams &params, qint64 *insertId, int *rowsAffected)
{
    CaixaError err(0, {}, {});
    bool ok = false;
    {
        Transacao t;
        QSqlQuery q(Conexao::banco());
        if (!t.ativa()) {
            err = Conexao::aberta() ? fromSql(Conexao::banco().lastError()) : notOpen();
        } else if (run(q, sql, params, &err)) {
            const QVariant id = q.lastInsertId();
            const int affected = q.numRowsAffected();
            q.finish();
            if (t.commit()) {
                ok = true;
                if (insertId && id.isValid())
                    *insertId = id.toLongLong();
                if (rowsAffected)
                    *rowsAffected = affected;
            } else {
                err = fromSql(Conexao::banco().lastError());
            }
        }
    }
    if (!ok)
        report(err, QStringLiteral("Função SQLExecute em clsDataAccess"));
    return ok;
}

bool clsDataAccess::CheckValidRecordset(const RecordsetPtr &rs)
{
    return rs && !rs->Bof() && !rs->Eof();
}

Transacao::Transacao()
{
    if (!Conexao::aberta())
        return;
    if (g_transactionDepth == 0) {
        if (!Conexao::banco().transaction())
            return;
        g_doomed = false;
    }
    ++g_transactionDepth;
    m_active = true;
}

Transacao::~Transacao()
{
    if (m_active)
        rollback();
}

bool Transacao::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (--g_transactionDepth > 0)
        return !g_doomed; // the outermost one decides
    if (!g_doomed && Conexao::banco().commit())
        return true;
    Conexao::banco().rollback();
    return false;
}

void Transacao::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    g_doomed = true;
    if (--g_transactionDepth == 0)
        Conexao::banco().rollback();
}

bool Transacao::emAndamento()
{
    return g_transactionDepth > 0;
}
