#include "servidor_postgres.h"


#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TestSupport {
namespace {

QString binarios()
{
    const QString d = qEnvironmentVariable("CAIXA_PG_BINDIR");
    return d.isEmpty() ? QStringLiteral("/usr/lib/postgresql/15/bin") : d;
}

bool comoRoot()
{
    return ::geteuid() == 0;
}

// Gone, or a zombie that nobody reaps (a container's first process may not).
bool terminou(qint64 pid)
{
    if (::kill(pid_t(pid), 0) != 0)
        return errno == ESRCH;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray linha = stat.readAll();
    const qsizetype fim = linha.lastIndexOf(')');
    return fim > 0 && linha.mid(fim + 2, 1) == "Z";
}

bool esperaTerminar(qint64 pid, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!terminou(pid)) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

ServidorPostgres::ServidorPostgres()
{
    if (!m_dir.isValid()) {
        m_erro = QStringLiteral("no temporary folder");
        return;
    }
    const QString pg = m_dir.filePath(QStringLiteral("pg"));
    if (!QDir().mkpath(pg)) {
        m_erro = QStringLiteral("cannot create ") + pg;
        return;
    }
    if (comoRoot()) {
        // The server runs as postgres: it must reach its folder and own the part it writes.
        const passwd *pw = ::getpwnam("postgres");
        if (!pw) {
            m_erro = QStringLiteral("running as root and there is no postgres user (package postgresql)");
            return;
        }
        if (::chmod(QFile::encodeName(m_dir.path()).constData(), 0711) != 0
            || ::chown(QFile::encodeName(pg).constData(), pw->pw_uid, pw->pw_gid) != 0) {
            m_erro = QStringLiteral("cannot hand %1 to postgres").arg(pg);
            return;
        }
    }
    if (!QFile::exists(binarios() + QStringLiteral("/initdb"))) {
        m_erro = binarios() + QStringLiteral("/initdb is missing (package postgresql-15)");
        return;
    }
    if (!roda(binarios() + QStringLiteral("/initdb"),
              {QStringLiteral("-D"), dados(), QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-A"),
               QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
               QStringLiteral("--no-sync"), QStringLiteral("--no-instructions")}))
        return;
    m_ok = inicia();
}

ServidorPostgres::~ServidorPostgres()
{
    para();
}

QString ServidorPostgres::pastaSocket() const
{
    return m_dir.filePath(QStringLiteral("pg"));
}

QString ServidorPostgres::dados() const
{
    return m_dir.filePath(QStringLiteral("pg/data"));
}

bool ServidorPostgres::roda(const QString &programa, const QStringList &args, QString *saida, bool comoDono)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(m_dir.path());
    if (comoDono && comoRoot())
        p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                                       QStringLiteral("--"), programa} + args);
    else
        p.start(programa, args);
    const bool terminado = p.waitForFinished(120'000);
    const QString texto = QString::fromLocal8Bit(p.readAll());
    if (saida)
        *saida = texto;
    if (terminado && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return true;
    if (!terminado)
        p.kill();
    m_erro = QStringLiteral("%1 %2 failed: %3").arg(programa, args.join(QLatin1Char(' ')), texto);
    return false;
}

bool ServidorPostgres::inicia()
{
    if (m_pid > 0)
        return true;
    // No TCP listener: only the socket in the test's folder; nothing kept on disk for long.
    const QString opcoes = QStringLiteral("-k \"%1\" -p %2 -c listen_addresses='' -c fsync=off "
                                          "-c synchronous_commit=off -c full_page_writes=off")
                               .arg(pastaSocket())
                               .arg(kPorta);
    if (!roda(binarios() + QStringLiteral("/pg_ctl"),
              {QStringLiteral("-D"), dados(), QStringLiteral("-l"), m_dir.filePath(QStringLiteral("pg/log")),
               QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("120"), QStringLiteral("-o"), opcoes,
               QStringLiteral("start")}))
        return false;
    QFile pidFile(dados() + QStringLiteral("/postmaster.pid"));
    if (pidFile.open(QIODevice::ReadOnly))
        m_pid = pidFile.readLine().trimmed().toLongLong();
    if (m_pid <= 0) {
        m_erro = QStringLiteral("started, but no pid in postmaster.pid");
        return false;
    }
    return true;
}

bool ServidorPostgres::para()
{
    if (m_pid <= 0)
        return true;
    const qint64 pid = m_pid;
    m_pid = 0;
    // Fast shutdown: clients are cut off at once, as when the server goes down.
    ::kill(pid_t(pid), SIGINT);
    if (esperaTerminar(pid, 60'000))
        return true;
    ::kill(pid_t(pid), SIGQUIT);
    if (esperaTerminar(pid, 10'000))
        return true;
    ::kill(pid_t(pid), SIGKILL);
    return esperaTerminar(pid, 10'000);
}

bool ServidorPostgres::sql(const QString &comandos, QString *saida)
{
    return roda(binarios() + QStringLiteral("/psql"),
                {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                 QStringLiteral("-h"), pastaSocket(), QStringLiteral("-p"), QString::number(kPorta),
                 QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"), QStringLiteral("postgres"),
                 QStringLiteral("-At"), QStringLiteral("-c"), comandos},
                saida, false);
}

bool ServidorPostgres::arquivoSql(const QString &caminho)
{
    return roda(binarios() + QStringLiteral("/psql"),
                {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                 QStringLiteral("-h"), pastaSocket(), QStringLiteral("-p"), QString::number(kPorta),
                 QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"), QStringLiteral("postgres"),
                 QStringLiteral("-f"), caminho},
                nullptr, false);
}

bool ServidorPostgres::copia(const QString &destino, const QStringList &linhas)
{
    const QString arquivo = m_dir.filePath(QStringLiteral("copia.txt"));
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_erro = QStringLiteral("cannot write ") + arquivo;
        return false;
    }
    for (const QString &l : linhas)
        f.write(l.toUtf8() + '\n');
    f.close();
    return sql(QStringLiteral("\\copy %1 FROM '%2'").arg(destino, arquivo));
}

QStringList ServidorPostgres::linhasServico(const QString &servico) const
{
    return {QLatin1Char('[') + servico + QLatin1Char(']'), QStringLiteral("host=") + pastaSocket(),
            QStringLiteral("port=%1").arg(kPorta), QStringLiteral("dbname=postgres"), QStringLiteral("user=postgres")};
}

bool ServidorPostgres::escreveServico(const QString &arquivo, const QString &servico) const
{
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write((linhasServico(servico).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return f.error() == QFile::NoError;
}

} // namespace TestSupport
