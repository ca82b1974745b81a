#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The authentication printer as a Linux device: the port texts of the settings
// ("LPT1", "LPT2", "COM1", "COM2", "USB") name device files, and bytes go to them
// raw. No call blocks for long: an off-line printer makes a write fail after a
// few seconds instead of freezing the desk.
namespace Platform {

// The device file of a port text (case-insensitive): "LPT1" /dev/lp0, "LPT2"
// /dev/lp1, "COM1" /dev/ttyS0, "COM2" /dev/ttyS1, "USB" /dev/usb/lp0, or the
// path set for it with setPortDevicePath. Empty for any other text.
QString portDevicePath(const QString &port);
// Points a port text at another file (a USB adapter, a file in tests); an
// empty path brings back the standard device.
void setPortDevicePath(const QString &port, const QString &path);
void resetPortDevicePaths();

class PrinterDevice {
public:
    PrinterDevice() = default;
    ~PrinterDevice();
    PrinterDevice(const PrinterDevice &) = delete;
    PrinterDevice &operator=(const PrinterDevice &) = delete;

    // Opens an existing device or file for writing (never creates one, so a
    // missing /dev/lp0 fails instead of becoming a plain file). A serial line
    // is set to raw 8N1 at 9600 baud; one that does not take those settings
    // fails the open. Closes what was open before.
    bool open(const QString &path, QString *error = nullptr);
    bool isOpen() const { return m_fd >= 0; }
    QString path() const { return m_path; }
    void close();

    // Writes every byte, waiting at most writeTimeoutMs for a busy printer.
    bool write(const QByteArray &bytes, QString *error = nullptr);

    // The status register of a parallel port (LP_PSELECD 0x10 = on-line);
    // nothing for a device without one (serial, USB, plain file).
    std::optional<int> parallelStatus() const;

    static inline int writeTimeoutMs = 5000;

private:
    int m_fd = -1;
    QString m_path;
};

// Opens the port's device, writes the bytes and closes it again.
bool writeToPort(const QString &port, const QByteArray &bytes, QString *error = nullptr);

} // namespace Platform
