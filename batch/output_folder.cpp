#include "output_folder.h"

#include "report_file_io.h"
#include "text_report_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QUrl>

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnok::batch {

namespace {

namespace fs = std::filesystem;

// Inside a staging folder: the mark that it is this program's, the new files,
// the replaced ones, the journal of a commit and the mark of a finished one.
const QString kMark = QStringLiteral(".stage");
const QString kNew = QStringLiteral("new");
const QString kOld = QStringLiteral("old");
const QString kJournal = QStringLiteral("journal");
const QString kCommitted = QStringLiteral("committed");
const QString kLock = QStringLiteral(".varnok3-lock");

fs::path PathOf(const QString& path) {
    return fs::path(path.toStdU16String());
}

bool Exists(const fs::path& path) {
    std::error_code failed;
    return fs::symlink_status(path, failed).type() != fs::file_type::not_found;
}

QString Quoted(const QStringList& names) {
    QString text;
    for (const QString& name : names.mid(0, 5))
        text += QStringLiteral("「%1」").arg(name);
    if (names.size() > 5)
        text += QStringLiteral("ほか %1 件").arg(names.size() - 5);
    return text;
}

/// Whether another program holds the file so that it cannot be replaced (a
/// viewer that opened the PDF without sharing its deletion).
bool HeldOpen(const fs::path& path) {
#ifdef _WIN32
    const HANDLE handle =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() != ERROR_FILE_NOT_FOUND;
    CloseHandle(handle);
#else
    (void)path;
#endif
    return false;
}

struct Journal {
    QStringList written; // moved into place from new/
    QStringList stale;   // taken away into old/
};

std::optional<Journal> ReadJournal(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    Journal journal;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.size() < 3)
            continue;
        const QString name = QUrl::fromPercentEncoding(line.mid(2));
        if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name == u"." ||
            name == u"..")
            return std::nullopt;
        (line[0] == 'N' ? journal.written : journal.stale) << name;
    }
    return journal;
}

/// Puts every file of an unfinished commit back as it was before it, by what
/// is where: a new file still in new/ was never moved; one that is gone from
/// there stands at its name and goes, the old file from old/ taking its place.
/// The names that could not be put back.
QStringList Undo(const QString& folder, const QString& staging, const Journal& journal,
                 const OutputStage::Move& move) {
    QStringList failed;
    const QDir target(folder), stage(staging);
    auto undo = [&](const QString& name, bool written) {
        const fs::path at = PathOf(target.filePath(name));
        const fs::path old = PathOf(stage.filePath(kOld + u'/' + name));
        const bool moved = written && !Exists(PathOf(stage.filePath(kNew + u'/' + name)));
        std::error_code error;
        if (Exists(old))
            move(old, at, error); // replaces the new file where it stands
        else if (moved)
            fs::remove(at, error);
        if (error)
            failed << name;
    };
    for (const QString& name : journal.written)
        undo(name, true);
    for (const QString& name : journal.stale)
        undo(name, false);
    return failed;
}

void SystemMove(const fs::path& from, const fs::path& to, std::error_code& failed) {
    fs::rename(from, to, failed);
}

} // namespace

QString SystemErrorReason(int error) {
    return reports::FileErrorReason(error == 0 ? reports::FileError::Other
                                               : reports::FileErrorFromErrno(error));
}

namespace {

QString FolderNotMadeReason(const QString& folder, std::error_code made) {
    // A file where the folder (or one on its way) should be comes back as "exists"
    // or "not a folder"; the system's own words would say the folder is missing.
    const int error = made.default_error_condition().value();
    if (QFileInfo(folder).exists())
        return QStringLiteral("同じ名前のファイルがあります。");
    if (error == ENOTDIR || error == EEXIST)
        return QStringLiteral("途中のフォルダと同じ名前のファイルがあります。");
    return SystemErrorReason(error);
}

} // namespace

QString WriteErrorMessage(const QString& path, const QString& reason) {
    return QStringLiteral("「%1」を書き込めません（%2）。")
        .arg(QDir::toNativeSeparators(path), reason);
}

