// Placeholder until the printer dialog lands: does nothing.
#include "report_services.h"

namespace varnok::reports {
void RunPrinterDialog(QWidget*, const ProgramState&, const SheetAccess&, SheetKind, ReportServices) {}
} // namespace varnok::reports
