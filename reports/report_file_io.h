#pragma once
// Writing a report file without ever losing the one already there, and without
// ever writing outside its folder: the bytes go to a temporary file beside it,
// which replaces the report only once every write, the flush and the close have
// succeeded. A symbolic link at the report's name is replaced, never followed.
// Plain C++ (POSIX, or the Windows C runtime), so that failures are known by
// their system error, not by a toolkit's English text.

#include <filesystem>
#include <string_view>

namespace varnok::reports {

/// Why a file operation failed, as far as a user can act on it.
enum class FileError {
    None,
    NoSpace,        // the disk (or the user's quota) is full
    NoPermission,   // the folder may not be written to
    ReadOnlyFile,   // the report is marked read-only
    NameTooLong,    // the file name is longer than the system allows
    NotRegularFile, // a folder, device or other non-file has the report's name
    FileTooLarge,   // the file would pass the size limit of the system or process
    FolderMissing,  // the folder (or one above it) does not exist
    FileInUse,      // Windows: another program holds the existing file open
    Other,
};

/// What a system error number (errno) means for the user; Other for any the
/// user cannot act on, None for 0.
FileError FileErrorFromErrno(int error);

/// Replaces the file at `path` with `bytes` in one step (not "ReplaceFile":
/// windows.h makes that name a macro for its own function). On failure the old
/// file (or link) stays as it was and no temporary file is left behind. The
/// temporary file is the report's name, ".varnok-tmp-" and six letters or
/// digits ("B1.TXT.varnok-tmp-a1B2c3"); ours left by an earlier, interrupted
/// write of the same report are removed first, nothing else.
FileError ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

} // namespace varnok::reports
