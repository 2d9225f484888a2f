#include "program.h"

#include "fonts.h"

#include <QApplication>

namespace varnok::app {

Program::Program()
    : printers_(reports::MakeSystemPrinterSystem())
    , flow_(state_, {&editor_, printers_.get()}) {
    connect(&flow_, &WindowFlow::finished, this, &Program::finished);
}

void Program::start() {
    flow_.start();
}

void ConfigureApplication() {
    QApplication::setApplicationName(QStringLiteral("VARNOK_3"));
    QApplication::setApplicationVersion(QStringLiteral(VARNOK_VERSION));
    // Quitting is the window flow's decision: the launcher closes while a sheet opens.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::InstallFontSubstitutions();
    ui::UseProgramDefaultFont();
}

} // namespace varnok::app
