#pragma once
// The program as the guide's pictures show it: the real window flow with a
// recording text editor and a made-up set of printers (so a picture run prints
// nothing and changes no default printer), driven with keys and clicks as a
// user drives it, and the pictures written into one folder.

#include "editor_launcher.h"
#include "modal_script.h"
#include "printer_system.h"
#include "window_flow.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace varnok::guide {

/// Stands in for the desktop's editor: notes the file it was asked to open.
class RecordingEditor final : public reports::EditorLauncher {
public:
    bool start(const QString& filePath) override {
        opened << filePath;
        return true;
    }
    QStringList opened;
};

/// Three printers of an office; "Ｏ Ｋ" switches among them in memory only.
class OfficePrinters final : public reports::PrinterSystem {
public:
    std::vector<reports::PrinterDescription> printers() override;
    QString defaultPrinterName() override { return default_; }
    bool setDefaultPrinter(const reports::PrinterDescription& printer) override;

private:
    QString default_ = QStringLiteral("VARNOK_PDF");
};

class GuideSession {
public:
    /// Pictures go to `pictureFolder`, the text reports of the run to `reportFolder`.
    GuideSession(QString pictureFolder, QString reportFolder);

    app::WindowFlow& flow() { return flow_; }
    ModalScript& script() { return script_; }
    RecordingEditor& editor() { return editor_; }
    ProgramState& state() { return state_; }
    const QString& reportFolder() const { return reportFolder_; }

    /// The launcher or the open sheet: the window in front when no dialog is.
    QWidget* mainWindow() const;

    /// Lets the program run until no modal window is open, every expected one
    /// has come, and `ready` holds; gives the activation back to the main
    /// window as a desktop does. False (with a line on stderr) after 10 s.
    bool settle(const std::function<bool()>& ready = {});

    /// Keys typed into the control that has the focus in `window`. Without a
    /// window the main window's control gets them and press() settles after
    /// the key; a script step passes its dialog and nothing waits.
    void type(const QString& text, QWidget* window = nullptr);
    void press(Qt::Key key, QWidget* window = nullptr,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// A mouse click on a named control of `window`, then settle().
    void click(QWidget* window, const char* name);

    /// Notes a fault of the run (the program did not do what the guide shows).
    void fail(const char* what);

    /// Writes `picture` as NAME.png; failures are counted.
    void save(const QString& name, const QImage& picture);

    /// Whether every picture was written and the script ran as expected.
    bool succeeded() const { return failures_ == 0 && script_.finishedCleanly(); }

private:
    QString folder_;
    QString reportFolder_;
    ProgramState state_;
    RecordingEditor editor_;
    OfficePrinters printers_;
    app::WindowFlow flow_;
    ModalScript script_;
    int failures_ = 0;
};

} // namespace varnok::guide
