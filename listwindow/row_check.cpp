#include "row_check.h"

namespace varnok::listwindow {

RowResult::RowResult(const CheckResult& r)
    : stressRatio_(r.stressRatio)
    , spanOverDeflection_(r.spanOverDeflection)
    , weldRatio_(r.weldRatio)
    , sectionRow_(static_cast<std::int16_t>(r.sectionRow))
    , kind_(static_cast<std::uint8_t>(r.kind))
    , shortTerm_(r.shortTerm)
    , bendingPasses_(r.bendingPasses)
    , deflectionPasses_(r.deflectionPasses)
    , weldPasses_(r.weldPasses) {}

std::string RowResult::text(batch::ResultCell cell) const {
    using batch::ResultCell;
    if (cell == ResultCell::Moment || cell == ResultCell::Fb || cell == ResultCell::Deflection)
        return {};
    BeamCheck check;
    check.currentSection = sectionRow_;
    check.stressRatio = stressRatio_;
    check.spanOverDeflection = spanOverDeflection_;
    check.weldRatio = weldRatio_;
    CheckResult record =
        RecordResult(check, Catalogue(), {std::nullopt, shortTerm_}, SheetKind(kind_));
    // The verdicts as the check took them: δ, which the deflection's depends
    // on, is not kept.
    record.bendingPasses = bendingPasses_;
    record.deflectionPasses = deflectionPasses_;
    record.weldPasses = weldPasses_;
    return std::string(batch::ResultText(record, cell));
}

bool RowResult::passes() const {
    // The record's own rule, on the verdicts alone (no text made).
    CheckResult verdicts;
    verdicts.kind = SheetKind(kind_);
    verdicts.bendingPasses = bendingPasses_;
    verdicts.deflectionPasses = deflectionPasses_;
    verdicts.weldPasses = weldPasses_;
    return verdicts.passes();
}

const std::vector<batch::RowProblem>& RowVerdict::problems() const {
    static const std::vector<batch::RowProblem> none;
    const auto* problems = std::get_if<std::vector<batch::RowProblem>>(&state_);
    return problems != nullptr ? *problems : none;
}

RowVerdict RowChecker::check(const batch::ListRow& row) {
    if (!row.beam)
        return RowVerdict(row.problems);
    run_.check(*row.beam);
    return RowVerdict(run_.design().result);
}

} // namespace varnok::listwindow
