#pragma once
// Sheets as a user leaves them: inputs typed, then calculated; one
// for each expected report file in golden/, whose bytes are typed by hand.

#include "beam_design.h"

#include <string>
#include <vector>

namespace varnok::testing {

struct Scenario {
    std::string golden; // file name in golden/
    std::string memberName;
    BeamDesign design;
};

Scenario TwoPointsLongPass();
Scenario OnePointShortFail();
Scenario ThreePointsLongPass();
Scenario FourPointsDeflectionFail();
Scenario UniformBothRowsLongPass();
Scenario UniformOneRowShortFail();
Scenario CantileverWeldFailLong();
Scenario CantileverShortPass();

std::vector<Scenario> AllScenarios();

} // namespace varnok::testing