void RecoverOutputFolder(const QString& folder, QStringList& notes) {
    const QDir dir(folder);
    const QStringList candidates =
        dir.entryList({OutputStage::kStagingPrefix + u'*'},
                      QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& name : candidates) {
        const QString staging = dir.filePath(name);
        std::error_code error;
        if (fs::symlink_status(PathOf(staging), error).type() != fs::file_type::directory ||
            !QFileInfo(QDir(staging).filePath(kMark)).isFile())
            continue; // not one of ours
        const QDir stage(staging);
        if (QFileInfo::exists(stage.filePath(kJournal)) &&
            !QFileInfo::exists(stage.filePath(kCommitted))) {
            const std::optional<Journal> journal = ReadJournal(stage.filePath(kJournal));
            const QStringList failed =
                journal ? Undo(folder, staging, *journal, SystemMove) : QStringList{QString()};
            if (!failed.isEmpty()) {
                notes << QStringLiteral("中断された書き込み（%1）を元に戻せません。")
                             .arg(QDir::toNativeSeparators(staging));
                continue;
            }
            notes << QStringLiteral(
                "前回中断された書き込みを元に戻しました（出力先はその前の状態です）。");
        } else if (QFileInfo::exists(stage.filePath(kCommitted))) {
            notes << QStringLiteral(
                "前回中断された書き込みの後始末をしました（出力先はその書き込みの結果です）。");
        }
        fs::remove_all(PathOf(staging), error);
    }
}

OutputStage::OutputStage(const QString& folder, const QString& recordName, NameCase rule)
    : folder_(folder)
    , recordName_(recordName)
    , rule_(rule)
    , move_(SystemMove) {
    written_.setNameCase(rule);
    createdFolder_ = !QFileInfo(folder).isDir();
    std::error_code made;
    if (createdFolder_ && (fs::create_directories(PathOf(folder), made), made)) {
        createdFolder_ = false;
        fail(QStringLiteral("出力先のフォルダ「%1」を作成できません（%2）。")
                 .arg(QDir::toNativeSeparators(folder), FolderNotMadeReason(folder, made)));
        return;
    }
    const QString where = QDir::toNativeSeparators(folder);
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(kLock));
    lock_->setStaleLockTime(0); // only a lock whose run has ended is stale, however long it runs
    if (!lock_->tryLock(0)) {
        fail(lock_->error() == QLockFile::LockFailedError
                 ? QStringLiteral("出力先のフォルダ「%1」には、ほかの実行が書き込み中です。")
                       .arg(where)
                 : QStringLiteral("出力先のフォルダ「%1」に書き込めません（%2）。")
                       .arg(where, SystemErrorReason(EACCES)));
        lock_.reset();
        return;
    }
    RecoverOutputFolder(folder, notes_);
    // Inside the output folder, so that the final moves stay on one file system.
    // errno is taken right after the step that failed, before another call can change it.
    const QString pattern = QDir(folder).filePath(kStagingPrefix + QStringLiteral("XXXXXX"));
    errno = 0;
    staging_ = std::make_unique<QTemporaryDir>(pattern);
    int cause = errno;
    bool staged = staging_->isValid();
    QFile mark(staged ? staging_->filePath(kMark) : QString());
    if (staged) {
        const QDir stage(staging_->path());
        errno = 0;
        staged = mark.open(QIODevice::WriteOnly | QIODevice::NewOnly) && stage.mkdir(kNew) &&
                 stage.mkdir(kOld);
        cause = errno;
    }
    if (!staged)
        fail(QStringLiteral("出力先のフォルダ「%1」に書き込めません（%2）。")
                 .arg(where, SystemErrorReason(cause)));
}

OutputStage::~OutputStage() {
    if (mixed_ && staging_)
        staging_->setAutoRemove(false); // it holds the files that could not be put back
    staging_.reset();
    lock_.reset();
    if (createdFolder_ && !committed_)
        QDir().rmdir(folder_); // only while empty
}

