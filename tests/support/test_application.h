#pragma once
// The QApplication of every window test and widget benchmark: offscreen unless
// the environment chose a platform, with the program's typefaces.

#include "fonts.h"

#include <QApplication>
#include <memory>

namespace varnok::testing {

inline std::unique_ptr<QApplication> MakeTestApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    ui::InstallFontSubstitutions();
    ui::UseProgramDefaultFont();
    return app;
}

} // namespace varnok::testing
