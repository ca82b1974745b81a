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

// CUPS: the installed queues and the default destination as Qt's print support
// reads them; the default is changed in the user's lpoptions file, the way
// `lpoptions -d` does it.
class CupsPrinterSystem : public PrinterSystem {
public:
    // An empty path means ~/.cups/lpoptions.
    explicit CupsPrinterSystem(QString lpoptionsPath = QString());

    QString printerEntry(const QString &name) override;
    bool setDefaultPrinter(const QString &name, const QString &driver, const QString &port,
                           QString *error = nullptr) override;
    QString defaultPrinter() override;
    QStringList installedPrinters() override;
    QString currentPrinter() override;
    void setCurrentPrinter(const QString &name) override;

    QString lpoptionsPath() const { return m_lpoptions; }
    // The lpoptions lines with `name` as the one Default destination; every
    // other destination keeps its options.
    static QStringList withDefault(const QStringList &lines, const QString &name);

private:
    QString m_lpoptions;
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
