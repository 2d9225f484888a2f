#pragma once
// What a design sheet hands to its report buttons. The program owns the real
// editor launcher and printer system; tests pass their own.

#include "beam_check.h"
#include "sheet_access.h"

#include <QString>

class QWidget;

namespace varnok::reports {

class EditorLauncher;
class PrinterSystem;

struct ReportServices {
    EditorLauncher* editor = nullptr;
    PrinterSystem* printers = nullptr;
    QString reportFolder = {}; // where text reports go; empty: the user's desktop
};

/// The sheet's "メモ帳出力" button: the text-report screen of the sheet kind
/// (s_txt1/2/3) modal over `sheetWindow`, then the editor on the report file,
/// with the editor warning when it cannot be started.
void RunTextReport(QWidget* sheetWindow, ProgramState& state, const SheetAccess& sheet,
                   SheetKind kind, ReportServices services);

/// The sheet's print buttons, after they wrote "G" or "M" into Text40: the
/// printer dialog of the sheet kind (s_prt1/2/3) modal over `sheetWindow`.
void RunPrinterDialog(QWidget* sheetWindow, const ProgramState& state, const SheetAccess& sheet,
                      SheetKind kind, ReportServices services);

} // namespace varnok::reports
