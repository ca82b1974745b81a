#include "cups_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cups/cups.h>
#include <csignal>
#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

namespace TestSupport {
namespace {

const char *const kCupsd = "/usr/sbin/cupsd";
const char *const kServerBin = "/usr/lib/cups";
const char *const kDataDir = "/usr/share/cups";

// "caixa:FOLDER": each job's bytes go to FOLDER/<job id>, byte for byte;
// while FOLDER.falha exists the device fails every job.
const char *const kBackend = R"(#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct caixa "Unknown" "Caixa test device"'; exit 0; fi
dir="${DEVICE_URI#caixa:}"
[ -e "$dir.falha" ] && { echo "ERROR: device failure" >&2; exit 1; }
if [ $# -ge 6 ]; then cat "$6" > "$dir/$1" || exit 1; else cat > "$dir/$1" || exit 1; fi
exit 0
)";

// The client's home and configuration folder: one for the whole process,
// since libcups reads HOME and CUPS_SERVERROOT once per thread.
QString clientFolder()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir;
        QDir().mkpath(d->path() + QStringLiteral("/home/.cups"));
        QDir().mkpath(d->path() + QStringLiteral("/etc"));
        qputenv("HOME", QFile::encodeName(d->path() + QStringLiteral("/home")));
        qputenv("CUPS_SERVERROOT", QFile::encodeName(d->path() + QStringLiteral("/etc")));
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        qunsetenv("CUPS_USER");
        return d;
    }();
    return dir->path();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

http_t *connectTo(const QString &socket)
{
    return httpConnect2(QFile::encodeName(socket).constData(), 0, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1,
                        2000, nullptr);
}

QByteArray queueUri(const QString &name)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 631, "/printers/%s",
                     name.toUtf8().constData());
    return uri;
}

} // namespace

CupsServer::CupsServer()
{
    clientFolder();
    if (!start())
        qWarning("cupsd did not start: %s", qPrintable(m_error));
}

CupsServer::~CupsServer()
{
    stop();
}

QString CupsServer::socket() const
{
    return m_dir.path() + QStringLiteral("/cupsd.sock");
}

bool CupsServer::running() const
{
    return m_pid > 0 && m_cupsd.state() == QProcess::Running;
}

