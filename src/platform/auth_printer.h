#pragma once
#include "printer_device.h"

#include <QByteArray>
#include <QString>

// The two authentication printers that are driven through a library of their
// own rather than as plain text printers. Each interface holds exactly the
// calls the desk makes; texts arrive already as single-byte Windows-1252.

// The "bematech" printer: an opened port, formatted roll text, raw commands and
// the stamping of an inserted document.
class Mp2032 {
public:
    virtual ~Mp2032() = default;
    // Above 0 when the port of the port text ("LPT1", "COM1", "USB", ...) is open.
    virtual int IniciaPorta(const QString &porta) = 0;
    // Above 0 when the port is closed; closing a port never opened is no error.
    virtual int FechaPorta() = 0;
    virtual int ConfiguraModeloImpressora(int modelo) = 0;
    // Prints the text on the roll; 0 when nothing was printed.
    virtual int FormataTX(const QByteArray &texto, int tipoLetra, int italico, int sublinhado,
                          int expandido, int enfatizado) = 0;
    // Sends the first `tamanho` bytes of the command as they are.
    virtual int ComandoTX(const QByteArray &comando, int tamanho) = 0;
    // Stamps the text on the inserted document, waiting up to `tempoMs` for it:
    // 0 not authenticated, -1 the time ran out, any other value done.
    virtual int AutenticaDoc(const QByteArray &texto, int tempoMs) = 0;
    // What went wrong in the last failed call, for the people who set printers up.
    virtual QString erro() const = 0;
};

// The "quattro" printer: addressed by port number (888 LPT1, 632 LPT2, 1 COM1,
// 2 COM2), no port to open or close.
class Ap40n {
public:
    virtual ~Ap40n() = default;
    // Roll text. False when it could not be sent.
    virtual bool TX(int porta, const QByteArray &texto) = 0;
    // Commands and the document text. False when they could not be sent.
    virtual bool TXI(int porta, const QByteArray &texto) = 0;
    // The status word; bit 4 (16) set: ready to stamp the document.
    virtual int Estado(int porta) = 0;
    virtual QString erro() const = 0;
};

// The real printers: the bytes go to the Linux device of the port.
class DeviceMp2032 : public Mp2032 {
public:
    int IniciaPorta(const QString &porta) override;
    int FechaPorta() override;
    int ConfiguraModeloImpressora(int modelo) override;
    int FormataTX(const QByteArray &texto, int tipoLetra, int italico, int sublinhado,
                  int expandido, int enfatizado) override;
    int ComandoTX(const QByteArray &comando, int tamanho) override;
    int AutenticaDoc(const QByteArray &texto, int tempoMs) override;
    QString erro() const override { return m_erro; }

    // A device that reports its status is ready to stamp when on-line, with
    // paper (the document) in and no error.
    static bool prontaParaAutenticar(int status);

private:
    bool envia(const QByteArray &bytes);
    Platform::PrinterDevice m_device;
    int m_modelo = 0;
    QString m_erro;
};

class DeviceAp40n : public Ap40n {
public:
    bool TX(int porta, const QByteArray &texto) override;
    bool TXI(int porta, const QByteArray &texto) override;
    int Estado(int porta) override;
    QString erro() const override { return m_erro; }

    // The port text of a port number ("LPT1" for 888, ...); empty when unknown.
    static QString textoDaPorta(int porta);

private:
    bool envia(int porta, const QByteArray &bytes);
    QString m_erro;
};
