#include "window_flow.h"

#include "dvalue_form.h"
#include "modal.h"
#include "window_placement.h"

#include <QTimer>

namespace varnok::app {

WindowFlow::WindowFlow(ProgramState& state, reports::ReportServices services, QObject* parent)
    : QObject(parent)
    , state_(state)
    , services_(services) {}

void WindowFlow::start() {
    showLauncher();
}

void WindowFlow::showLauncher() {
    auto* window = new launcher::LauncherWindow(state_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &launcher::LauncherWindow::sheetRequested, this, [this](SheetKind kind) {
        // Leave the button's click handler before the launcher goes away.
        QTimer::singleShot(0, this, [this, kind] { openSheet(kind); });
    });
    connect(window, &launcher::LauncherWindow::exitRequested, this, &WindowFlow::finished);
    connect(window, &launcher::LauncherWindow::dValueRequested, this,
            &WindowFlow::openDValueCalculator);
    launcher_ = window;
    ui::PlaceCentredOnScreen(window);
    window->show();
}

void WindowFlow::openSheet(SheetKind kind) {
    if (launcher_)
        launcher_->close();
    auto* sheet = new sheets::DesignSheet(state_, kind, services_);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &sheets::DesignSheet::exitRequested, this,
            [this] { QTimer::singleShot(0, this, &WindowFlow::returnToLauncher); });
    connect(sheet, &sheets::DesignSheet::closedByUser, this, &WindowFlow::finished);
    sheet_ = sheet;
    sheet->openSheet();
}

void WindowFlow::returnToLauncher() {
    if (sheet_)
        sheet_->close();
    showLauncher();
}

void WindowFlow::openDValueCalculator() {
    if (!launcher_)
        return;
    // The launcher deletes itself on close; the calculator goes with it.
    ui::ExecOwned(new dvalue::DValueForm(launcher_));
}

} // namespace varnok::app
