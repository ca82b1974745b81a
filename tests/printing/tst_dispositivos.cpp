#include "inpout.h"

#include "globals.h"
#include "printers.h"
#include "test_support.h"
#include "text_file.h"

#include <QFile>
#include <QTest>
#include <memory>

class TstDispositivos : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::ProgramFolder> folder;

    // A file standing in for the device of the port.
    QString standIn(const QString &porta)
    {
        const QString path = folder->file(QStringLiteral("dev_") + porta);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        Platform::setPortDevicePath(porta, path);
        return path;
    }

private slots:
    void init()
    {
        folder = std::make_unique<TestSupport::ProgramFolder>(
            TestSupport::ProgramFolder::Options{false, false, true, true, {}});
    }

    void cleanup()
    {
        Platform::printers().reset();
        folder.reset();
    }

    void portDevices()
    {
        QCOMPARE(Platform::portDevicePath(QStringLiteral("LPT1")), QStringLiteral("/dev/lp0"));
        QCOMPARE(Platform::portDevicePath(QStringLiteral("lpt2")), QStringLiteral("/dev/lp1"));
        QCOMPARE(Platform::portDevicePath(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(Platform::portDevicePath(QStringLiteral("COM2")), QStringLiteral("/dev/ttyS1"));
        QCOMPARE(Platform::portDevicePath(QStringLiteral("USB")), QStringLiteral("/dev/usb/lp0"));
        QVERIFY(Platform::portDevicePath(QStringLiteral("LPT3")).isEmpty());
        Platform::setPortDevicePath(QStringLiteral("LPT1"), QStringLiteral("/dev/usb/lp1"));
        QCOMPARE(Platform::portDevicePath(QStringLiteral("LPT1")), QStringLiteral("/dev/usb/lp1"));
        Platform::setPortDevicePath(QStringLiteral("LPT1"), QString());
        QCOMPARE(Platform::portDevicePath(QStringLiteral("LPT1")), QStringLiteral("/dev/lp0"));
    }

    void missingDeviceFailsWithoutCreatingIt()
    {
        const QString path = folder->file(QStringLiteral("lp9"));
        Platform::PrinterDevice device;
        QString erro;
        QVERIFY(!device.open(path, &erro));
        QVERIFY(erro.contains(path));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!device.write("x", &erro));
        QVERIFY(!Platform::writeToPort(QStringLiteral("LPT3"), "x", &erro));
    }

    void bematechWritesToTheDevice()
    {
        const QString path = standIn(QStringLiteral("USB"));
        DeviceMp2032 mp;
        QCOMPARE(mp.FechaPorta(), 1); // never opened: no error
        QCOMPARE(mp.FormataTX("antes\n", 3, 0, 0, 0, 0), 0);
        QCOMPARE(mp.IniciaPorta(QStringLiteral("USB")), 1);
        QCOMPARE(mp.ConfiguraModeloImpressora(1), 1);
        QCOMPARE(mp.FormataTX("linha\n", 3, 0, 0, 0, 0), 1);
        QCOMPARE(mp.AutenticaDoc("doc", 6000), 1);
        QCOMPARE(mp.ComandoTX(QByteArray("\x1b~\0xyz", 6), 3), 1);
        QCOMPARE(mp.FechaPorta(), 1);
        QCOMPARE(mp.FechaPorta(), 1);
        QCOMPARE(mp.AutenticaDoc("depois", 6000), 0);
        QCOMPARE(TestSupport::readFile(path), QByteArray("linha\ndoc\x1b~\0", 12));

        Platform::setPortDevicePath(QStringLiteral("COM2"), folder->file(QStringLiteral("ausente")));
        QCOMPARE(mp.IniciaPorta(QStringLiteral("COM2")), 0);
        QCOMPARE(mp.FormataTX("x", 3, 0, 0, 0, 0), 0);
        QCOMPARE(mp.IniciaPorta(QStringLiteral("XPTO")), 0);
        QVERIFY(!mp.erro().isEmpty());
    }

    void quattroWritesToTheDevice()
    {
        const QString path = standIn(QStringLiteral("LPT2"));
        DeviceAp40n ap;
        QVERIFY(ap.TX(632, "rolo\n"));
        QVERIFY(ap.TXI(632, "\x1b~1"));
        QCOMPARE(ap.Estado(632), 16); // a plain file has no status lines: on-line
        QCOMPARE(TestSupport::readFile(path), QByteArray("rolo\n\x1b~1"));
        QVERIFY(!ap.TX(0, "x"));
        QVERIFY(ap.erro().contains(QStringLiteral("0")));
        Platform::setPortDevicePath(QStringLiteral("LPT1"), folder->file(QStringLiteral("ausente")));
        QCOMPARE(ap.Estado(888), 0);
        QVERIFY(!ap.TXI(888, "x"));
    }

    void authenticationReachesTheDevice()
    {
        const QString path = standIn(QStringLiteral("LPT1"));
        AbreBD::gPrintCupom = 1;
        AbreBD::gPorta = QStringLiteral("LPT1");
        QVERIFY(inpout::Autentica_porta(1, QStringLiteral("quattro"), QStringLiteral("SÃO 007")));
        QVERIFY(inpout::Autentica_porta(2, QStringLiteral("quattro"), QStringLiteral("FITA")));
        QCOMPARE(TestSupport::readFile(path), QByteArray("\x1b~1\x1bVS\xC3O 007\x1b~0" "FITA\n"));

        QVERIFY(Platform::printers().mp2032().IniciaPorta(AbreBD::gPorta) > 0);
        QVERIFY(inpout::Autentica_porta(1, QStringLiteral("bematech"), QStringLiteral("DOC")));
        QVERIFY(inpout::Autentica_porta(2, QStringLiteral("bematech"), QStringLiteral("ROLO")));
        QVERIFY(Platform::printers().mp2032().FechaPorta() > 0);
        QVERIFY(TestSupport::readFile(path).endsWith(QByteArray("DOC\x1b~\0ROLO\n", 11)));
        QVERIFY(folder->messages->boxes.isEmpty());
    }

    void unopenableDeviceGivesTheFailureMessage()
    {
        Platform::setPortDevicePath(QStringLiteral("LPT1"), folder->file(QStringLiteral("ausente")));
        AbreBD::gPrintCupom = 1;
        AbreBD::gPorta = QStringLiteral("LPT1");
        QCOMPARE(Platform::printers().mp2032().IniciaPorta(AbreBD::gPorta), 0);
        QVERIFY(!inpout::Autentica_porta(2, QStringLiteral("bematech"), QStringLiteral("ROLO")));
        QVERIFY(!inpout::Autentica_porta(1, QStringLiteral("bematech"), QStringLiteral("DOC")));
        QVERIFY(!inpout::Autentica_porta(1, QStringLiteral("quattro"), QStringLiteral("DOC")));
        const QStringList t = folder->messages->texts();
        QCOMPARE(t.size(), 3);
        QVERIFY(t[0].startsWith(QStringLiteral("Problemas na impressão do texto.")));
        QVERIFY(t[1].startsWith(QStringLiteral("Problemas na autenticação do documento.")));
        QVERIFY(t[2].contains(folder->file(QStringLiteral("ausente"))));
    }
};

QTEST_MAIN(TstDispositivos)
#include "tst_dispositivos.moc"
