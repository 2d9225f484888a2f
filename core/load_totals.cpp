#include "load_totals.h"

namespace varnok {

double LineLoadOf(const FieldValues& e) {
    return LineLoad(e.get(5), e.get(4), e.get(6));
}

double PointLoadOf(const FieldValues& e) {
    return PointLoad(e.get(9), e.get(8), e.get(10), e.get(11));
}

double TwoRowLineLoadOf(const FieldValues& e) {
    return TwoRowLineLoad(LineLoadOf(e), e.get(8), e.get(7), e.get(9));
}

} // namespace varnok
