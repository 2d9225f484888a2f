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
    connect(window, &launcher::LauncherWindow::listDropped, this, &WindowFlow::openList);
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

bool WindowFlow::startWithList(const QString& path) {
    openList(path);
    return lists_ > 0;
}

void WindowFlow::openList(const QString& path) {
    if (auto* window = listwindow::ListWindow::Open(path, {&state_, services_})) {
        track(window);
        ui::PlaceCentredOnScreen(window);
        window->show();
    }
}

void WindowFlow::track(listwindow::ListWindow* window) {
    ++lists_;
    connect(window, &listwindow::ListWindow::listOpened, this, [this](listwindow::ListWindow* w) {
        track(w);
    });
    connect(window, &QObject::destroyed, this, [this] {
        --lists_;
        QTimer::singleShot(0, this, &WindowFlow::endIfNoWindow);
    });
}

void WindowFlow::endIfNoWindow() {
    if (lists_ == 0 && !launcher_ && !sheet_)
        emit finished();
}

void WindowFlow::openDValueCalculator() {
    if (!launcher_)
        return;
    // The launcher deletes itself on close; the calculator goes with it.
    ui::ExecOwned(new dvalue::DValueForm(launcher_));
}

} // namespace varnok::app
