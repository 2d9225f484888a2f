#pragma once
// The calc book's design-basis page (設計条件): what the checks assume, stated
// from the engine's own constants and load-case table, so that the page says
// what is computed.

#include "report_lines.h"

namespace varnok::batch {

/// The page's lines, at the report columns.
reports::ReportLines DesignBasisLines();

} // namespace varnok::batch
