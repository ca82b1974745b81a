#include "printer_device.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <linux/lp.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace Platform {
namespace {

QHash<QString, QString> &overrides()
{
    static QHash<QString, QString> map;
    return map;
}

QString standardPath(const QString &port)
{
    static const QHash<QString, QString> devices{
        {QStringLiteral("LPT1"), QStringLiteral("/dev/lp0")},
        {QStringLiteral("LPT2"), QStringLiteral("/dev/lp1")},
        {QStringLiteral("COM1"), QStringLiteral("/dev/ttyS0")},
        {QStringLiteral("COM2"), QStringLiteral("/dev/ttyS1")},
        {QStringLiteral("USB"), QStringLiteral("/dev/usb/lp0")},
    };
    return devices.value(port);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString systemError(const QString &what, const QString &path, int code)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(strerror(code)));
}

bool isRaw8N1(const termios &tio)
{
    return (tio.c_cflag & CSIZE) == CS8 && !(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS))
           && !(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) && !(tio.c_oflag & OPOST)
           && !(tio.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | IXON)) && cfgetospeed(&tio) == B9600;
}

// Raw 8N1 at 9600 baud, read back: a line left in its cooked settings would
// turn every LF of the printer's text into CR LF.
bool makeRawSerial(int fd)
{
    errno = 0;
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    termios lido{};
    return tcsetattr(fd, TCSANOW, &tio) == 0 && tcgetattr(fd, &lido) == 0 && isRaw8N1(lido);
}

} // namespace

QString portDevicePath(const QString &port)
{
    const QString key = port.trimmed().toUpper();
    const auto it = overrides().constFind(key);
    return it != overrides().constEnd() ? *it : standardPath(key);
}

void setPortDevicePath(const QString &port, const QString &path)
{
    const QString key = port.trimmed().toUpper();
    if (path.isEmpty())
        overrides().remove(key);
    else
        overrides().insert(key, path);
}

void resetPortDevicePaths()
{
    overrides().clear();
}

PrinterDevice::~PrinterDevice()
{
    close();
}

bool PrinterDevice::open(const QString &path, QString *error)
{
    close();
    if (path.isEmpty()) {
        setError(error, QStringLiteral("Porta de impressora desconhecida."));
        return false;
    }
    // Non-blocking: a serial line without carrier or an off-line parallel
    // printer must not hold the open or the writes.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, systemError(QStringLiteral("Não foi possível abrir"), path, errno));
        return false;
    }
    if (isatty(fd) && !makeRawSerial(fd)) {
        const int code = errno ? errno : EINVAL;
        ::close(fd);
        setError(error, systemError(QStringLiteral("Não foi possível configurar a linha serial"), path, code));
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
}

void PrinterDevice::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

bool PrinterDevice::write(const QByteArray &bytes, QString *error)
{
    if (m_fd < 0) {
        setError(error, QStringLiteral("A porta da impressora não está aberta."));
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        const int code = n < 0 ? errno : EAGAIN;
        if (code == EINTR)
            continue;
        if (code != EAGAIN || clock.elapsed() >= writeTimeoutMs) {
            setError(error, code == EAGAIN
                                ? QStringLiteral("A impressora em %1 não respondeu.").arg(m_path)
                                : systemError(QStringLiteral("Falha ao escrever em"), m_path, code));
            return false;
        }
        QThread::msleep(10);
    }
    return true;
}

std::optional<int> PrinterDevice::parallelStatus() const
{
    if (m_fd < 0)
        return std::nullopt;
    int status = 0;
    if (::ioctl(m_fd, LPGETSTATUS, &status) != 0)
        return std::nullopt;
    return status;
}

bool writeToPort(const QString &port, const QByteArray &bytes, QString *error)
{
    PrinterDevice device;
    return device.open(portDevicePath(port), error) && device.write(bytes, error);
}

} // namespace Platform
