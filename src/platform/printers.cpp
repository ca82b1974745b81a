#include "printers.h"
#include "recording_printer.h"

namespace Platform {

Mp2032 &Printers::mp2032()
{
    if (!m_mp2032)
        m_mp2032 = std::make_shared<DeviceMp2032>();
    return *m_mp2032;
}

Ap40n &Printers::ap40n()
{
    if (!m_ap40n)
        m_ap40n = std::make_shared<DeviceAp40n>();
    return *m_ap40n;
}

PrinterSystem &Printers::system()
{
    if (!m_system)
        m_system = std::make_shared<CupsPrinterSystem>();
    return *m_system;
}

void Printers::setMp2032(std::shared_ptr<Mp2032> printer)
{
    m_mp2032 = std::move(printer);
}

void Printers::setAp40n(std::shared_ptr<Ap40n> printer)
{
    m_ap40n = std::move(printer);
}

void Printers::setSystem(std::shared_ptr<PrinterSystem> system)
{
    m_system = std::move(system);
}

void Printers::setRecording(const std::shared_ptr<RecordingPrinter> &printer)
{
    m_mp2032 = printer;
    m_ap40n = printer;
}

void Printers::reset()
{
    m_mp2032.reset();
    m_ap40n.reset();
    m_system.reset();
    resetPortDevicePaths();
}

Printers &printers()
{
    static Printers instance;
    return instance;
}

} // namespace Platform
