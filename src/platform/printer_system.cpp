#include "printer_system.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>

CupsPrinterSystem::CupsPrinterSystem(QString lpoptionsPath) : m_lpoptions(std::move(lpoptionsPath))
{
    if (m_lpoptions.isEmpty())
        m_lpoptions = QDir::homePath() + QStringLiteral("/.cups/lpoptions");
}

QString CupsPrinterSystem::printerEntry(const QString &name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull() || name.isEmpty())
        return {};
    QString driver = info.makeAndModel();
    driver.replace(QLatin1Char(','), QLatin1Char(' '));
    if (driver.trimmed().isEmpty())
        driver = QStringLiteral("CUPS");
    return driver + QStringLiteral(",CUPS,");
}

QStringList CupsPrinterSystem::withDefault(const QStringList &lines, const QString &name)
{
    static const QRegularExpression ws(QStringLiteral("\\s+"));
    QStringList out;
    bool found = false;
    for (const QString &line : lines) {
        QStringList words = line.split(ws, Qt::SkipEmptyParts);
        if (words.size() < 2 || (words[0].compare(QLatin1String("Dest"), Qt::CaseInsensitive) != 0
                                 && words[0].compare(QLatin1String("Default"), Qt::CaseInsensitive) != 0)) {
            out << line;
            continue;
        }
        const bool isTarget = words[1] == name;
        found = found || isTarget;
        words[0] = isTarget ? QStringLiteral("Default") : QStringLiteral("Dest");
        // A former default without options says nothing as a plain destination.
        if (!isTarget && words.size() == 2)
            continue;
        out << words.join(QLatin1Char(' '));
    }
    if (!found)
        out << QStringLiteral("Default ") + name;
    return out;
}

bool CupsPrinterSystem::setDefaultPrinter(const QString &name, const QString &, const QString &, QString *error)
{
    QStringList lines;
    QFile file(m_lpoptions);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("Não foi possível ler %1.").arg(m_lpoptions);
            return false;
        }
        lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        file.close();
    }
    QDir().mkpath(QFileInfo(m_lpoptions).absolutePath());
    QByteArray bytes;
    for (const QString &line : withDefault(lines, name))
        bytes += line.toUtf8() + '\n';
    if (!TextFile::writeAll(m_lpoptions, bytes, error))
        return false;
    m_current = name;
    m_currentKnown = true;
    return true;
}

QString CupsPrinterSystem::defaultPrinter()
{
    return QPrinterInfo::defaultPrinterName();
}

QStringList CupsPrinterSystem::installedPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

QString CupsPrinterSystem::currentPrinter()
{
    if (!m_currentKnown) {
        m_current = defaultPrinter();
        m_currentKnown = true;
    }
    return m_current;
}

void CupsPrinterSystem::setCurrentPrinter(const QString &name)
{
    m_current = name;
    m_currentKnown = true;
}

void FakePrinterSystem::addPrinter(const QString &name, const QString &entry)
{
    printers.append(Printer{name, entry});
}

QString FakePrinterSystem::printerEntry(const QString &name)
{
    ++entryReads;
    for (const Printer &p : std::as_const(printers))
        if (p.name == name)
            return p.entry;
    return {};
}

bool FakePrinterSystem::setDefaultPrinter(const QString &name, const QString &driver, const QString &port,
                                          QString *error)
{
    if (failSetDefault) {
        if (error)
            *error = QStringLiteral("falha simulada");
        return false;
    }
    defaultsWritten << name + QLatin1Char(',') + driver + QLatin1Char(',') + port;
    defaultName = name;
    if (defaultReachesProgram)
        current = name;
    return true;
}

QStringList FakePrinterSystem::installedPrinters()
{
    QStringList names;
    for (const Printer &p : std::as_const(printers))
        names << p.name;
    return names;
}

void FakePrinterSystem::setCurrentPrinter(const QString &name)
{
    currentPrinterSets << name;
    current = name;
}
