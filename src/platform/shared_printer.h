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
    // False (with the reason) when the text could not be handed to the queue.
    virtual bool envia(const QString &host, const QString &fila, const QByteArray &bytes, QString *erro) = 0;
};

// The real one runs CUPS's "lp" with the raw option; tests install their own.
SharedPrinter &sharedPrinter();
void setSharedPrinter(std::shared_ptr<SharedPrinter> printer);

} // namespace Platform
