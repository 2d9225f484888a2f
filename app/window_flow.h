#pragma once
// Which window is in front: exactly one of the launcher and the design sheets
// is shown at a time. The launcher hands over to a sheet, a sheet's "終了"
// brings a fresh launcher back, and the D-value calculator opens modally over
// the launcher. The program ends from the launcher's exit (or Esc), its close
// box, or a sheet's close box.

#include "design_sheet.h"
#include "launcher_window.h"
#include "list_window.h"
#include "program_state.h"
#include "report_services.h"

#include <QObject>
#include <QPointer>

namespace varnok::app {

class WindowFlow : public QObject {
    Q_OBJECT
public:
    WindowFlow(ProgramState& state, reports::ReportServices services, QObject* parent = nullptr);

    /// Shows the launcher.
    void start();
    /// Opens a beam list in its list window instead of the launcher; false
    /// (after telling why) when the file is no list.
    bool startWithList(const QString& path);
    /// Opens a beam list in a list window of its own.
    void openList(const QString& path);

    launcher::LauncherWindow* launcher() const { return launcher_; }
    sheets::DesignSheet* sheet() const { return sheet_; }

signals:
    /// The user ended the program.
    void finished();

private:
    void showLauncher();
    void openSheet(SheetKind kind);
    void returnToLauncher();
    void openDValueCalculator();
    /// Keeps a list window (and those it opens) in the flow: the program ends
    /// with the last window.
    void track(listwindow::ListWindow* window);
    void endIfNoWindow();

    ProgramState& state_;
    reports::ReportServices services_;
    QPointer<launcher::LauncherWindow> launcher_;
    QPointer<sheets::DesignSheet> sheet_;
    int lists_ = 0; // list windows open
};

} // namespace varnok::app
