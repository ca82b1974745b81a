#include "shared_printer.h"

#include <QProcess>

namespace Platform {
namespace {

class CupsLp : public SharedPrinter {
public:
    bool envia(const QString &host, const QString &fila, const QByteArray &bytes, QString *erro) override
    {
        QStringList args;
        if (!host.isEmpty())
            args << QStringLiteral("-h") << host;
        args << QStringLiteral("-d") << fila << QStringLiteral("-o") << QStringLiteral("raw");
        QProcess lp;
        lp.start(QStringLiteral("lp"), args);
        if (!lp.waitForStarted(5000)) {
            if (erro)
                *erro = QStringLiteral("Não foi possível chamar o sistema de impressão (lp).");
            return false;
        }
        lp.write(bytes);
        lp.closeWriteChannel();
        if (!lp.waitForFinished(15000)) {
            lp.kill();
            if (erro)
                *erro = QStringLiteral("O sistema de impressão não respondeu.");
            return false;
        }
        if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
            if (erro)
                *erro = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
            return false;
        }
        return true;
    }
};

std::shared_ptr<SharedPrinter> &atual()
{
    static std::shared_ptr<SharedPrinter> p = std::make_shared<CupsLp>();
    return p;
}

} // namespace

SharedPrinter &sharedPrinter()
{
    return *atual();
}

void setSharedPrinter(std::shared_ptr<SharedPrinter> printer)
{
    atual() = printer ? std::move(printer) : std::make_shared<CupsLp>();
}

} // namespace Platform
