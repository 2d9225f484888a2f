#pragma once
// The platform's printers: the list with device, driver and port names, the
// default, switching the user's default, and the page printed on the default.

#include <QString>
#include <memory>
#include <vector>

namespace varnok::reports {

struct ReportLine;
enum class Typeface;

struct PrinterDescription {
    QString deviceName; // the name shown to the user
    QString driverName;
    QString portName;
};

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    /// The installed printers in the platform's order; empty when the list
    /// cannot be read.
    virtual std::vector<PrinterDescription> printers() = 0;
    /// The device name of the default printer; empty when there is none.
    virtual QString defaultPrinterName() = 0;
    /// Makes the printer the default; false when the platform refused.
    virtual bool setDefaultPrinter(const PrinterDescription& printer) = 0;
    /// The report page in `face` on the default printer, as a print job called
    /// `documentName`; false when it could not be printed (PrintReportPage).
    virtual bool printPage(const std::vector<ReportLine>& lines, Typeface face,
                           const QString& documentName);
};

/// The printers of this machine: CUPS on Linux and macOS, the Windows printer
/// list and profile on Windows.
std::unique_ptr<PrinterSystem> MakeSystemPrinterSystem();

} // namespace varnok::reports
