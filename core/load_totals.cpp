#include "load_totals.h"

namespace varnok {

using namespace slot;

double LineLoadOf(const FieldValues& e) {
    return LineLoad(e.get(kWidthW), e.get(kAreaLoadW), e.get(kAddedW));
}

double PointLoadOf(const FieldValues& e) {
    return PointLoad(e.get(kWidthP), e.get(kAreaLoadP), e.get(kLengthP), e.get(kAddedP));
}

double TwoRowLineLoadOf(const FieldValues& e) {
    return TwoRowLineLoad(LineLoadOf(e), e.get(kWidthW2), e.get(kAreaLoadW2), e.get(kAddedW2));
}

} // namespace varnok
