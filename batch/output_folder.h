#pragma once
// Writing a run's files all or nothing. Every file is written into a hidden
// staging folder inside the output folder first. Only when all of them are
// complete, and every file at their names is one this list's last run wrote
// and nobody changed since (see folder_record.h), are they moved into place:
// each file replaced is kept in the staging folder until every move is done,
// so that a failure puts every old file back. A journal in the staging folder
// tells the next run what an interrupted commit (a kill, a power cut) had
// begun: that run undoes it, or finishes it when every move was made.

#include "file_result.h"
#include "folder_record.h"

#include <QByteArray>
#include <QFile>
#include <QFileDevice>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>
#include <vector>

namespace varnok::batch {

class OutputStage {
public:
    /// Creates the output folder when missing, takes it for this run (one
    /// run at a time), sets right what an interrupted run left, and makes the
    /// staging folder. `recordName` is the list's record in the folder.
    /// `outcome()` says in Japanese what went wrong.
    OutputStage(const QString& folder, const QString& recordName, NameCase rule = kNativeNameCase);
    /// Without a commit, removes what it made: the staging folder, and the
    /// output folder too when this stage created it.
    ~OutputStage();
    OutputStage(const OutputStage&) = delete;
    OutputStage& operator=(const OutputStage&) = delete;

    /// How the stage went so far: once a step failed, the ones after it do
    /// nothing, and the reason says what failed.
    const FileOutcome& outcome() const { return outcome_; }
    /// What the run changed besides writing its files, or found and left
    /// alone, in Japanese: one line each.
    const QStringList& notes() const { return notes_; }
    /// A commit failed and not everything could be put back: the folder is
    /// neither the old set nor the new one (the outcome says which files).
    bool mixed() const { return mixed_; }

    /// Writes a whole file into the staging folder; fails when any write, flush
    /// or close fails.
    FileOutcome add(const QString& name, const QByteArray& bytes);
    /// A new file of the stage for a writer that writes it piece by piece
    /// (the table line by line, the PDF page by page); none (and `outcome()`
    /// says why) when it cannot be made. A write that fails is told through
    /// `fail(name, errno)` by the writer, errno taken right after that write.
    /// `readBack`: opened for reading too, for a writer that goes back over
    /// what it wrote (the calc book stamps its date in place).
    std::unique_ptr<QFile> open(const QString& name, bool readBack = false);
    /// Flushes and closes it; it belongs to the run when every write, the
    /// flush and the close went well, else the stage fails.
    FileOutcome finish(QFile& file, const QString& name);
    QString stagingPath(const QString& name) const;
    /// Records a failure found by a writer of its own.
    void fail(const QString& message) { outcome_ = FileOutcome::Failed(message); }
    /// The same for a file of the stage that failed for `reason` (as
    /// SystemErrorReason words it)...
    void fail(const QString& name, const QString& reason);
    /// ... or with the system error `error` (errno; 0 when unknown).
    void fail(const QString& name, int error);

    /// Moves every staged file over its name, takes away the files of the
    /// list's last run that this run does not write, and records what was
    /// written. All or nothing: on failure the folder is as it was.
    FileOutcome commit();

    /// Stands in for the file system's rename in the fault-injection tests.
    using Move = std::function<void(const std::filesystem::path& from,
                                    const std::filesystem::path& to, std::error_code& failed)>;
    void setMoveForTesting(Move move) { move_ = std::move(move); }

    /// The beginning of every staging folder's name.
    static inline const QString kStagingPrefix = QStringLiteral(".varnok3-");

private:
    bool close(QFile& file, const QString& name);
    void track(const QString& name, const QByteArray& sha256);
    bool checkTargets(const FolderRecord& previous, const QStringList& stale);
    bool writeJournal(const QStringList& stale);
    void rollBack(const QStringList& stale);
    QString targetPath(const QString& name) const;

    QString folder_;
    QString recordName_;
    NameCase rule_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QTemporaryDir> staging_;
    QStringList names_;
    FolderRecord written_;
    FileOutcome outcome_;
    QStringList notes_;
    Move move_;
    bool createdFolder_ = false;
    bool committed_ = false;
    bool mixed_ = false;
};

/// Sets right what interrupted runs left in `folder`: an unfinished commit is
/// undone (or finished when all its moves were made), the staging folders of
/// this program are taken away, nothing else is touched. Lines for the user
/// about what it did are added to `notes`. Call it holding the folder's lock.
void RecoverOutputFolder(const QString& folder, QStringList& notes);

/// "「path」を書き込めません（reason）" for a file device that failed.
QString WriteErrorMessage(const QString& path, const QString& reason);

/// The system error `error` (errno; 0 when unknown) as the user is told it.
QString SystemErrorReason(int error);

} // namespace varnok::batch
