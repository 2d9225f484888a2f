#pragma once
// Writing a run's files all or nothing: every file is written into a hidden
// staging folder inside the output folder first, and only when all of them
// are complete are they moved over their names. A failure on the way leaves
// the output folder as the previous run left it. A list of what a run wrote
// stays in the folder, so that the next run can take away the files of beams
// no longer in the list (a stale report is never handed on with a new book);
// files the program did not write are never touched.

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace varnok::batch {

class OutputStage {
public:
    /// Creates the output folder when missing, and the staging folder in it.
    /// `error()` says in Japanese what went wrong.
    explicit OutputStage(const QString& folder);
    /// Without a commit, removes what it made: the staging folder, and the
    /// output folder too when this stage created it.
    ~OutputStage();
    OutputStage(const OutputStage&) = delete;
    OutputStage& operator=(const OutputStage&) = delete;

    bool ok() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }

    /// Writes a whole file into the staging folder; false (and `error()`) when
    /// any write, flush or close fails.
    bool add(const QString& name, const QByteArray& bytes);
    /// Where a file is written that its writer opens itself (the PDF); call
    /// `staged` once it is closed without error.
    QString stagingPath(const QString& name) const;
    void staged(const QString& name) { names_.push_back(name); }
    /// Records a failure found by a writer of its own.
    void fail(const QString& message) { error_ = message; }
    /// The same for a file of the stage that failed with the system error
    /// `error` (errno; 0 when unknown), told in Japanese.
    void fail(const QString& name, int error);

    /// Moves every staged file over its name in the output folder, then removes
    /// the files the previous run wrote that this run did not.
    bool commit();

    /// The list of the files a run wrote, kept in the output folder.
    static inline const QString kManifest = QStringLiteral(".varnok3-files");

private:
    QString folder_;
    std::unique_ptr<QTemporaryDir> staging_;
    std::vector<QString> names_;
    QString error_;
    bool createdFolder_ = false;
    bool committed_ = false;
};

/// "「path」を書き込めません（reason）" for a file device that failed.
QString WriteErrorMessage(const QString& path, const QString& reason);

/// The system error `error` (errno; 0 when unknown) as the user is told it.
QString SystemErrorReason(int error);

} // namespace varnok::batch
