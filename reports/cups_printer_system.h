#pragma once
// The printers as CUPS knows them (Linux, macOS): device name = queue name,
// driver name = its make and model, port name = its device URI. The default is
// the user's default destination, the one `lpoptions -d` sets (for root the
// machine-wide /etc/cups/lpoptions).

#include "printer_system.h"

namespace varnok::reports {

class CupsPrinterSystem final : public PrinterSystem {
public:
    std::vector<PrinterDescription> printers() override;
    QString defaultPrinterName() override;
    bool setDefaultPrinter(const PrinterDescription& printer) override;
};

} // namespace varnok::reports
