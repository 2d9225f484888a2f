#include "report_gate.h"

#include "chain_rules.h"
#include "read_number.h"

namespace varnok::sheets {

ReportGate::ReportGate(SheetKind kind) {
    for (int n : ChainFor(kind).fields) {
        if (n != 1) // the member name is no number
            inputs_.push_back(n);
    }
}

std::vector<double> ReportGate::valuesNow(const SheetAccess& sheet) const {
    std::vector<double> values;
    values.reserve(inputs_.size());
    for (int n : inputs_)
        values.push_back(ReadNumber(sheet.text(FieldName(n))));
    return values;
}

void ReportGate::recordCalculation(const SheetAccess& sheet) {
    calculated_ = valuesNow(sheet);
}

ReportRefusal ReportGate::check(const SheetAccess& sheet) const {
    if (calculated_.empty() || valuesNow(sheet) != calculated_)
        return ReportRefusal::NotCalculated;
    if (IsBlankName(sheet.text("Text1")))
        return ReportRefusal::NoMemberName;
    return ReportRefusal::None;
}

bool IsBlankName(std::string_view name) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    constexpr std::string_view kNoBreakSpace = "\u00a0";
    while (!name.empty()) {
        if (name.starts_with(kIdeographicSpace))
            name.remove_prefix(kIdeographicSpace.size());
        else if (name.starts_with(kNoBreakSpace))
            name.remove_prefix(kNoBreakSpace.size());
        else if (std::string_view(" \t\r\n\v\f").find(name.front()) != std::string_view::npos)
            name.remove_prefix(1);
        else
            return false;
    }
    return true;
}

} // namespace varnok::sheets
