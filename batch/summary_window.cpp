#include "summary_window.h"

#include "batch_command.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnok::batch {

SummaryWindow::SummaryWindow(JobOptions options, QWidget* parent)
    : QDialog(parent)
    , options_(std::move(options))
    , status_(new QLabel(this))
    , progress_(new QProgressBar(this))
    , problems_(new QPlainTextEdit(this))
    , close_(new QPushButton(QStringLiteral("閉じる"), this)) {
    setObjectName(QStringLiteral("s_batch"));
    setWindowTitle(QStringLiteral(" 計算書の作成"));
    auto* list =
        new QLabel(QStringLiteral("梁リスト: %1")
                       .arg(QDir::toNativeSeparators(QFileInfo(options_.list).absoluteFilePath())),
                   this);
    list->setObjectName(QStringLiteral("Label1"));
    status_->setObjectName(QStringLiteral("Label2"));
    status_->setText(QStringLiteral("チェック中…"));
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 0); // busy until the number of pages is known
    problems_->setObjectName(QStringLiteral("Text1"));
    problems_->setReadOnly(true);
    problems_->setVisible(false);
    close_->setObjectName(QStringLiteral("Command1"));
    close_->setEnabled(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(problems_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);
    resize(600, 280);
}

const JobSummary& SummaryWindow::run() {
    JobCallbacks callbacks;
    callbacks.problem = [this](const RowProblem& p) {
        problems_->setVisible(true);
        problems_->appendPlainText(ProblemLine(QFileInfo(options_.list).fileName(), p));
    };
    callbacks.warning = [this](const QString& warning) {
        problems_->setVisible(true);
        problems_->appendPlainText(warning);
    };
    callbacks.progress = [this](JobStage stage, int done, int total) {
        if (stage == JobStage::Book) {
            status_->setText(QStringLiteral("計算書を作成中… %1 / %2 ページ").arg(done).arg(total));
            progress_->setRange(0, total);
            progress_->setValue(done);
        }
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    summary_ = RunJob(options_, callbacks);
    progress_->setRange(0, 1);
    progress_->setValue(1);
    QString text = SummaryText(summary_).trimmed();
    if (summary_.failure)
        text = *summary_.failure + u'\n' + text;
    status_->setText(text);
    layout()->activate();
    close_->setEnabled(true);
    close_->setDefault(true);
    close_->setFocus();
    return summary_;
}

int RunSummaryWindow(const JobOptions& options) {
    SummaryWindow window(options);
    window.show();
    QApplication::processEvents();
    const int status = window.run().exitStatus();
    window.exec();
    return status;
}

} // namespace varnok::batch
