// The sheets' print buttons: the printer dialog of the sheet, whose print
// button builds the page's lines and prints them on the default printer.
#include "modal.h"
#include "printer_dialog.h"
#include "printer_system.h"
#include "qt_colour.h"
#include "report_flows.h"
#include "report_lines.h"

namespace varnok::sheets {

using namespace reports;

namespace {

PrintOutcome PrintSheet(const BeamDesign& design, const std::string& memberName, Typeface face,
                        PrinterSystem& printers) {
    const Report report = BuildReport(design, memberName, ReportTarget::PrintedPage);
    const QString document = QStringLiteral("VARNOK_3 ") + ui::FromUtf8(memberName);
    // A report that stopped early is still sent as far as it goes, then reported.
    if (!printers.printPage(report.lines, face, document))
        return PrintOutcome::PrinterFailed;
    return report.complete ? PrintOutcome::Printed : PrintOutcome::DataError;
}

} // namespace

void RunPrinterDialog(QWidget* sheetWindow, const BeamDesign& design, const std::string& memberName,
                      Typeface face, ReportServices services) {
    std::unique_ptr<PrinterSystem> own;
    PrinterSystem* printers = services.printers;
    if (printers == nullptr) {
        own = MakeSystemPrinterSystem();
        printers = own.get();
    }
    // Deleted with the sheet if the sheet goes first, so the page function
    // below never runs without it.
    ui::ExecOwned(new PrinterDialog(sheetWindow, design.kind, *printers, [&] {
        return PrintSheet(design, memberName, face, *printers);
    }));
}

} // namespace varnok::sheets
