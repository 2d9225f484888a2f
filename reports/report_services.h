#pragma once
// What a design sheet hands to its report buttons. The program owns the real
// editor launcher and printer system; tests pass their own.

#include <QString>

namespace varnok::reports {

class EditorLauncher;
class PrinterSystem;

struct ReportServices {
    EditorLauncher* editor = nullptr;
    PrinterSystem* printers = nullptr;
    QString reportFolder = {}; // where text reports go; empty: the user's desktop
};

} // namespace varnok::reports
