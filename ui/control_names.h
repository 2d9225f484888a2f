#pragma once
// The object names of numbered controls, one helper per family that code
// numbers, so that a window and the code that finds its controls agree.

#include <string>

namespace varnok::ui {

/// "Text" followed by n: field n of a window.
inline std::string FieldName(int n) {
    return "Text" + std::to_string(n);
}

/// "Command" followed by n: push button n of a window.
inline std::string ButtonName(int n) {
    return "Command" + std::to_string(n);
}

} // namespace varnok::ui
