#include "report_file_io.h"

#include <cerrno>
#include <random>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnok::reports {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".varnok-tmp-";
constexpr std::size_t kRandomLength = 6;
constexpr std::string_view kRandomAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameAttempts = 100;

using NativeString = fs::path::string_type; // wide on Windows: no code page in between

/// "B1.TXT.varnok-tmp-" for the report "B1.TXT".
NativeString TemporaryPrefix(const fs::path& path) {
    return path.filename().native() + fs::path(kTemporaryMark).native();
}

bool IsOurTemporary(const NativeString& name, const NativeString& prefix) {
    if (name.size() != prefix.size() + kRandomLength || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const auto c = name[i];
        if (static_cast<unsigned long>(c) > 0x7F ||
            kRandomAlphabet.find(static_cast<char>(c)) == std::string_view::npos)
            return false;
    }
    return true;
}

/// Removes the regular files "NAME.varnok-tmp-XXXXXX" that an interrupted write
/// of this report left in its folder; anything else is left alone.
void RemoveStaleTemporaries(const fs::path& path) {
    const NativeString prefix = TemporaryPrefix(path);
    std::error_code error;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (IsOurTemporary(it->path().filename().native(), prefix) &&
            fs::is_regular_file(it->symlink_status(ignored)))
            fs::remove(it->path(), ignored);
    }
}

fs::path TemporaryPath(const fs::path& path, std::mt19937& random) {
    NativeString name = TemporaryPrefix(path);
    std::uniform_int_distribution<std::size_t> pick(0, kRandomAlphabet.size() - 1);
    for (std::size_t i = 0; i < kRandomLength; ++i)
        name += static_cast<fs::path::value_type>(kRandomAlphabet[pick(random)]);
    return path.parent_path() / name;
}

#ifdef _WIN32

FileError FromWindowsError(DWORD error) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileError::NoSpace;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return FileError::NoPermission;
    case ERROR_FILENAME_EXCED_RANGE:
        return FileError::NameTooLong;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
        return FileError::FolderMissing;
    default:
        return FileError::Other;
    }
}

/// What the name holds now: None when it may be replaced (nothing, a file that
/// may be written, a link), otherwise why not.
FileError CheckTarget(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FileError::None;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return FileError::None; // the link itself is replaced
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileError::NotRegularFile;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return FileError::ReadOnlyFile;
    return FileError::None;
}

int OpenNew(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int WriteSome(int fd, const char* data, std::size_t size) {
    constexpr std::size_t kChunk = 1 << 20;
    return _write(fd, data, static_cast<unsigned>(size < kChunk ? size : kChunk));
}

int Flush(int fd) {
    return _commit(fd);
}

int CloseFile(int fd) {
    return _close(fd);
}

void RemoveFile(const fs::path& path) {
    _wunlink(path.c_str());
}

FileError Rename(const fs::path& from, const fs::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return FileError::None;
    const DWORD error = GetLastError(); // Win32 calls leave errno alone
    // The temporary file was written beside the report, so the folder may be
    // written to: a refusal to replace the existing report means a program
    // holds it open (a viewer without delete sharing gets access denied).
    const bool reportThere = GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (reportThere && (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                        error == ERROR_LOCK_VIOLATION))
        return FileError::FileInUse;
    return FromWindowsError(error);
}

void KeepMode(int, const fs::path&) {}

/// Why OpenNew(path) failed with `error`, the errno it left. Windows says "not found" (Wine) or "invalid name"
/// for a name past its length limits (255 characters a name, 260 a path), which
/// would blame a folder that is there.
FileError OpenFailure(const fs::path& path, int error) {
    constexpr std::size_t kMaxName = 255;
    const bool tooLong =
        path.filename().native().size() > kMaxName || path.native().size() >= MAX_PATH;
    if ((error == ENOENT || error == EINVAL) && tooLong)
        return FileError::NameTooLong;
    return FileErrorFromErrno(error);
}

#else

FileError CheckTarget(const fs::path& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? FileError::None : FileErrorFromErrno(errno);
    if (S_ISLNK(info.st_mode))
        return FileError::None; // the link itself is replaced
    if (!S_ISREG(info.st_mode))
        return FileError::NotRegularFile;
    // Root may write anything; the mark the user set on the file still counts.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return FileError::ReadOnlyFile;
    return FileError::None;
}

int OpenNew(const fs::path& path) {
    int fd;
    do {
        fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t WriteSome(int fd, const char* data, std::size_t size) {
    return write(fd, data, size);
}

int Flush(int fd) {
    return fsync(fd);
}

int CloseFile(int fd) {
    return close(fd);
}

void RemoveFile(const fs::path& path) {
    unlink(path.c_str());
}

FileError Rename(const fs::path& from, const fs::path& to) {
    // rename() replaces a link at `to` itself, never its target.
    return rename(from.c_str(), to.c_str()) == 0 ? FileError::None : FileErrorFromErrno(errno);
}

FileError OpenFailure(const fs::path&, int error) {
    return FileErrorFromErrno(error);
}

/// A rewritten report keeps the permissions the old one had.
void KeepMode(int fd, const fs::path& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        fchmod(fd, info.st_mode & 07777);
}

#endif

/// Writes all of `bytes`, flushes them to the disk and closes `fd` (always).
FileError WriteAllAndClose(int fd, std::string_view bytes) {
    int error = 0;
    while (!bytes.empty()) {
        const auto written = WriteSome(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = written < 0 ? errno : ENOSPC; // a write of nothing: no room left
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (error == 0 && Flush(fd) != 0)
        error = errno;
    if (CloseFile(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return FileErrorFromErrno(error);
}

} // namespace

FileError FileErrorFromErrno(int error) {
    switch (error) {
    case 0:
        return FileError::None;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileError::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::NoPermission;
    case ENAMETOOLONG:
        return FileError::NameTooLong;
    case EISDIR:
#ifdef ELOOP
    case ELOOP:
#endif
        return FileError::NotRegularFile;
    case EFBIG:
        return FileError::FileTooLarge;
    case ENOENT:
    case ENOTDIR:
        return FileError::FolderMissing;
    default:
        return FileError::Other;
    }
}

FileError ReplaceFileContents(const fs::path& path, std::string_view bytes) {
    if (const FileError target = CheckTarget(path); target != FileError::None)
        return target;
    RemoveStaleTemporaries(path);

    std::mt19937 random(std::random_device{}());
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryPath(path, random);
        fd = OpenNew(temporary);
        const int error = errno; // taken before anything else can change it
        if (fd < 0 && error != EEXIST)
            return OpenFailure(temporary, error);
    }
    if (fd < 0)
        return FileError::Other;
    KeepMode(fd, path);

    FileError result = WriteAllAndClose(fd, bytes);
    if (result == FileError::None)
        result = Rename(temporary, path);
    if (result != FileError::None)
        RemoveFile(temporary);
    return result;
}

} // namespace varnok::reports
