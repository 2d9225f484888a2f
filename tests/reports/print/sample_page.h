#pragma once
// A realistic printed page written out by hand: the simple-beam sheet with two
// point loads, as the page lists it (one extra empty line at the top, every
// column ten further right). Independent of the report builder.

#include "report_lines.h"

namespace varnok::testing {

reports::ReportLines SampleSimpleBeamPage();

/// The number of columns a text takes: a half-width character one, a
/// full-width character two (its Shift-JIS byte count).
int ColumnsOf(std::string_view utf8);

} // namespace varnok::testing
