// Placeholder until the report builder lands.
#include "report_lines.h"

namespace varnok::reports {
ReportLines BuildReport(const ProgramState&, const SheetAccess&, SheetKind, ReportTarget) { return {}; }
} // namespace varnok::reports
