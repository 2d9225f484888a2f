#pragma once
// The window a list dropped on the program gets: a progress bar while the
// list runs, then the counts, the failing beams and the bad rows, where the
// output went, and buttons that open the calc book and its folder.

#include "batch_job.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace varnok::batch {

class SummaryWindow final : public QDialog {
    Q_OBJECT
public:
    explicit SummaryWindow(JobOptions options, QWidget* parent = nullptr);

    /// Runs the list, keeping the window painted; returns its summary.
    const JobSummary& run();
    const JobSummary& summary() const { return summary_; }

    /// Opens a file or a folder in the system's viewer for it (the PDF viewer,
    /// the file manager); the default asks the desktop. Tests put their own.
    using Opener = std::function<bool(const QString& path)>;
    void setOpener(Opener opener) { open_ = std::move(opener); }

private:
    void openPath(const QString& path);

    JobOptions options_;
    JobSummary summary_;
    Opener open_;
    QLabel* status_;
    QProgressBar* progress_;
    QPlainTextEdit* problems_;
    QPushButton* openBook_;
    QPushButton* openFolder_;
    QPushButton* close_;
};

/// Shows the window, runs the list and waits until the user closes it;
/// returns the batch's exit status.
int RunSummaryWindow(const JobOptions& options);

} // namespace varnok::batch
