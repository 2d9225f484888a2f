#pragma once
// The printer dialog s_prt1 / s_prt2 / s_prt3 (one per design sheet, alike in
// every control): pick a printer, "Ｏ Ｋ" makes it the default and reveals the
// print button, which prints the sheet's page through the given function.

#include "printer_system.h"
#include "sheet_access.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;

namespace varnok::reports {

/// "s_prt1", "s_prt2" or "s_prt3".
QString PrinterDialogName(SheetKind kind);

/// How a printout ended. Only an error in the sheet's data is blamed on the
/// input; a printer that cannot print is named as such.
enum class PrintOutcome {
    Printed,
    DataError,     // the page stopped early at a value it could not print
    PrinterFailed, // the default printer could not be opened or refused the job
};

class PrinterDialog final : public QDialog {
    Q_OBJECT
public:
    /// Prints the page on the default printer.
    using PrintPage = std::function<PrintOutcome()>;

    /// Fills Combo1 from `printers` (the default printer as its text, every
    /// printer in its list). `printers` must outlive the dialog.
    PrinterDialog(QWidget* parent, SheetKind kind, PrinterSystem& printers, PrintPage printPage);

private:
    void choosePrinter(); // "Ｏ Ｋ"
    void print();         // " 印刷開始         [Enter]"

    PrinterSystem& printers_;
    PrintPage printPage_;
    QComboBox* combo_ = nullptr;
    QPushButton* printButton_ = nullptr;
};

} // namespace varnok::reports
