#pragma once
#include "msg_box.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// What every test starts from: its own program folder with a fresh caixa.db,
// a "Config.ini", scripted message boxes, a fixed clock and no PostgreSQL
// connection service but the one a test writes into the folder's
// "pg_service.conf" (PGSERVICEFILE and PGSYSCONFDIR point into the folder).
namespace TestSupport {

// The project's source folder (golden files, db/*.sql).
QString sourceDir();
QString goldenPath(const QString &relative);
QByteArray readFile(const QString &path);
// Compares bytes with a golden file; with CAIXA_UPDATE_GOLDEN=1 set, writes it instead.
bool matchesGolden(const QByteArray &actual, const QString &relative, QString *why = nullptr);

// A statement on the test database, past the code under test (a failure is
// printed as a warning).
QSqlQuery executa(const QString &sql, const QVariantList &params = {});
// The first field of the first row; invalid when there is no row.
QVariant valor(const QString &sql, const QVariantList &params = {});

// Creates a database at the path from db/schema.sql (and db/demo.sql).
bool createDatabase(const QString &path, bool demo);

class ProgramFolder {
public:
    struct Options {
        bool database = true;
        bool demo = true;
        bool config = true;
        bool open = true;           // open the connection and load the settings
        QStringList extraConfig;    // lines appended to the default "Config.ini"
    };
    ProgramFolder();
    explicit ProgramFolder(const Options &options);
    ~ProgramFolder();

    QString path() const;
    QString file(const QString &name) const;
    // The default "Config.ini" lines of a test folder (folders inside it).
    QStringList defaultConfig() const;
    void writeConfig(const QStringList &lines) const;
    std::shared_ptr<ScriptedMessages> messages;

private:
    QTemporaryDir m_dir;
};

} // namespace TestSupport
