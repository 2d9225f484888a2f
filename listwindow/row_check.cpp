#include "row_check.h"

namespace varnok::listwindow {

RowResult::RowResult(const CheckResult& r)
    : stressRatio_(r.stressRatio)
    , spanOverDeflection_(r.spanOverDeflection)
    , weldRatio_(r.weldRatio)
    , deflection_(r.deflection)
    , sectionRow_(static_cast<std::int16_t>(r.sectionRow))
    , kind_(static_cast<std::uint8_t>(r.kind))
    , shortTerm_(r.shortTerm)
    , passes_(r.passes()) {}

std::string RowResult::text(batch::ResultCell cell) const {
    using batch::ResultCell;
    if (cell == ResultCell::Moment || cell == ResultCell::Fb)
        return {};
    BeamCheck check;
    check.currentSection = sectionRow_;
    check.stressRatio = stressRatio_;
    check.spanOverDeflection = spanOverDeflection_;
    check.weldRatio = weldRatio_;
    check.deflection = deflection_;
    const CheckResult record =
        RecordResult(check, Catalogue(), {std::nullopt, shortTerm_}, SheetKind(kind_));
    return std::string(batch::ResultText(record, cell));
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
