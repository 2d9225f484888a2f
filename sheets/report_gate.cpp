#include "report_gate.h"

#include "blank_text.h"

namespace varnok::sheets {

ReportRefusal CheckReport(const BeamDesign* calculated, const BeamInput& typed,
                          std::string_view memberName) {
    if (calculated == nullptr || !DescribesInput(*calculated, typed))
        return ReportRefusal::NotCalculated;
    if (IsBlank(memberName))
        return ReportRefusal::NoMemberName;
    return ReportRefusal::None;
}

} // namespace varnok::sheets
