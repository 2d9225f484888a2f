#pragma once
// What a beam list's run left in its output folder: each file it wrote with
// the identity it had then (size, modification time, SHA-256 of its bytes).
// The next run of that list may replace or take away only a file whose
// identity is still the recorded one: a file the user put there, edited after
// the run or another list's run wrote is never touched.

#include "file_result.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace varnok::batch {

/// How the file system compares names: Windows and macOS volumes ignore
/// letter case ("b1.TXT" and "B1.TXT" are one file), Linux ones do not.
enum class NameCase { Sensitive, Insensitive };
#if defined(_WIN32) || defined(__APPLE__)
inline constexpr NameCase kNativeNameCase = NameCase::Insensitive;
#else
inline constexpr NameCase kNativeNameCase = NameCase::Sensitive;
#endif

/// The form under which two names are the same file.
QString NameKey(const QString& name, NameCase rule = kNativeNameCase);

struct FileIdentity {
    std::int64_t size = 0;
    std::int64_t modified = 0; // the file system's time stamp, in its own units
    QByteArray sha256;
    bool operator==(const FileIdentity&) const = default;
};

/// The identity of the regular file at `path` (no link followed); none when
/// there is no such file or it cannot be read.
std::optional<FileIdentity> IdentityOf(const QString& path);
/// The same, the hash given (the writer had the bytes at hand).
std::optional<FileIdentity> IdentityOf(const QString& path, const QByteArray& sha256);

/// What one file at a name is, as a run finds it.
enum class FileState {
    Missing,
    Ours,    // recorded, and unchanged since
    Foreign, // anything else: the user's, edited, another list's, a folder, a link
};

class FolderRecord {
public:
    struct Entry {
        QString name;
        FileIdentity identity;
    };

    void add(const QString& name, const FileIdentity& identity);
    const Entry* find(const QString& name) const;
    const QHash<QString, Entry>& entries() const { return entries_; }
    void setNameCase(NameCase rule) { rule_ = rule; }

    /// What the file at `name` in `folder` is, against this record.
    FileState stateOf(const QString& folder, const QString& name) const;

    QByteArray serialised() const;
    /// Reads a record written by `serialised`; none when it is not one. With
    /// `present` (the keys of the names in the folder), only the entries of
    /// files still there are kept.
    static std::optional<FolderRecord> Parse(const QByteArray& bytes,
                                             NameCase rule = kNativeNameCase,
                                             const QSet<QString>* present = nullptr);

    /// The largest record read: far more than a list of a million beams needs.
    static constexpr std::int64_t kLargest = 256LL * 1024 * 1024;

private:
    QHash<QString, Entry> entries_; // by NameKey
    NameCase rule_ = kNativeNameCase;
};

/// Reads the record at `path` (an empty one when nothing has its name) only
/// when it is a regular file of at most `FolderRecord::kLargest` bytes, never
/// through a link (a pipe, a device or a link at its name is not read at all);
/// anything else there fails as no record of this program.
FileResult<FolderRecord> ReadRecord(const QString& path, NameCase rule = kNativeNameCase,
                                    const QSet<QString>* present = nullptr);

/// The names of `previous` that this run does not write again, compared as
/// the file system compares names: the files the run is to take away. With
/// `present` (the keys of the names in the folder), only those still there.
QStringList StaleNames(const FolderRecord& previous, const QStringList& written,
                       NameCase rule = kNativeNameCase, const QSet<QString>* present = nullptr);

} // namespace varnok::batch
