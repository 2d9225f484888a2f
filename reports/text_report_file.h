#pragma once
// The text report as a file: where it goes, which member names can name it,
// its Shift-JIS bytes, and writing it without losing an older report.

#include "file_result.h"
#include "report_file_io.h"
#include "report_lines.h"

#include <QByteArray>
#include <QString>

namespace varnok::reports {

/// The folder the reports go to: the user's desktop.
QString ReportFolder();

/// The report file of a member: folder + member name + ".TXT" (an empty name
/// gives ".TXT").
QString ReportFilePath(const QString& folder, const QString& memberName);

/// Which file-name rules a member name must meet. The native rules are those
/// of the platform the program runs on; tests can ask for either.
enum class FileNameRules { Posix, Windows };
#ifdef _WIN32
inline constexpr FileNameRules kNativeFileNameRules = FileNameRules::Windows;
#else
inline constexpr FileNameRules kNativeFileNameRules = FileNameRules::Posix;
#endif

enum class NameProblem {
    None,
    PathSeparator,      // "/" or "\": the name would leave the desktop folder
    DotName,            // "." or ".."
    ControlCharacter,   // line feeds, tabs and other control characters
    ForbiddenCharacter, // characters the platform forbids in file names
    ReservedName,       // device names such as CON or LPT1 (Windows)
    NotShiftJis,        // characters the Shift-JIS report cannot hold
};

struct NameCheck {
    NameProblem problem = NameProblem::None;
    QString characters; // the offending characters, each once, in order of appearance
    bool ok() const { return problem == NameProblem::None; }
};

/// Whether `memberName` + ".TXT" can be a file inside the desktop folder and
/// the name can be written in Shift-JIS; the first problem found.
NameCheck CheckMemberName(const QString& memberName, FileNameRules rules = kNativeFileNameRules);

inline const QString kNameProblemTitle = QStringLiteral("ファイル名にできません");
/// Says in Japanese why the name cannot be used and what to do.
QString NameProblemMessage(const QString& memberName, const NameCheck& check);

/// The file's bytes: each line at column n gets n − 1 blanks before its text,
/// every line ends with CR LF, Shift-JIS (Windows-31J) without a byte-order
/// mark. `unencodable` lists the characters that Shift-JIS cannot hold (the
/// bytes are then not to be written).
struct EncodedReport {
    QByteArray bytes;
    QString unencodable;
    bool ok() const { return unencodable.isEmpty(); }
};
EncodedReport EncodeReport(const ReportLines& lines);
/// Any text as the reports write it: in Windows-31J, the JIS look-alikes
/// ("〜", "−") in their Windows forms.
EncodedReport EncodeShiftJisText(QString text);

/// Why a write failed, in Japanese, as the system reported the cause.
QString FileErrorReason(FileError error);

/// Whether the folder exists or could be made: fails, creating nothing, when
/// something other than a folder has its name.
FileOutcome CheckFolderPossible(const QString& folder);
/// Creates the folder (and its parents) when it does not exist.
FileOutcome EnsureFolderExists(const QString& folder);
/// Replaces the file with `bytes` in one step: when any write, the flush or the
/// close fails, a report that was there stays as it was, no temporary file is
/// left, and `reason` names the cause (no space, no permission, read-only file,
/// name too long, not a file, file too large). A symbolic link at the path is
/// replaced by the file, never written through.
FileOutcome WriteReportFile(const QString& path, const QByteArray& bytes);
/// Whether a report can be shown at `path`: a regular file is there (not a
/// link, a folder or a device).
bool ReportFileExists(const QString& path);

inline const QString kWriteFailureTitle = QStringLiteral("ファイルに書き込めません");
/// "The report file ... could not be written. Reason: ..."
QString WriteFailureMessage(const QString& path, const QString& reason);

} // namespace varnok::reports
