#pragma once
// The window a list dropped on the program gets: a progress bar while the
// list runs, then the counts, the bad rows and where the output went.

#include "batch_job.h"

#include <QDialog>

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

private:
    JobOptions options_;
    JobSummary summary_;
    QLabel* status_;
    QProgressBar* progress_;
    QPlainTextEdit* problems_;
    QPushButton* close_;
};

/// Shows the window, runs the list and waits until the user closes it;
/// returns the batch's exit status.
int RunSummaryWindow(const JobOptions& options);

} // namespace varnok::batch
