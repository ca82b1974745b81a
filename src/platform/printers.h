#pragma once
#include "auth_printer.h"
#include "printer_system.h"

#include <memory>

class RecordingPrinter;

// The one place every window and test gets the printers from. Until something
// else is set, the real ones: the devices of the ports and CUPS.
namespace Platform {

class Printers {
public:
    Mp2032 &mp2032();
    Ap40n &ap40n();
    PrinterSystem &system();

    // nullptr brings back the real implementation.
    void setMp2032(std::shared_ptr<Mp2032> printer);
    void setAp40n(std::shared_ptr<Ap40n> printer);
    void setSystem(std::shared_ptr<PrinterSystem> system);
    // Both authentication printers go to the same recorder.
    void setRecording(const std::shared_ptr<RecordingPrinter> &printer);
    // The real printers again, and the standard port devices.
    void reset();

private:
    std::shared_ptr<Mp2032> m_mp2032;
    std::shared_ptr<Ap40n> m_ap40n;
    std::shared_ptr<PrinterSystem> m_system;
};

Printers &printers();

} // namespace Platform
