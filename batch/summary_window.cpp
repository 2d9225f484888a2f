#include "summary_window.h"

#include "batch_command.h"

#include "message_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace varnok::batch {

SummaryWindow::SummaryWindow(JobOptions options, QWidget* parent)
    : QDialog(parent)
    , options_(std::move(options))
    , open_(
          [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
    , status_(new QLabel(this))
    , progress_(new QProgressBar(this))
    , problems_(new QPlainTextEdit(this))
    , openBook_(new QPushButton(QStringLiteral("計算書を開く"), this))
    , openFolder_(new QPushButton(QStringLiteral("フォルダを開く"), this))
    , close_(new QPushButton(QStringLiteral("閉じる"), this)) {
    setObjectName(QStringLiteral("s_batch"));
    setWindowTitle(QStringLiteral(" 計算書の作成"));
    auto* list =
        new QLabel(QStringLiteral("梁リスト: %1")
                       .arg(QDir::toNativeSeparators(QFileInfo(options_.list).absoluteFilePath())),
                   this);
    list->setObjectName(QStringLiteral("listName"));
    status_->setObjectName(QStringLiteral("status"));
    status_->setText(QStringLiteral("チェック中…"));
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 0); // busy until the number of pages is known
    problems_->setObjectName(QStringLiteral("problems"));
    problems_->setReadOnly(true);
    problems_->setVisible(false);
    close_->setObjectName(QStringLiteral("close"));
    close_->setEnabled(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    openBook_->setObjectName(QStringLiteral("openBook"));
    openBook_->setEnabled(false);
    connect(openBook_, &QPushButton::clicked, this, [this] {
        openPath(QDir(summary_.outputFolder).filePath(BookFileName(options_.list)));
    });
    openFolder_->setObjectName(QStringLiteral("openFolder"));
    openFolder_->setEnabled(false);
    connect(openFolder_, &QPushButton::clicked, this, [this] { openPath(summary_.outputFolder); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openBook_);
    buttons->addWidget(openFolder_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(problems_, 1);
    layout->addLayout(buttons);
    resize(640, 300);
}

const JobSummary& SummaryWindow::run() {
    JobCallbacks callbacks;
    const QString listName = QFileInfo(options_.list).fileName();
    callbacks.problem = [this, listName](const RowProblem& p) {
        problems_->setVisible(true);
        problems_->appendPlainText(ProblemLine(listName, p));
    };
    callbacks.checked = [this, listName](const TableRow& row) {
        if (row.result->passes())
            return;
        problems_->setVisible(true);
        problems_->appendPlainText(FailureLine(listName, row));
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
    if (!summary_.outcome)
        text = summary_.outcome.reason() + u'\n' + text;
    status_->setText(text);
    layout()->activate();
    openFolder_->setEnabled(summary_.wrote);
    openBook_->setEnabled(summary_.wrote && options_.book);
    close_->setEnabled(true);
    close_->setDefault(true);
    close_->setFocus();
    return summary_;
}

void SummaryWindow::openPath(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString native = QDir::toNativeSeparators(absolute);
    if (!QFileInfo::exists(path))
        ui::ShowMessage(this, QStringLiteral("「%1」がありません。").arg(native), ui::kProgramTitle,
                        ui::MessageIcon::Exclamation);
    else if (!open_(absolute))
        ui::ShowMessage(this, QStringLiteral("「%1」を開けませんでした。").arg(native),
                        ui::kProgramTitle, ui::MessageIcon::Exclamation);
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
