#include "printer_system.h"

#include <cups/cups.h>

namespace {

QString nomeDoDestino(const cups_dest_t &d)
{
    QString nome = QString::fromUtf8(d.name);
    if (d.instance)
        nome += QLatin1Char('/') + QString::fromUtf8(d.instance);
    return nome;
}

// The destinations as this user sees them, freed when it goes out of scope.
struct Destinos {
    cups_dest_t *lista = nullptr;
    int n = 0;
    Destinos() { n = cupsGetDests2(CUPS_HTTP_DEFAULT, &lista); }
    ~Destinos() { cupsFreeDests(n, lista); }
    Destinos(const Destinos &) = delete;
    Destinos &operator=(const Destinos &) = delete;
    cups_dest_t *procura(const QString &nome) const
    {
        for (int i = 0; i < n; ++i)
            if (nomeDoDestino(lista[i]) == nome)
                return &lista[i];
        return nullptr;
    }
};

} // namespace

QString CupsPrinterSystem::printerEntry(const QString &name)
{
    if (name.isEmpty())
        return {};
    const Destinos destinos;
    const cups_dest_t *d = destinos.procura(name);
    if (!d)
        return {};
    QString driver = QString::fromUtf8(cupsGetOption("printer-make-and-model", d->num_options, d->options));
    driver.replace(QLatin1Char(','), QLatin1Char(' '));
    if (driver.trimmed().isEmpty())
        driver = QStringLiteral("CUPS");
    return driver + QStringLiteral(",CUPS,");
}

bool CupsPrinterSystem::setDefaultPrinter(const QString &name, const QString &, const QString &, QString *error)
{
    const Destinos destinos;
    if (!destinos.procura(name)) {
        if (error)
            *error = QStringLiteral("A impressora %1 não está instalada.").arg(name);
        return false;
    }
    for (int i = 0; i < destinos.n; ++i)
        destinos.lista[i].is_default = nomeDoDestino(destinos.lista[i]) == name;
    if (cupsSetDests2(CUPS_HTTP_DEFAULT, destinos.n, destinos.lista) != 0) {
        if (error)
            *error = QStringLiteral("Não foi possível mudar a impressora padrão: %1")
                         .arg(QString::fromUtf8(cupsLastErrorString()));
        return false;
    }
    m_current = name;
    m_currentKnown = true;
    return true;
}

QString CupsPrinterSystem::defaultPrinter()
{
    const Destinos destinos;
    for (int i = 0; i < destinos.n; ++i)
        if (destinos.lista[i].is_default)
            return nomeDoDestino(destinos.lista[i]);
    return {};
}

QStringList CupsPrinterSystem::installedPrinters()
{
    const Destinos destinos;
    QStringList nomes;
    for (int i = 0; i < destinos.n; ++i)
        nomes << nomeDoDestino(destinos.lista[i]);
    return nomes;
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