QString OutputStage::stagingPath(const QString& name) const {
    return staging_ ? QDir(staging_->path()).filePath(kNew + u'/' + name) : QString();
}

QString OutputStage::targetPath(const QString& name) const {
    return QDir(folder_).filePath(name);
}

void OutputStage::track(const QString& name, const QByteArray& sha256) {
    const QString path = stagingPath(name);
    errno = 0; // a file that is no plain file sets none
    const std::optional<FileIdentity> identity =
        sha256.isEmpty() ? IdentityOf(path) : IdentityOf(path, sha256);
    if (!identity) {
        fail(name, errno);
        return;
    }
    names_ << name;
    written_.add(name, *identity);
}

std::unique_ptr<QFile> OutputStage::open(const QString& name, bool readBack) {
    if (!outcome_)
        return nullptr;
    auto file = std::make_unique<QFile>(stagingPath(name));
    const QIODevice::OpenMode mode = readBack ? QIODevice::ReadWrite : QIODevice::WriteOnly;
    errno = 0;
    if (!file->open(mode | QIODevice::NewOnly)) {
        fail(name, errno);
        return nullptr;
    }
    return file;
}

bool OutputStage::close(QFile& file, const QString& name) {
    // A new file in a fresh folder: every write, the flush and the close are
    // checked. No file is synced to disk one by one (ten thousand reports would
    // take minutes); the moves over the old files come only after all of them.
    errno = 0;
    const bool flushed = file.flush();
    const int flushCause = errno;
    file.close();
    // The flush's cause when it failed, else the close's, each taken right after its call.
    const int cause = flushed ? errno : flushCause;
    if (!outcome_)
        return false;
    if (!flushed || file.error() != QFileDevice::NoError) {
        fail(name, cause);
        return false;
    }
    return true;
}

FileOutcome OutputStage::finish(QFile& file, const QString& name) {
    if (close(file, name))
        track(name, {});
    return outcome_;
}

