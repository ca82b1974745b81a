#include "test_support.h"

#include "abre_bd.h"
#include "data_access.h"
#include "clock.h"
#include "globals.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#ifndef CAIXA_SOURCE_DIR
#error CAIXA_SOURCE_DIR must name the project folder
#endif

namespace TestSupport {

QString sourceDir()
{
    return QStringLiteral(CAIXA_SOURCE_DIR);
}

QString goldenPath(const QString &relative)
{
    return sourceDir() + QStringLiteral("/tests/") + relative;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool matchesGolden(const QByteArray &actual, const QString &relative, QString *why)
{
    const QString path = goldenPath(relative);
    if (qEnvironmentVariableIntValue("CAIXA_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(actual);
        return true;
    }
    if (!QFile::exists(path)) {
        if (why)
            *why = QStringLiteral("golden file missing: ") + path;
        return false;
    }
    const QByteArray expected = readFile(path);
    if (expected == actual)
        return true;
    if (why) {
        qsizetype i = 0;
        while (i < expected.size() && i < actual.size() && expected.at(i) == actual.at(i))
            ++i;
        *why = QStringLiteral("differs from %1 at byte %2\nexpected: %3\nactual:   %4")
                   .arg(path).arg(i)
                   .arg(QString::fromLatin1(expected.mid(qMax<qsizetype>(0, i - 40), 80).toPercentEncoding(" =-:/,.()$")))
                   .arg(QString::fromLatin1(actual.mid(qMax<qsizetype>(0, i - 40), 80).toPercentEncoding(" =-:/,.()$")));
    }
    return false;
}

QSqlQuery executa(const QString &sql, const QVariantList &params)
{
    QSqlQuery q(Conexao::banco());
    q.prepare(sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}

QVariant valor(const QString &sql, const QVariantList &params)
{
    QSqlQuery q = executa(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

static bool runScript(QSqlDatabase &db, const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(f.readAll());
    QStringList kept;
    for (const QString &line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().startsWith(QLatin1String("--")))
            kept << line;
    const QStringList statements = kept.join(QLatin1Char('\n')).split(QLatin1Char(';'));
    QSqlQuery q(db);
    for (const QString &s : statements) {
        if (s.trimmed().isEmpty())
            continue;
        if (!q.exec(s)) {
            qWarning("schema statement failed: %s: %s", qPrintable(s), qPrintable(q.lastError().text()));
            return false;
        }
    }
    return true;
}

bool createDatabase(const QString &path, bool demo)
{
    const QString name = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && runScript(db, sourceDir() + QStringLiteral("/db/schema.sql"))
             && (!demo || runScript(db, sourceDir() + QStringLiteral("/db/demo.sql")));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

ProgramFolder::ProgramFolder() : ProgramFolder(Options{}) {}

ProgramFolder::ProgramFolder(const Options &o)
{
    AbreBD::Fecha_conexao();
    AbreBD::reiniciaGlobais();
    qputenv("CAIXA_DIR", m_dir.path().toLocal8Bit());
    // The PostgreSQL connection services are the folder's own (none until a
    // test writes pg_service.conf there), never the machine's.
    qputenv("PGSERVICEFILE", QFile::encodeName(file(QStringLiteral("pg_service.conf"))));
    qputenv("PGSYSCONFDIR", QFile::encodeName(m_dir.path()));
    Relogio::fixar(QDateTime(QDate(2026, 12, 9), QTime(10, 30, 0)));
    messages = std::make_shared<ScriptedMessages>();
    setMessageService(messages);
    for (const char *sub : {"exporta", "estorno", "recebimentos", "atualiza"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(sub));
    if (o.database && !createDatabase(file(QStringLiteral("caixa.db")), o.demo))
        qFatal("could not create the test database");
    if (o.config)
        writeConfig(defaultConfig() + o.extraConfig);
    if (o.open) {
        AbreBD::gDataAccess = std::make_unique<clsDataAccess>();
        if (o.database)
            AbreBD::Abre_conexao();
        AbreBD::Carrega_variaveis();
    }
}

ProgramFolder::~ProgramFolder()
{
    AbreBD::Fecha_conexao();
    AbreBD::reiniciaGlobais();
    qunsetenv("PGSERVICEFILE");
    qunsetenv("PGSYSCONFDIR");
    setMessageService(nullptr);
    Relogio::definir({});
}

QString ProgramFolder::path() const
{
    return m_dir.path();
}

QString ProgramFolder::file(const QString &name) const
{
    return m_dir.filePath(name);
}

QStringList ProgramFolder::defaultConfig() const
{
    const QString d = m_dir.path() + QLatin1Char('/');
    return {
        QStringLiteral("[Export]"), QStringLiteral("guiche=1"),
        QStringLiteral("Path1=") + d + QStringLiteral("exporta/"),
        QStringLiteral("Path2=") + d + QStringLiteral("estorno/"),
        QStringLiteral("Path3=") + d + QStringLiteral("recebimentos/"),
        QStringLiteral("tecla_mais=1"), QStringLiteral("rede=0"),
        QStringLiteral("caminho_soma=") + d + QStringLiteral("soma.txt"),
        QStringLiteral("caminho_remove_item=") + d + QStringLiteral("remove_item.txt"),
        QStringLiteral("[Mensagem]"), QStringLiteral("mensagem=CAIXA PRONTO"),
        QStringLiteral("cabecalho=PMM"), QStringLiteral("pref=PREFEITURA MUNICIPAL"),
        QStringLiteral("[Reserva]"), QStringLiteral("cofre=") + d + QStringLiteral("cofre.ini"),
        QStringLiteral("itens=") + d + QStringLiteral("recebimentos/"),
        QStringLiteral("soma=0"),
        QStringLiteral("[Opcoes]"), QStringLiteral("juros=1"), QStringLiteral("porta=0"),
        QStringLiteral("[Print]"), QStringLiteral("impressora=txt"), QStringLiteral("print_cupom=1"),
        QStringLiteral("porta=LPT1"),
    };
}

void ProgramFolder::writeConfig(const QStringList &lines) const
{
    TextFile::writeLines(file(QStringLiteral("Config.ini")), lines);
}

} // namespace TestSupport
