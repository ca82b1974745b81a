// COM1 through a real terminal line: a pseudo-terminal pair stands in for
// /dev/ttyS0, the port keeps its name and only its device path is replaced.
#include "frm_autenticar.h"
#include "inpout.h"

#include "globals.h"
#include "printer_device.h"
#include "printers.h"
#include "test_support.h"
#include "text_file.h"

#include <QElapsedTimer>
#include <QTest>
#include <memory>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

using namespace AbreBD;

namespace {

const ItemAutenticar kItem{QStringLiteral("02"), QStringLiteral("03-IPTU"), QStringLiteral("123,45"),
                           QStringLiteral("12")};

// The two ends of a pseudo-terminal; the test keeps the line's own end open
// so its settings can be read back after the program has closed its port.
struct ParTerminal {
    int mestre = -1;
    int linha = -1;
    QString caminho;
    ParTerminal()
    {
        mestre = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (mestre < 0 || grantpt(mestre) != 0 || unlockpt(mestre) != 0)
            return;
        caminho = QString::fromLocal8Bit(ptsname(mestre));
        linha = ::open(ptsname(mestre), O_RDWR | O_NOCTTY | O_CLOEXEC);
        // Start from a cooked 7E2 line, so that only the program's settings can make it raw 8N1.
        termios tio{};
        tcgetattr(linha, &tio);
        tio.c_cflag = (tio.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB;
        tio.c_lflag |= ICANON | ECHO | ISIG;
        tio.c_oflag |= OPOST | ONLCR;
        tio.c_iflag |= ICRNL | IXON;
        cfsetospeed(&tio, B2400);
        tcsetattr(linha, TCSANOW, &tio);
    }
    ~ParTerminal()
    {
        if (linha >= 0)
            ::close(linha);
        if (mestre >= 0)
            ::close(mestre);
    }
    // What arrived on the far side: reads until `n` bytes came or two seconds passed.
    QByteArray recebe(qsizetype n) const
    {
        QByteArray out;
        QElapsedTimer clock;
        clock.start();
        while (out.size() < n && clock.elapsed() < 2000) {
            pollfd p{mestre, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0)
                continue;
            char buf[512];
            const ssize_t r = ::read(mestre, buf, sizeof buf);
            if (r > 0)
                out.append(buf, r);
        }
        return out;
    }
    termios ajustes() const
    {
        termios tio{};
        tcgetattr(linha, &tio);
        return tio;
    }
};

void verificaRaw8N1(const termios &tio)
{
    QCOMPARE(tio.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(tio.c_cflag & (PARENB | CSTOPB), tcflag_t(0));
    QCOMPARE(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), tcflag_t(0));
    QCOMPARE(tio.c_oflag & OPOST, tcflag_t(0));
    QCOMPARE(tio.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | IXON), tcflag_t(0));
    QCOMPARE(cfgetospeed(&tio), speed_t(B9600));
}

} // namespace

class TstLinhaSerial : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::ProgramFolder> folder;
    std::unique_ptr<ParTerminal> par;

private slots:
    void init()
    {
        folder = std::make_unique<TestSupport::ProgramFolder>();
        par = std::make_unique<ParTerminal>();
        QVERIFY(par->linha >= 0);
        QCOMPARE(Platform::portDevicePath(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
        Platform::setPortDevicePath(QStringLiteral("COM1"), par->caminho);
        gPrintCupom = 1;
        gPorta = QStringLiteral("COM1");
    }

    void cleanup()
    {
        Platform::printers().reset();
        par.reset();
        folder.reset();
    }

    void anAuthenticationArrivesOnTheLine()
    {
        gImpressora = QStringLiteral("bematech");
        QByteArray esperado;
        {
            frmAutenticar dialogo(kItem);
            verificaRaw8N1(par->ajustes()); // set when the dialog opened the port
            dialogo.cmdEnter_Click();
            dialogo.cmdEsc_Click();
            QVERIFY(!gCancelaAutenticacao);
            esperado = TextFile::encode(dialogo.texto_boleto()) + QByteArray("\x1b~\0", 3)
                       + TextFile::encode(dialogo.texto_fita()) + '\n';
        }
        QCOMPARE(par->recebe(esperado.size()), esperado);
        QCOMPARE(folder->messages->texts(), QStringList{QStringLiteral("Coloque o documento para autenticar")});
        verificaRaw8N1(par->ajustes());
        QCOMPARE(Platform::portDevicePath(QStringLiteral("COM2")), QStringLiteral("/dev/ttyS1"));
    }

    void theRollLineOfTheOtherModelToo()
    {
        QVERIFY(inpout::Autentica_porta(2, QStringLiteral("quattro"), QStringLiteral("SÃO 012 IPTU")));
        QCOMPARE(par->recebe(13), QByteArray("S\xC3O 012 IPTU\n"));
        verificaRaw8N1(par->ajustes());
    }
};

QTEST_MAIN(TstLinhaSerial)
#include "tst_linha_serial.moc"
