#pragma once
// Sheets as a user leaves them: inputs typed, then calculated by the engine; one
// for each expected report file in golden/, whose bytes are typed by hand.

#include "beam_check.h"
#include "memory_sheet.h"

#include <string>
#include <vector>

namespace varnok::testing {

struct Scenario {
    std::string golden; // file name in golden/
    SheetKind kind = SheetKind::kei3_b1;
    ProgramState state;
    MemorySheet sheet = MemorySheet::withDefaults();
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
