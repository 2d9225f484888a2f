#include "batch_job.h"

#include "beam_run.h"
#include "calc_book.h"
#include "output_folder.h"
#include "results_table.h"
#include "text_report_file.h"

#include <cerrno>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace varnok::batch {

namespace {

QString Stem(const QString& list) {
    return QFileInfo(list).completeBaseName();
}

/// The list could not be read for the system error `error` (errno).
FileResult<QByteArray> Unreadable(const QString& path, int error) {
    QString reason;
    switch (error) {
    case EACCES:
    case EPERM:
        reason = QStringLiteral("読み取る権限がありません。");
        break;
    case EISDIR:
        reason = QStringLiteral("ファイルではありません。");
        break;
    default:
        reason = QStringLiteral("読み込めませんでした。");
    }
    return FileResult<QByteArray>::Failed(QStringLiteral("梁リスト「%1」を読めません（%2）。")
                                              .arg(QDir::toNativeSeparators(path), reason));
}

/// The beam's text report, as the sheet's report button writes it, into the stage.
void StageReport(OutputStage& stage, const BeamRun& run, const std::string& memberName) {
    const reports::EncodedReport report =
        reports::EncodeReport(run.report(reports::ReportTarget::TextFile).lines);
    // The sheet's report file name: the member name and ".TXT".
    const QString file =
        QFileInfo(reports::ReportFilePath(QStringLiteral("."), QString::fromStdString(memberName)))
            .fileName();
    if (report.ok())
        stage.add(file, report.bytes);
    else
        stage.fail(WriteErrorMessage(
            file, QStringLiteral("Shift-JISに変換できない文字「%1」").arg(report.unencodable)));
}

/// The calc book into the stage: the summary of `rows`, then the page of each
/// checked beam, the list read again from its start (the pages are drawn one
/// at a time and never held).
void StageBook(OutputStage& stage, const JobOptions& options, BeamList& list, BeamRun& run,
               const std::vector<TableRow>& rows, const JobSummary& summary,
               const BookHeading& heading, const JobCallbacks& callbacks) {
    const QString name = BookFileName(options.list);
    CalcBookSource source;
    source.heading = heading;
    // The book's date at midnight UTC: the same list on the same date gives the same bytes.
    QDate date = ParseDateText(heading.date);
    if (!date.isValid())
        date = BookDate();
    source.created = QDateTime(date, QTime(0, 0), Qt::UTC);
    source.counts = {summary.beams, summary.passed, summary.failed, summary.bad, summary.raised};
    source.rows = &rows;
    source.beamPages = summary.passed + summary.failed;
    ListRow row;
    std::size_t at = 0;
    bool mismatch = false;
    source.nextPage = [&](reports::ReportLines& lines) {
        lines.clear();
        // The list is read a second time: each of its rows must be the row of
        // the table in the same place, or the book would show other beams.
        while (!mismatch && list.next(row)) {
            const TableRow* summaryRow = at < rows.size() ? &rows[at++] : nullptr;
            if (summaryRow == nullptr || summaryRow->line != row.line ||
                (summaryRow->result && !row.beam)) {
                mismatch = true;
                return;
            }
            if (summaryRow->result) {
                row.beam->raiseUntilPasses |= options.selectAll;
                run.check(*row.beam);
                lines = run.report(reports::ReportTarget::PrintedPage).lines;
                return;
            }
        }
    };
    source.progress = [&](int done, int total) {
        if (callbacks.progress)
            callbacks.progress(JobStage::Book, done, total);
    };
    const std::unique_ptr<QFile> pdf = stage.open(name, /*readBack=*/true);
    if (!pdf)
        return;
    if (const FileResult<int> pages = WriteCalcBook(*pdf, options.face, source);
        !pages && stage.outcome())
        stage.fail(name, pages.reason());
    if (mismatch)
        stage.fail(
            QStringLiteral("梁リストが読み込み中に変わりました（読み直すと行が合いません）。"));
    stage.finish(*pdf, name);
}

QString Given(const std::optional<QString>& option, const std::optional<std::string>& title) {
    if (option)
        return *option;
    return title ? QString::fromStdString(*title).trimmed() : QString();
}

} // namespace

FileResult<QByteArray> ReadList(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return FileResult<QByteArray>::Failed(
            QStringLiteral("梁リスト「%1」が見つかりません。").arg(QDir::toNativeSeparators(path)));
    }
    QFile file(path);
    // errno is taken right after the call that failed, before anything else can change it.
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable(path, errno);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Unreadable(path, errno);
    return bytes;
}

QString DefaultOutputFolder(const QString& list) {
    const QFileInfo info(list);
    return info.dir().filePath(Stem(list) + QStringLiteral("_計算書"));
}

QString TableFileName(const QString& list) {
    return Stem(list) + QStringLiteral("_結果一覧.csv");
}

QString BookFileName(const QString& list) {
    return Stem(list) + QStringLiteral("_計算書.pdf");
}