bool CupsServer::start()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString d = m_dir.path();
    for (const char *sub : {"etc", "spool", "cache", "state", "tmp", "log", "out"})
        QDir().mkpath(d + QLatin1Char('/') + QLatin1String(sub));
    // The server's ServerBin, copied with its owners and modes, and the test backend beside its own.
    QProcess cp;
    cp.start(QStringLiteral("cp"), {QStringLiteral("-a"), QLatin1String(kServerBin), d + QStringLiteral("/bin")});
    if (!cp.waitForFinished(30000) || cp.exitCode() != 0) {
        m_error = QStringLiteral("could not copy ") + QLatin1String(kServerBin);
        return false;
    }
    const QString backend = d + QStringLiteral("/bin/backend/caixa");
    // Mode 0700: run by a root cupsd as root, so it may write into this folder.
    if (!writeFile(backend, kBackend)
        || !QFile::setPermissions(backend, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        m_error = QStringLiteral("could not write the backend");
        return false;
    }

    QByteArray files;
    files += "ServerRoot " + QFile::encodeName(d + QStringLiteral("/etc")) + '\n';
    files += "RequestRoot " + QFile::encodeName(d + QStringLiteral("/spool")) + '\n';
    files += "CacheDir " + QFile::encodeName(d + QStringLiteral("/cache")) + '\n';
    files += "StateDir " + QFile::encodeName(d + QStringLiteral("/state")) + '\n';
    files += "TempDir " + QFile::encodeName(d + QStringLiteral("/tmp")) + '\n';
    files += "ServerBin " + QFile::encodeName(d + QStringLiteral("/bin")) + '\n';
    files += "DataDir " + QByteArray(kDataDir) + '\n';
    files += "ErrorLog " + QFile::encodeName(d + QStringLiteral("/log/error_log")) + '\n';
    files += "AccessLog " + QFile::encodeName(d + QStringLiteral("/log/access_log")) + '\n';
    files += "PageLog " + QFile::encodeName(d + QStringLiteral("/log/page_log")) + '\n';
    // Run as root, cupsd keeps its own User and Group (lp) for filters; the
    // administrators are root's group. As another user it runs everything as that user.
    if (geteuid() == 0) {
        files += "SystemGroup root\n";
    } else if (const group *g = getgrgid(getegid())) {
        files += "SystemGroup " + QByteArray(g->gr_name) + '\n';
    }
    const QByteArray conf = "Listen " + QFile::encodeName(socket()) + "\n"
                            "LogLevel info\n"
                            "Browsing No\n"
                            "WebInterface No\n"
                            "DefaultAuthType None\n"
                            "PreserveJobHistory Yes\n"
                            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                            "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
    const QString confPath = d + QStringLiteral("/etc/cupsd.conf");
    const QString filesPath = d + QStringLiteral("/etc/cups-files.conf");
    if (!writeFile(filesPath, files) || !writeFile(confPath, conf)) {
        m_error = QStringLiteral("could not write the configuration");
        return false;
    }

    // This user's choices start afresh with every server.
    const QString client = clientFolder();
    QFile::remove(client + QStringLiteral("/home/.cups/lpoptions"));
    QFile::remove(client + QStringLiteral("/etc/lpoptions"));

    m_cupsd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_cupsd.start(QLatin1String(kCupsd), {QStringLiteral("-f"), QStringLiteral("-c"), confPath,
                                          QStringLiteral("-s"), filesPath});
    if (!m_cupsd.waitForStarted(10000)) {
        m_error = QStringLiteral("could not run ") + QLatin1String(kCupsd);
        return false;
    }
    m_pid = m_cupsd.processId();

    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000 && m_cupsd.state() == QProcess::Running) {
        if (QFile::exists(socket())) {
            if (http_t *http = connectTo(socket())) {
                httpClose(http);
                qputenv("CUPS_SERVER", QFile::encodeName(socket()));
                cupsSetServer(nullptr); // the next call reads CUPS_SERVER again
                return true;
            }
        }
        QThread::msleep(20);
    }
    m_error = QStringLiteral("cupsd did not answer on ") + socket();
    return false;
}

QStringList CupsServer::stop()
{
    QStringList left;
    if (m_pid > 0 && running()) {
        for (const QString &q : QStringList(m_made))
            deleteQueue(q);
        left = queues();
        ::kill(pid_t(m_pid), SIGTERM);
        if (!m_cupsd.waitForFinished(15000)) {
            ::kill(pid_t(m_pid), SIGKILL);
            m_cupsd.waitForFinished(5000);
        }
    }
    m_pid = 0;
    m_made.clear();
    return left;
}

