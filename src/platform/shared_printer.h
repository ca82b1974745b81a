#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

// A printer shared by another computer (a CUPS queue on that host): the
// authentication printer's text goes to it raw, as the printer expects it.
namespace Platform {

class SharedPrinter {
public:
    virtual ~SharedPrinter() = default;
    // False (with the reason) when the text was not printed: the host or the
    // queue cannot be reached, the queue is stopped or refuses jobs, or the job
    // ended without printing.
    virtual bool envia(const QString &host, const QString &fila, const QByteArray &bytes, QString *erro) = 0;
};

// The real one: a raw job through libcups to the queue `fila` of the CUPS
// server on `host` ("name", "name:port" or the path of a local socket; an
// empty host is the server this desk's CUPS client is set up for). It waits
// at most jobTimeoutMs for the job's end; a job still printing then counts
// as printed, a job held up by a stopped queue is cancelled and does not.
class CupsSharedPrinter : public SharedPrinter {
public:
    bool envia(const QString &host, const QString &fila, const QByteArray &bytes, QString *erro) override;
    static inline int jobTimeoutMs = 15000;
};

// The one in use: the real one until tests install their own.
SharedPrinter &sharedPrinter();
void setSharedPrinter(std::shared_ptr<SharedPrinter> printer);

} // namespace Platform