FileOutcome OutputStage::add(const QString& name, const QByteArray& bytes) {
    const std::unique_ptr<QFile> file = open(name);
    if (!file)
        return outcome_;
    errno = 0;
    if (file->write(bytes) != bytes.size())
        fail(name, errno);
    else if (close(*file, name))
        track(name, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
    return outcome_;
}

void OutputStage::fail(const QString& name, const QString& reason) {
    fail(WriteErrorMessage(targetPath(name), reason));
}

void OutputStage::fail(const QString& name, int error) {
    fail(name, SystemErrorReason(error));
}

bool OutputStage::checkTargets(const FolderRecord& previous, const QStringList& stale) {
    QStringList foreign, held;
    for (const QString& name : names_) {
        const FileState state = name == recordName_ ? FileState::Ours // read as the record already
                                                    : previous.stateOf(folder_, name);
        if (state == FileState::Foreign)
            foreign << name;
        else if (state == FileState::Ours && HeldOpen(PathOf(targetPath(name))))
            held << name;
    }
    for (const QString& name : stale) {
        if (HeldOpen(PathOf(targetPath(name))))
            held << name;
    }
    if (!foreign.isEmpty()) {
        fail(QStringLiteral("出力先に、この梁リストの前回の実行が書いたものではない"
                            "（または書いた後で変更された）ファイルがあります: %1。"
                            "移動するか、別の出力先を選んで下さい。")
                 .arg(Quoted(foreign)));
        return false;
    }
    if (!held.isEmpty()) {
        fail(QStringLiteral("%1をほかのプログラムが開いているため置き換えられません。"
                            "閉じてから、もう一度実行して下さい。")
                 .arg(Quoted(held)));
        return false;
    }
    return true;
}

bool OutputStage::writeJournal(const QStringList& stale) {
    QByteArray text;
    for (const QString& name : names_)
        text += "N " + QUrl::toPercentEncoding(name) + '\n';
    for (const QString& name : stale)
        text += "S " + QUrl::toPercentEncoding(name) + '\n';
    // Written whole or not at all, and on the disk before the first move.
    QSaveFile journal(QDir(staging_->path()).filePath(kJournal));
    errno = 0;
    if (!journal.open(QIODevice::WriteOnly) || journal.write(text) != text.size() ||
        !journal.flush() || journal.error() != QFileDevice::NoError || !journal.commit()) {
        const int cause = errno; // the failed call's: taking the temporary file away may change it
        journal.cancelWriting();
        fail(kJournal, cause);
        return false;
    }
    return true;
}

void OutputStage::rollBack(const QStringList& stale) {
    const QStringList failed = Undo(folder_, staging_->path(), {names_, stale}, move_);
    if (failed.isEmpty()) {
        fail(outcome_.reason() + QStringLiteral("出力先は前回のままです（元に戻しました）。"));
        return;
    }
    mixed_ = true;
    fail(outcome_.reason() +
         QStringLiteral("%1を元に戻せませんでした。前回のファイルは「%2」にあります"
                        "（次の実行で元に戻します）。")
             .arg(Quoted(failed), QDir::toNativeSeparators(QDir(staging_->path()).filePath(kOld))));
}

FileOutcome OutputStage::commit() {
    if (!outcome_)
        return outcome_;
    // One look at the folder: the entries of a long record whose files are
    // long gone are not even kept.
    QSet<QString> present;
    for (const QString& name : QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot))
        present.insert(NameKey(name, rule_));
    const FileResult<FolderRecord> read = ReadRecord(targetPath(recordName_), rule_, &present);
    if (!read) {
        fail(read.reason());
        return outcome_;
    }
    const FolderRecord& previous = *read;
    if (!add(recordName_, written_.serialised()))
        return outcome_;
    // The files of the last run this one does not write again go, if unchanged.
    QStringList stale, kept;
    for (const QString& name : StaleNames(previous, names_, rule_, &present)) {
        switch (previous.stateOf(folder_, name)) {
        case FileState::Ours:
            stale << name;
            break;
        case FileState::Foreign:
            kept << name;
            break;
        case FileState::Missing:
            break;
        }
    }
    if (!checkTargets(previous, stale) || !writeJournal(stale))
        return outcome_;

    const QDir stage(staging_->path());
    int replaced = 0;
    auto undo = [&](const QString& name, const std::error_code& failed) {
        fail(name, failed.default_error_condition().value());
        rollBack(stale);
        return outcome_;
    };
    for (const QString& name : names_) {
        std::error_code failed;
        const fs::path at = PathOf(targetPath(name));
        if (Exists(at)) {
            move_(at, PathOf(stage.filePath(kOld + u'/' + name)), failed);
            if (failed)
                return undo(name, failed);
            replaced += name == recordName_ ? 0 : 1;
        }
        move_(PathOf(stagingPath(name)), at, failed);
        if (failed)
            return undo(name, failed);
    }
    for (const QString& name : stale) {
        std::error_code failed;
        move_(PathOf(targetPath(name)), PathOf(stage.filePath(kOld + u'/' + name)), failed);
        if (failed)
            return undo(name, failed);
    }
    QFile done(stage.filePath(kCommitted));
    errno = 0;
    if (!done.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        fail(kCommitted, errno);
        rollBack(stale);
        return outcome_;
    }
    done.close();
    committed_ = true;
    // The replaced files go with the staging folder; a kill from here on
    // leaves the new set, which the next run only tidies.
    notes_ << QStringLiteral("%1 個のファイルを書きました（うち前回のファイルの置き換え %2 個）。")
                  .arg(names_.size() - 1)
                  .arg(replaced);
    if (!stale.isEmpty())
        notes_ << QStringLiteral("前回の実行が書いた%1を削除しました（今回は書かないファイル）。")
                      .arg(Quoted(stale));
    if (!kept.isEmpty())
        notes_ << QStringLiteral("前回の実行の後で変更された%1は削除せずに残しました。")
                      .arg(Quoted(kept));
    return outcome_;
}

} // namespace varnok::batch
