#include "dvalue.h"

namespace varnok::dvalue {

DValueResult ComputeDValue(StoreyCondition condition, double k1, double k2, double k3, double k4,
                           double kc) {
    DValueResult r;
    switch (condition) {
    case StoreyCondition::FixedBase:
        r.kBar = (k1 + k2) / kc;
        r.a = (0.5 + r.kBar) / (2.0 + r.kBar);
        break;
    case StoreyCondition::PinnedBase:
        r.kBar = (k1 + k2) / kc;
        r.a = (0.5 * r.kBar) / (2.0 * r.kBar + 1.0);
        break;
    case StoreyCondition::ExposedBaseTypeI:
        r.kBar = (k1 + k2) / kc;
        r.a = (2.5 * r.kBar + 1.0) / (3.0 * r.kBar + 5.5);
        break;
    case StoreyCondition::GeneralStorey:
    default: // an unknown condition counts as a general storey, as an unselected group does
        r.kBar = ((k1 + k2 + k3 + k4) / 2.0) / kc;
        r.a = r.kBar / (2.0 + r.kBar);
        break;
    }
    r.D = r.a * kc;
    return r;
}

} // namespace varnok::dvalue