QString RecordFileName(const QString& list) {
    return OutputStage::kStagingPrefix + QStringLiteral("files-") + Stem(list);
}

int JobSummary::exitStatus() const {
    if (outputFailed)
        return 3;
    if (!outcome || bad > 0)
        return 2;
    return failed > 0 ? 1 : 0;
}

JobSummary RunJob(const JobOptions& options, const JobCallbacks& callbacks) {
    JobSummary summary;
    summary.outputFolder =
        options.outputFolder.isEmpty() ? DefaultOutputFolder(options.list) : options.outputFolder;
    FileResult<QByteArray> bytes = ReadList(options.list);
    if (!bytes) {
        summary.outcome = FileOutcome::Failed(bytes.reason());
        return summary;
    }
    BeamList list = BeamList::Open(std::string_view(bytes->constData(), bytes->size()));
    BookHeading heading;
    heading.list = QFileInfo(options.list).fileName();
    heading.listHash =
        QString::fromLatin1(QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex());
    *bytes = QByteArray(); // the list keeps its own decoded text
    if (list.error()) {
        summary.outcome = FileOutcome::Failed(QString::fromStdString(*list.error()));
        return summary;
    }
    heading.project = Given(options.project, list.titles().project);
    heading.engineer = Given(options.engineer, list.titles().engineer);
    heading.date = Given(options.date, list.titles().date);
    if (heading.date.isEmpty())
        heading.date = DateText(BookDate());

    if (callbacks.warning && !list.warning().empty())
        callbacks.warning(QString::fromStdString(list.warning()));

    // When the output folder cannot be prepared the list is still checked,
    // so that the counts are true; nothing is written.
    std::optional<OutputStage> stage;
    if (options.write)
        stage.emplace(summary.outputFolder, RecordFileName(options.list));

    // First pass: every row checked, its report written, its table line kept.
    const ListEncoding encoding = options.tableEncoding.value_or(TableEncodingFor(list.encoding()));
    const bool book = stage && options.book;
    std::vector<TableRow> rows; // for the book's summary pages
    // The table goes into the stage line by line: a long list never stands in
    // memory as a table.
    const QString tableName = TableFileName(options.list);
    std::unique_ptr<QFile> table = stage ? stage->open(tableName) : nullptr;
    auto writeTable = [&](const QByteArray& bytes) {
        errno = 0;
        if (table && stage->outcome() && table->write(bytes) != bytes.size())
            stage->fail(tableName, errno);
    };
    writeTable(TablePreamble(encoding) + TableHeaderBytes(list.extraHeaders(), encoding));
    BeamRun run;
    ListRow row;
    while (list.next(row)) {
        ++summary.beams;
        TableRow line;
        if (row.beam) {
            row.beam->raiseUntilPasses |= options.selectAll;
            run.check(*row.beam);
            line = CheckedRow(row, run);
        } else {
            line = BadRow(row);
        }
        reports::EncodedReport bytes = EncodeTableLine(TableLine(line), encoding);
        if (!bytes.ok()) {
            // The user's text the table cannot hold makes the row bad, not the run.
            line = UnwritableRow(row, bytes.unencodable);
            bytes = EncodeTableLine(TableLine(line), encoding);
        }
        writeTable(bytes.bytes);
        if (line.result) {
            ++(line.result->passes() ? summary.passed : summary.failed);
            summary.raised += line.raised ? 1 : 0;
            if (callbacks.checked)
                callbacks.checked(line);
            // After a failed write the rest is still checked (the counts stay
            // true), but nothing more is written.
            if (stage && stage->outcome() && options.reports)
                StageReport(*stage, run, row.beam->memberName);
        } else {
            ++summary.bad;
            if (callbacks.problem) {
                for (const RowProblem& p : row.problems)
                    callbacks.problem(p);
            }
        }
        if (book)
            rows.push_back(std::move(line));
        if (callbacks.progress && summary.beams % 64 == 0)
            callbacks.progress(JobStage::Checking, summary.beams, 0);
    }
    if (list.error()) {
        summary.outcome = FileOutcome::Failed(QString::fromStdString(*list.error()));
        return summary;
    }
    if (summary.beams == 0) {
        summary.outcome =
            FileOutcome::Failed(QStringLiteral("梁のデータ行がありません（見出し行だけです）。"));
        return summary;
    }
    if (!stage)
        return summary;

    // A list whose rows are all bad still gets its table, to show every error.
    if (table)
        stage->finish(*table, tableName);

    if (stage->outcome() && book) {
        list.rewind();
        StageBook(*stage, options, list, run, rows, summary, heading, callbacks);
    }
    const FileOutcome committed = stage->commit();
    summary.notes = stage->notes();
    if (!committed) {
        summary.outcome = committed;
        summary.outputFailed = true;
        summary.mixed = stage->mixed();
        return summary;
    }
    summary.wrote = true;
    return summary;
}

} // namespace varnok::batch
