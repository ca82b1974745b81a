#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The machine's printers as the desk sees them: which are installed, which is
// the default, and the printer this program prints through. Takes the place
// of the printer entries of the Windows profile.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    // The printer's entry: its driver and port, then any further fields, all
    // separated by commas. Empty when no printer has that name.
    virtual QString printerEntry(const QString &name) = 0;
    // Makes the printer the system's default and lets running programs, this
    // one included, take it up. False when the default could not be changed.
    virtual bool setDefaultPrinter(const QString &name, const QString &driver, const QString &port,
                                   QString *error = nullptr) = 0;
    virtual QString defaultPrinter() = 0;
    // Installed printers, in the system's order.
    virtual QStringList installedPrinters() = 0;
    // The printer this program prints through.
    virtual QString currentPrinter() = 0;
    virtual void setCurrentPrinter(const QString &name) = 0;
};

// CUPS: the queues of the server this desk's CUPS client is set up for, and
// this user's default destination, both through libcups. The default is
// changed the way `lpoptions -d` does it (cupsSetDests: this user's lpoptions),
// so that CUPS, and Qt's printing through it, report it at once.
class CupsPrinterSystem : public PrinterSystem {
public:
    // The entry of a queue: its make and model (commas taken out), "CUPS" as
    // the port, and an empty field.
    QString printerEntry(const QString &name) override;
    bool setDefaultPrinter(const QString &name, const QString &driver, const QString &port,
                           QString *error = nullptr) override;
    QString defaultPrinter() override;
    QStringList installedPrinters() override;
    QString currentPrinter() override;
    void setCurrentPrinter(const QString &name) override;

private:
    QString m_current;
    bool m_currentKnown = false;
};

// A simulated list of printers for tests; counts how often entries were read
// and which defaults were written.
class FakePrinterSystem : public PrinterSystem {
public:
    struct Printer {
        QString name;
        QString entry; // "driver,port,..."
    };
    QList<Printer> printers;
    QString defaultName;
    QString current;
    // Whether making a printer the default also makes it this program's
    // current printer (as a broadcast to running programs does).
    bool defaultReachesProgram = true;
    bool failSetDefault = false;

    int entryReads = 0;
    QStringList defaultsWritten;     // "name,driver,port" of every change
    QStringList currentPrinterSets;  // every setCurrentPrinter

    void addPrinter(const QString &name, const QString &entry);

    QString printerEntry(const QString &name) override;
    bool setDefaultPrinter(const QString &name, const QString &driver, const QString &port,
                           QString *error = nullptr) override;
    QString defaultPrinter() override { return defaultName; }
    QStringList installedPrinters() override;
    QString currentPrinter() override { return current; }
    void setCurrentPrinter(const QString &name) override;
};
