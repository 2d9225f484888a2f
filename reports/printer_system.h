#pragma once
// The platform's printers: the list with device, driver and port names, the
// default, and switching the user's default.

#include <QString>
#include <vector>

namespace varnok::reports {

struct PrinterDescription {
    QString deviceName; // the name shown to the user
    QString driverName;
    QString portName;
};

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    virtual std::vector<PrinterDescription> printers() = 0;
    virtual QString defaultPrinterName() = 0;
    /// Makes the printer the default; false when the platform refused.
    virtual bool setDefaultPrinter(const PrinterDescription& printer) = 0;
};

} // namespace varnok::reports
