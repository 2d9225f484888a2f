#pragma once
// Which window is in front: exactly one of the launcher and the design sheets
// is shown at a time. The launcher hands over to a sheet, a sheet's "終了"
// brings a fresh launcher back, and the D-value calculator opens modally over
// the launcher. The program ends from the launcher's exit (or Esc), its close
// box, or a sheet's close box.

#include "beam_check.h"
#include "design_sheet.h"
#include "launcher_window.h"
#include "report_services.h"

#include <QObject>
#include <QPointer>

namespace varnok::app {

class WindowFlow : public QObject {
    Q_OBJECT
public:
    WindowFlow(ProgramState& state, reports::ReportServices services, QObject* parent = nullptr);

    /// Shows the launcher (which fills the catalogue as it loads).
    void start();

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

    ProgramState& state_;
    reports::ReportServices services_;
    QPointer<launcher::LauncherWindow> launcher_;
    QPointer<sheets::DesignSheet> sheet_;
};

} // namespace varnok::app
