#include "auth_printer.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QThread>

#include <linux/lp.h>

namespace {
constexpr int pausaMs = 10;
}

int DeviceMp2032::IniciaPorta(const QString &porta)
{
    m_erro.clear();
    return m_device.open(Platform::portDevicePath(porta), &m_erro) ? 1 : 0;
}

int DeviceMp2032::FechaPorta()
{
    m_device.close();
    return 1;
}

int DeviceMp2032::ConfiguraModeloImpressora(int modelo)
{
    m_modelo = modelo;
    return 1;
}

bool DeviceMp2032::envia(const QByteArray &bytes)
{
    m_erro.clear();
    return m_device.write(bytes, &m_erro);
}

int DeviceMp2032::FormataTX(const QByteArray &texto, int, int, int, int, int)
{
    // The desk only ever prints the roll in the printer's normal letter.
    return envia(texto) ? 1 : 0;
}

int DeviceMp2032::ComandoTX(const QByteArray &comando, int tamanho)
{
    const qsizetype n = std::clamp<qsizetype>(tamanho, 0, comando.size());
    return envia(comando.left(n)) ? 1 : 0;
}

bool DeviceMp2032::prontaParaAutenticar(int status)
{
    return (status & LP_PSELECD) && !(status & LP_POUTPA) && (status & LP_PERRORP);
}

int DeviceMp2032::AutenticaDoc(const QByteArray &texto, int tempoMs)
{
    if (!m_device.isOpen()) {
        m_erro = QStringLiteral("A porta da impressora não está aberta.");
        return 0;
    }
    // Serial and USB lines report no status: the printer itself waits for the document.
    QElapsedTimer clock;
    clock.start();
    for (auto s = m_device.parallelStatus(); s && !prontaParaAutenticar(*s); s = m_device.parallelStatus()) {
        if (clock.elapsed() >= tempoMs) {
            m_erro = QStringLiteral("O documento não foi inserido a tempo.");
            return -1;
        }
        QThread::msleep(pausaMs);
    }
    return envia(texto) ? 1 : 0;
}

QString DeviceAp40n::textoDaPorta(int porta)
{
    switch (porta) {
    case 888: return QStringLiteral("LPT1");
    case 632: return QStringLiteral("LPT2");
    case 1: return QStringLiteral("COM1");
    case 2: return QStringLiteral("COM2");
    default: return {};
    }
}

bool DeviceAp40n::envia(int porta, const QByteArray &bytes)
{
    m_erro.clear();
    const QString texto = textoDaPorta(porta);
    if (texto.isEmpty()) {
        m_erro = QStringLiteral("Porta %1 desconhecida.").arg(porta);
        return false;
    }
    return Platform::writeToPort(texto, bytes, &m_erro);
}

bool DeviceAp40n::TX(int porta, const QByteArray &texto)
{
    return envia(porta, texto);
}

bool DeviceAp40n::TXI(int porta, const QByteArray &texto)
{
    return envia(porta, texto);
}

int DeviceAp40n::Estado(int porta)
{
    Platform::PrinterDevice device;
    if (!device.open(Platform::portDevicePath(textoDaPorta(porta)), &m_erro))
        return 0;
    // A line without status wires (serial adapter, plain file) counts as on-line.
    return device.parallelStatus().value_or(LP_PSELECD);
}
