#pragma once
// A whole beam list in one run: read it, check every beam, and write the
// results table, a text report per beam and the calc book, all or nothing.

#include "beam_list.h"
#include "file_result.h"
#include "printed_page.h"
#include "results_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace varnok::batch {

struct JobOptions {
    QString list;         // the beam list (CSV)
    QString outputFolder; // empty: next to the list, see DefaultOutputFolder
    reports::Typeface face = reports::Typeface::Gothic;
    std::optional<ListEncoding> tableEncoding; // none: the list's own
    bool reports = true;                       // one text report per beam
    bool book = true;                          // the PDF calc book
    bool write = true;                         // false: check only, write nothing
    bool selectAll = false;                    // every row "全検定", whatever its column says
    // The cover's and the margins' titles, over what the list's title rows say.
    std::optional<QString> project;
    std::optional<QString> engineer;
    std::optional<QString> date;
};

/// The list file's bytes, or a Japanese sentence that names the list and why it
/// could not be read (missing, no permission, not a file).
FileResult<QByteArray> ReadList(const QString& path);

/// "<folder of the list>/<list name>_計算書".
QString DefaultOutputFolder(const QString& list);
/// The file names of the table and the book inside the output folder.
QString TableFileName(const QString& list);
QString BookFileName(const QString& list);
/// The list's record of what its last run wrote into the output folder.
QString RecordFileName(const QString& list);

enum class JobStage { Checking, Book };

struct JobCallbacks {
    std::function<void(const RowProblem&)> problem;              // each bad row's reasons
    std::function<void(const TableRow&)> checked;                // each checked beam
    std::function<void(const QString&)> warning;                 // said once, the run goes on
    std::function<void(JobStage, int done, int total)> progress; // total 0 while unknown
};

struct JobSummary {
    FileOutcome outcome; // fails when the list could not be read, or the output not written
    int beams = 0;
    int passed = 0;
    int failed = 0;
    int bad = 0;
    int raised = 0; // checked on a section raised by "全検定"
    QString outputFolder;
    bool wrote = false;        // the output folder holds this run's files
    bool outputFailed = false; // they could not be written
    bool mixed = false;        // nor could all of the previous run's be put back
    QStringList notes;         // what changed in the output folder besides

    /// 0 every beam passes, 1 a beam fails a check, 2 the list has errors,
    /// 3 the output could not be written.
    int exitStatus() const;
};

JobSummary RunJob(const JobOptions& options, const JobCallbacks& callbacks = {});

} // namespace varnok::batch
