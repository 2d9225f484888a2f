#pragma once
// Where a row of the list meets the engine: its reading by the calc book's
// reader goes through the calc book's own check of a row, so the list window
// states exactly what the calc book will print.

#include "beam_list.h"
#include "beam_run.h"

#include <optional>
#include <vector>

namespace varnok::listwindow {

/// What the window shows of a row: its results once every cell reads, else
/// the problems it waits on.
struct RowVerdict {
    std::vector<batch::RowProblem> problems;
    std::optional<CheckResult> result;
};

class RowChecker {
public:
    RowVerdict check(const batch::ListRow& row);

private:
    batch::BeamRun run_;
};

} // namespace varnok::listwindow
