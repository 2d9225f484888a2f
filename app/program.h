#pragma once
// Everything the program owns for its whole run: the program-wide records, the
// editor launcher, the printer system and the window flow.

#include "printer_system.h"
#include "program_state.h"
#include "system_editor_launcher.h"
#include "window_flow.h"

#include <QObject>
#include <memory>

namespace varnok::app {

class Program : public QObject {
    Q_OBJECT
public:
    Program();

    /// Shows the launcher; `finished` is emitted when the user ends the program.
    void start();
    /// Opens a beam list in its window instead of the launcher; false when
    /// the file is no list (the user was told why).
    bool startWithList(const QString& path) { return flow_.startWithList(path); }
    WindowFlow& flow() { return flow_; }

signals:
    void finished();

private:
    ProgramState state_;
    reports::SystemEditorLauncher editor_;
    std::unique_ptr<reports::PrinterSystem> printers_;
    WindowFlow flow_;
};

/// The program's typefaces and quitting rule; call once on the new QApplication.
void ConfigureApplication();

} // namespace varnok::app
