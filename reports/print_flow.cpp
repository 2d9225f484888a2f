// The sheets' print buttons: the printer dialog of the sheet, whose print
// button builds the page's lines and prints them on the default printer.
#include "modal.h"
#include "printed_page.h"
#include "printer_dialog.h"
#include "printer_system.h"
#include "qt_colour.h"
#include "report_lines.h"
#include "report_services.h"

namespace varnok::reports {

namespace {

PrintOutcome PrintSheet(const ProgramState& state, const SheetAccess& sheet, SheetKind kind,
                        PrinterSystem& printers) {
    const Report report = BuildReport(state, sheet, kind, ReportTarget::PrintedPage);
    const Typeface face = TypefaceFor(ui::FromUtf8(sheet.text("Text40")));
    const QString document = QStringLiteral("VARNOK_3 ") + ui::FromUtf8(state.memberName);
    // A report that stopped early is still sent as far as it goes, then reported.
    if (!PrintReportPage(report.lines, face, printers.defaultPrinterName(), document))
        return PrintOutcome::PrinterFailed;
    return report.complete ? PrintOutcome::Printed : PrintOutcome::DataError;
}

} // namespace

void RunPrinterDialog(QWidget* sheetWindow, const ProgramState& state, const SheetAccess& sheet,
                      SheetKind kind, ReportServices services) {
    std::unique_ptr<PrinterSystem> own;
    PrinterSystem* printers = services.printers;
    if (printers == nullptr) {
        own = MakeSystemPrinterSystem();
        printers = own.get();
    }
    // Deleted with the sheet if the sheet goes first, so the page function
    // below never runs without it.
    ui::ExecOwned(new PrinterDialog(sheetWindow, kind, *printers,
                                    [&] { return PrintSheet(state, sheet, kind, *printers); }));
}

} // namespace varnok::reports
