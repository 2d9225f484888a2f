#include "folder_record.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <array>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnok::batch {

namespace {

namespace fs = std::filesystem;

constexpr char kMagic[] = "varnok3-files 2";

fs::path PathOf(const QString& path) {
    return fs::path(path.toStdU16String());
}

/// A regular file, not a link to one.
bool IsPlainFile(const fs::path& path, std::int64_t* size = nullptr) {
    std::error_code failed;
    const fs::file_status status = fs::symlink_status(path, failed);
    if (failed || status.type() != fs::file_type::regular)
        return false;
    if (size != nullptr) {
        const auto bytes = fs::file_size(path, failed);
        if (failed)
            return false;
        *size = static_cast<std::int64_t>(bytes);
    }
    return true;
}

std::optional<QByteArray> Sha256Of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return hash.result();
}

} // namespace

QString NameKey(const QString& name, NameCase rule) {
    return rule == NameCase::Insensitive ? name.toCaseFolded() : name;
}

std::optional<FileIdentity> IdentityOf(const QString& path, const QByteArray& sha256) {
    const fs::path p = PathOf(path);
    FileIdentity identity;
    if (!IsPlainFile(p, &identity.size))
        return std::nullopt;
    std::error_code failed;
    const auto modified = fs::last_write_time(p, failed);
    if (failed)
        return std::nullopt;
    identity.modified = static_cast<std::int64_t>(modified.time_since_epoch().count());
    identity.sha256 = sha256;
    return identity;
}

std::optional<FileIdentity> IdentityOf(const QString& path) {
    std::optional<FileIdentity> identity = IdentityOf(path, {});
    if (!identity)
        return std::nullopt;
    const std::optional<QByteArray> hash = Sha256Of(path);
    if (!hash)
        return std::nullopt;
    identity->sha256 = *hash;
    return identity;
}

void FolderRecord::add(const QString& name, const FileIdentity& identity) {
    entries_[NameKey(name, rule_)] = {name, identity};
}

const FolderRecord::Entry* FolderRecord::find(const QString& name) const {
    const auto at = entries_.find(NameKey(name, rule_));
    return at == entries_.end() ? nullptr : &at.value();
}

FileState FolderRecord::stateOf(const QString& folder, const QString& name) const {
    const QString path = QDir(folder).filePath(name);
    std::error_code failed;
    const fs::file_status status = fs::symlink_status(PathOf(path), failed);
    if (status.type() == fs::file_type::not_found)
        return FileState::Missing;
    const Entry* entry = find(name);
    if (entry == nullptr || failed)
        return FileState::Foreign;
    // Size and time first: a changed file is told without reading it.
    const std::optional<FileIdentity> quick = IdentityOf(path, entry->identity.sha256);
    if (!quick || *quick != entry->identity)
        return FileState::Foreign;
    const std::optional<FileIdentity> full = IdentityOf(path);
    return full && *full == entry->identity ? FileState::Ours : FileState::Foreign;
}

QByteArray FolderRecord::serialised() const {
    QByteArray bytes = QByteArray(kMagic) + '\n';
    for (const Entry& entry : entries_) {
        bytes += QByteArray::number(static_cast<qlonglong>(entry.identity.size)) + ' ' +
                 QByteArray::number(static_cast<qlonglong>(entry.identity.modified)) + ' ' +
                 entry.identity.sha256.toHex() + ' ' + QUrl::toPercentEncoding(entry.name) + '\n';
    }
    return bytes;
}

std::optional<FolderRecord> FolderRecord::Parse(const QByteArray& bytes, NameCase rule,
                                                const QSet<QString>* present) {
    const QByteArrayView text(bytes);
    qsizetype at = text.indexOf('\n');
    if (at < 0 || text.first(at) != QByteArrayView(kMagic))
        return std::nullopt;
    FolderRecord record;
    record.rule_ = rule;
    while (++at < text.size()) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(at, end - at);
        at = end;
        if (line.isEmpty())
            continue;
        // "size time sha256 name", the name percent-encoded.
        std::array<QByteArrayView, 4> fields;
        qsizetype from = 0;
        for (std::size_t f = 0; f < 3; ++f) {
            const qsizetype blank = line.indexOf(' ', from);
            if (blank < 0)
                return std::nullopt;
            fields[f] = line.sliced(from, blank - from);
            from = blank + 1;
        }
        fields[3] = line.sliced(from);
        bool sized = false, timed = false;
        FileIdentity identity;
        identity.size = fields[0].toLongLong(&sized);
        identity.modified = fields[1].toLongLong(&timed);
        const QString name = fields[3].contains('%')
                                 ? QUrl::fromPercentEncoding(fields[3].toByteArray())
                                 : QString::fromUtf8(fields[3]);
        // Only plain names of this folder: nothing outside it is ever named.
        if (!sized || !timed || fields[2].size() != 64 || name.isEmpty() || name.contains(u'/') ||
            name.contains(u'\\') || name == u"." || name == u"..")
            return std::nullopt;
        if (present != nullptr && !present->contains(NameKey(name, rule)))
            continue; // gone from the folder: nothing to compare it with
        identity.sha256 = QByteArray::fromHex(fields[2].toByteArray());
        if (identity.sha256.size() != 32)
            return std::nullopt;
        record.add(name, identity);
    }
    return record;
}

namespace {

FileResult<FolderRecord> NotARecord(const QString& path) {
    return FileResult<FolderRecord>::Failed(
        QStringLiteral("出力先の「%1」は、このプログラムの記録ではありません。"
                       "移動するか、別の出力先を選んで下さい。")
            .arg(QFileInfo(path).fileName()));
}

FileResult<FolderRecord> NoRecord(NameCase rule) {
    FolderRecord none;
    none.setNameCase(rule);
    return none;
}

} // namespace

FileResult<FolderRecord> ReadRecord(const QString& path, NameCase rule,
                                    const QSet<QString>* present) {
    QByteArray bytes;
#ifdef _WIN32
    std::error_code failed;
    const fs::file_status status = fs::symlink_status(PathOf(path), failed);
    if (status.type() == fs::file_type::not_found)
        return NoRecord(rule);
    std::int64_t size = 0;
    if (!IsPlainFile(PathOf(path), &size) || size > FolderRecord::kLargest)
        return NotARecord(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return NotARecord(path);
    bytes = file.read(FolderRecord::kLargest + 1);
#else
    // Opened without following a link and without waiting on a pipe; then
    // only a regular file of sane size is read.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? NoRecord(rule) : NotARecord(path);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > FolderRecord::kLargest) {
        ::close(fd);
        return NotARecord(path);
    }
    bytes.resize(static_cast<qsizetype>(info.st_size));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes.truncate(got);
#endif
    std::optional<FolderRecord> parsed = FolderRecord::Parse(bytes, rule, present);
    if (!parsed)
        return NotARecord(path);
    return std::move(*parsed);
}

QStringList StaleNames(const FolderRecord& previous, const QStringList& written, NameCase rule,
                       const QSet<QString>* present) {
    QSet<QString> now;
    for (const QString& name : written)
        now.insert(NameKey(name, rule));
    QStringList stale;
    for (const FolderRecord::Entry& entry : previous.entries()) {
        const QString key = NameKey(entry.name, rule);
        if (!now.contains(key) && (present == nullptr || present->contains(key)))
            stale << entry.name;
    }
    stale.sort();
    return stale;
}

} // namespace varnok::batch
