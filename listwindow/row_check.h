#pragma once
// Where a row of the list meets the engine: its reading by the calc book's
// reader goes through the calc book's own check of a row, so the list window
// states exactly what the calc book will print.

#include "beam_list.h"
#include "beam_run.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace varnok::listwindow {

/// A checked row kept small: its catalogue row, ratios and δ, not the record's
/// many texts (a long list keeps one a row). The texts and verdicts are made as
/// the row is shown, by the engine's own step from the check to its record, so
/// they read exactly as the sheet's.
class RowResult {
public:
    explicit RowResult(const CheckResult& result);
    /// A cell's text as the record states it; the moment and fb, which the
    /// window does not show, are not kept and read "".
    std::string text(batch::ResultCell cell) const;
    /// Every check passes (kept, as the counts ask for it without a text).
    bool passes() const { return passes_; }

private:
    // What the record is made again from: the unrounded ratios it shows
    // through its masks and takes its verdicts on, and δ (no deflection passes).
    double stressRatio_;
    double spanOverDeflection_;
    double weldRatio_;
    double deflection_; // cm
    std::int16_t sectionRow_;
    std::uint8_t kind_; // SheetKind
    bool shortTerm_;
    bool passes_;
};

/// What the window shows of a row: its results once every cell reads, else
/// the problems it waits on; neither before it is first checked.
class RowVerdict {
public:
    RowVerdict() = default;
    explicit RowVerdict(std::vector<batch::RowProblem> problems)
        : state_(std::move(problems)) {}
    explicit RowVerdict(const CheckResult& result)
        : state_(RowResult(result)) {}

    /// The row's results; none while it waits.
    const RowResult* result() const { return std::get_if<RowResult>(&state_); }
    /// Why the row cannot be checked; empty for a checked row.
    const std::vector<batch::RowProblem>& problems() const;

private:
    std::variant<std::monostate, std::vector<batch::RowProblem>, RowResult> state_;
};

class RowChecker {
public:
    RowVerdict check(const batch::ListRow& row);

private:
    batch::BeamRun run_;
};

} // namespace varnok::listwindow