bool CupsServer::request(int operation, const QString &queue, QString *why) const
{
    http_t *http = connectTo(socket());
    if (!http) {
        if (why)
            *why = QStringLiteral("no connection");
        return false;
    }
    ipp_t *req = ippNewRequest(ipp_op_t(operation));
    if (!queue.isEmpty())
        ippAddString(req, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, queueUri(queue).constData());
    ippAddString(req, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    if (operation == IPP_OP_CUPS_ADD_MODIFY_PRINTER) {
        const QString out = m_dir.path() + QStringLiteral("/out/") + queue;
        QDir().mkpath(out);
        ippAddString(req, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr,
                     ("caixa:" + QFile::encodeName(out)).constData());
        ippAddString(req, IPP_TAG_PRINTER, IPP_TAG_TEXT, "printer-info", nullptr, queue.toUtf8().constData());
        ippAddBoolean(req, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
        ippAddInteger(req, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
    }
    ippDelete(cupsDoRequest(http, req, "/admin/"));
    const bool ok = cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
    if (!ok && why)
        *why = QString::fromUtf8(cupsLastErrorString());
    httpClose(http);
    return ok;
}

bool CupsServer::addQueue(const QString &name)
{
    QString why;
    if (!request(IPP_OP_CUPS_ADD_MODIFY_PRINTER, name, &why) || !request(IPP_OP_RESUME_PRINTER, name, &why)
        || !request(IPP_OP_CUPS_ACCEPT_JOBS, name, &why)) {
        qWarning("queue %s not made: %s", qPrintable(name), qPrintable(why));
        return false;
    }
    if (!m_made.contains(name))
        m_made << name;
    return true;
}

void CupsServer::failDevice(const QString &name, bool fails)
{
    const QString marker = m_dir.path() + QStringLiteral("/out/") + name + QStringLiteral(".falha");
    if (fails)
        writeFile(marker, QByteArray());
    else
        QFile::remove(marker);
}

bool CupsServer::stopQueue(const QString &name)
{
    return request(IPP_OP_PAUSE_PRINTER, name);
}

bool CupsServer::rejectJobs(const QString &name)
{
    return request(IPP_OP_CUPS_REJECT_JOBS, name);
}

bool CupsServer::deleteQueue(const QString &name)
{
    m_made.removeAll(name);
    return request(IPP_OP_CUPS_DELETE_PRINTER, name);
}

bool CupsServer::setServerDefault(const QString &name)
{
    return request(IPP_OP_CUPS_SET_DEFAULT, name);
}

QStringList CupsServer::queues() const
{
    QStringList names;
    http_t *http = connectTo(socket());
    if (!http)
        return names;
    ipp_t *req = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    static const char *const attrs[] = {"printer-name"};
    ippAddStrings(req, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 1, nullptr, attrs);
    ipp_t *resp = cupsDoRequest(http, req, "/");
    for (ipp_attribute_t *a = ippFindAttribute(resp, "printer-name", IPP_TAG_NAME); a;
         a = ippFindNextAttribute(resp, "printer-name", IPP_TAG_NAME))
        names << QString::fromUtf8(ippGetString(a, 0, nullptr));
    ippDelete(resp);
    httpClose(http);
    return names;
}

int CupsServer::jobCount(const QString &queue) const
{
    http_t *http = connectTo(socket());
    if (!http)
        return -1;
    cups_job_t *jobs = nullptr;
    const QByteArray name = queue.toUtf8();
    const int n = cupsGetJobs2(http, &jobs, queue.isEmpty() ? nullptr : name.constData(), 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(n, jobs);
    httpClose(http);
    return n;
}

bool CupsServer::waitForJobs(int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        http_t *http = connectTo(socket());
        if (!http)
            return false;
        cups_job_t *jobs = nullptr;
        const int n = cupsGetJobs2(http, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(n, jobs);
        httpClose(http);
        if (n == 0)
            return true;
        if (n < 0 || clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(20);
    }
}

QStringList CupsServer::jobFiles(const QString &queue) const
{
    QDir dir(m_dir.path() + QStringLiteral("/out/") + queue);
    QStringList names = dir.entryList(QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    QStringList paths;
    for (const QString &n : names)
        paths << dir.filePath(n);
    return paths;
}

QByteArray CupsServer::printed(const QString &queue) const
{
    QByteArray bytes;
    for (const QString &path : jobFiles(queue)) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            bytes += f.readAll();
    }
    return bytes;
}

QString CupsServer::userDefault()
{
    cups_dest_t *dests = nullptr;
    const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QString name;
    for (int i = 0; i < n; ++i)
        if (dests[i].is_default)
            name = QString::fromUtf8(dests[i].name);
    cupsFreeDests(n, dests);
    return name;
}

} // namespace TestSupport
