#pragma once
// Whether a sheet's text report or printout may start: a report describes the
// one calculation whose inputs are on screen, and names its member. Plain C++:
// the sheet shows the messages.

#include "beam_design.h"

#include <string_view>

namespace varnok::sheets {

enum class ReportRefusal {
    None,
    NotCalculated, // no calculation since the sheet opened, or an input changed since
    NoMemberName,  // the member name is empty or only blanks
};

/// The reason to refuse a report of `calculated` (the sheet's last calculated
/// design; none before one) with the inputs `typed` now on screen, the
/// calculation first: a user told to calculate again meets the name check on
/// the next press, while a report of stale results is never the better one to
/// hear about second. An input counts as changed when it reads as another number.
ReportRefusal CheckReport(const BeamDesign* calculated, const BeamInput& typed,
                          std::string_view memberName);

} // namespace varnok::sheets
