// Placeholder until the text report lands: does nothing.
#include "report_services.h"

namespace varnok::reports {
void RunTextReport(QWidget*, ProgramState&, const SheetAccess&, SheetKind, ReportServices) {}
} // namespace varnok::reports
