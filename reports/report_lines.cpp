// Placeholder until the report builder lands.
#include "report_lines.h"

namespace varnok::reports {
Report BuildReport(const ProgramState&, const SheetAccess&, SheetKind, ReportTarget) { return {}; }
} // namespace varnok::reports
