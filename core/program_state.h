#pragma once
// What the windows share for the whole run; overwritten, never cleared.

#include "field_values.h"
#include "load_case.h"

#include <string>

namespace varnok {

/// The launcher (or the list window) writes the load case before a sheet opens;
/// the open sheet writes the rest. A sheet opened later goes on from the
/// entries the last one left: Enter's running totals read them.
struct ProgramState {
    LoadCase loadCase;       // the arrangement last chosen
    FieldValues fieldValues; // entry n: the number behind field n, as Enter and calculate left it
    std::string memberName;  // UTF-8, as last taken from the member name field
};

} // namespace varnok
