#pragma once
#include "recordset.h"

#include <QString>
#include <QVariantList>
#include <QVector>
#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlQuery;
class QSqlError;

// A query's rows as a field-by-row array: array[field][row].
using SqlArray = QVector<QVector<QVariant>>;
// Values bound to the statement's "?" placeholders, in order. QDate binds as
// 'YYYY-MM-DD', QDateTime as 'YYYY-MM-DD HH:MM:SS', Currency as its whole
// number of ten-thousandths.
using SqlParams = QVariantList;

// The one database connection of the run.
namespace Conexao {
// Opens caixa.db at the path. The file must exist: it is never created here.
// On failure the pending error (Aplicativos::Err) holds why.
bool abrir(const QString &path);
void fechar();
bool aberta();
QSqlDatabase banco();
}

// The only road to the database. Every value is bound, never written into the
// statement. Errors are shown through the error report with the operation's
// place text, and the operation answers False, nothing or no rows.
class clsDataAccess {
public:
    std::optional<SqlArray> SQLSelectAllArray(const QString &sql, const SqlParams &params = {});
    RecordsetPtr SQLSelect_ReadOnly(const QString &sql, const SqlParams &params = {});
    // Runs one action statement in its own transaction (or inside the
    // caller's open Transacao). insertId receives the new row's id only when
    // the statement succeeded.
    bool SQLExecute(const QString &sql, const SqlParams &params = {}, qint64 *insertId = nullptr,
                    int *rowsAffected = nullptr);
    static bool CheckValidRecordset(const RecordsetPtr &rs);

    // Like SQLSelect_ReadOnly, without showing anything: the error is left in
    // Aplicativos::Err for the caller to handle.
    static RecordsetPtr selectQuiet(const QString &sql, const SqlParams &params = {});
    // Hands each row to cadaLinha as it is read (values by their position in
    // the select list) instead of copying all of them first. False on error,
    // left in Aplicativos::Err like selectQuiet.
    static bool percorreQuiet(const QString &sql, const SqlParams &params,
                              const std::function<void(const QSqlQuery &linha)> &cadaLinha);
};

// Several writes that stand or fall together. Statements run through
// clsDataAccess while one is open join it; the destructor rolls back what
// was not committed.
class Transacao {
public:
    Transacao();
    ~Transacao();
    Transacao(const Transacao &) = delete;
    Transacao &operator=(const Transacao &) = delete;
    bool ativa() const { return m_active; }
    // False (and rolled back) when the commit failed.
    bool commit();
    void rollback();
    static bool emAndamento();

private:
    bool m_active = false;
};
