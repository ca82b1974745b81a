#pragma once
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real CUPS server (/usr/sbin/cupsd, Debian's cups-daemon) for one test: its
// own configuration folder in a temporary folder, listening only on a Unix
// socket there, run in the foreground and stopped by its process id. This
// process's CUPS client is pointed at it (CUPS_SERVER), with a home and a
// client configuration folder of its own, so this user's real lpoptions are
// never read or written.
//
// Each queue's device is a small backend kept in a copy of the server's
// ServerBin folder: it writes the bytes of every job to a file of its own.
// Queues are made and changed with IPP requests, as lpadmin would.
namespace TestSupport {

class CupsServer {
public:
    CupsServer();
    // Deletes the queues that are left and stops the server.
    ~CupsServer();
    CupsServer(const CupsServer &) = delete;
    CupsServer &operator=(const CupsServer &) = delete;

    bool running() const;
    QString error() const { return m_error; }
    QString socket() const;
    qint64 pid() const { return m_pid; }

    // An enabled raw queue that accepts jobs.
    bool addQueue(const QString &name);
    bool stopQueue(const QString &name);
    // While set, the queue's device fails every job, as an unplugged printer would.
    void failDevice(const QString &name, bool fails = true);
    // The queue goes on running but takes no new job.
    bool rejectJobs(const QString &name);
    bool deleteQueue(const QString &name);
    // The server's own default destination (what a user without a choice gets).
    bool setServerDefault(const QString &name);
    // The queues the server has.
    QStringList queues() const;
    // Jobs the server knows of for the queue (every queue when empty), in any state.
    int jobCount(const QString &queue = QString()) const;
    // Waits until no job of the server is pending or printing; false when the time ran out.
    bool waitForJobs(int timeoutMs = 15000) const;
    // The files the backend wrote for the queue, one a job, in job order; and their bytes.
    QStringList jobFiles(const QString &queue) const;
    QByteArray printed(const QString &queue) const;
    // The default this user's CUPS client reports (cupsGetDests).
    static QString userDefault();

    // Deletes the queues and stops the server; called by the destructor.
    // Answers the queues the server still had before it stopped (none, normally).
    QStringList stop();

private:
    bool start();
    bool request(int operation, const QString &queue, QString *why = nullptr) const;

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    qint64 m_pid = 0;
    QString m_error;
    QStringList m_made;
};

} // namespace TestSupport
