#pragma once
// b_sel, the start-up window: six diagram buttons that choose the load case,
// an exit button (Esc) and the D-value button (Enter). The window records the
// choice and asks for what comes next; the program's window flow closes it and
// opens the sheet or the calculator.

#include "program_state.h"
#include "sheet_access.h"

#include <QWidget>

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QPushButton;

namespace varnok::launcher {

class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    /// A choice writes state.loadCase.
    explicit LauncherWindow(ProgramState& state, QWidget* parent = nullptr);

signals:
    /// A diagram button was clicked; state.loadCase already holds its case.
    void sheetRequested(varnok::SheetKind kind);
    /// Command7, Esc, or the close box.
    void exitRequested();
    /// Command11, or Enter while no other button has the focus.
    void dValueRequested();
    /// A beam list (a .csv file) was dropped on the window.
    void listDropped(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildHeader();
    void buildBody();
    void chooseCase(LoadCaseButton button);

    ProgramState& state_;
    // The keys' targets, kept as built: no lookup by name that could miss.
    QPushButton* exitButton_ = nullptr;   // Command7, Esc
    QPushButton* dValueButton_ = nullptr; // Command11, Enter
    // Set once a sheet or the exit is asked for: closing the window after that
    // is the window flow's doing, not the user's close box.
    bool handedOver_ = false;
};

} // namespace varnok::launcher
