#include "text_report_file.h"

#include "report_file_io.h"
#include "shift_jis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QStringView>

#include <array>
#include <filesystem>
#include <string_view>
#include <utility>

namespace varnok::reports {

namespace {

const QString kExtension = QStringLiteral(".TXT");
constexpr QStringView kWindowsForbidden = u"<>:\"|?*";
constexpr std::array<QStringView, 4> kWindowsDeviceNames{u"CON", u"PRN", u"AUX", u"NUL"};

// Windows takes a name as the device when the part before its first dot, less
// trailing blanks, is a device name: "CON.A", "nul .txt" and "AUX." all are.
bool IsWindowsDeviceName(const QString& name) {
    QString stem = name.left(name.indexOf(u'.')).toUpper(); // whole name when there is no dot
    while (stem.endsWith(u' '))
        stem.chop(1);
    for (QStringView device : kWindowsDeviceNames) {
        if (stem == device)
            return true;
    }
    // COM1..COM9 and LPT1..LPT9, the superscripts ¹ ² ³ included
    constexpr QStringView kPortDigits = u"123456789\u00B9\u00B2\u00B3";
    return stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) &&
           kPortDigits.contains(stem[3]);
}

/// Each code point of `text` that `rejects` picks out, once, in order.
template <typename Pred> QString Offending(const QString& text, Pred rejects) {
    QString found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(i, length);
        if (rejects(c) && !found.contains(c))
            found += c;
        i += length;
    }
    return found;
}

// Characters that other systems type in their JIS reading, where Windows-31J
// knows only its own look-alike: "〜" and "～", "−" and "－", and so on. A member
// name typed on such a system is written as Windows would have typed it.
constexpr std::array<std::pair<char16_t, char16_t>, 7> kWindowsForms{{
    {u'\u301C', u'\uFF5E'}, // wave dash → full-width tilde
    {u'\u2016', u'\u2225'}, // double vertical line → parallel to
    {u'\u2212', u'\uFF0D'}, // minus sign → full-width hyphen-minus
    {u'\u00A2', u'\uFFE0'}, // cent sign → full-width cent
    {u'\u00A3', u'\uFFE1'}, // pound sign → full-width pound
    {u'\u00AC', u'\uFFE2'}, // not sign → full-width not
    {u'\u2014', u'\u2015'}, // em dash → horizontal bar
}};

QString InWindowsForms(QString text) {
    for (auto [jis, windows] : kWindowsForms)
        text.replace(QChar(jis), QChar(windows));
    return text;
}

bool EncodesInShiftJis(const QString& c) {
    const std::optional<QByteArray> bytes = ToShiftJis(InWindowsForms(c));
    return bytes && !bytes->isEmpty();
}

QString Quoted(const QString& characters) {
    QStringList parts;
    for (qsizetype i = 0; i < characters.size();) {
        const qsizetype length = characters[i].isHighSurrogate() ? 2 : 1;
        parts << QStringLiteral("「%1」").arg(characters.mid(i, length));
        i += length;
    }
    return parts.join(QString());
}

/// The name as the operating system spells it.
std::filesystem::path FsPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

FileOutcome OutcomeOf(FileError error) {
    return error == FileError::None ? FileOutcome() : FileOutcome::Failed(FileErrorReason(error));
}

} // namespace

QString FileErrorReason(FileError error) {
    switch (error) {
    case FileError::None:
        return {};
    case FileError::NoSpace:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case FileError::NoPermission:
        return QStringLiteral("出力先のフォルダに書き込む権限がありません。");
    case FileError::ReadOnlyFile:
        return QStringLiteral("同じ名前のファイルが読み取り専用になっています。");
    case FileError::NameTooLong:
        return QStringLiteral("ファイル名が長すぎます。部材名を短くして下さい。");
    case FileError::NotRegularFile:
        return QStringLiteral("同じ名前のフォルダなど、ファイルではないものがあります。");
    case FileError::FileTooLarge:
        return QStringLiteral("ファイルが書き込める大きさの上限を超えます。");
    case FileError::FolderMissing:
        return QStringLiteral("出力先のフォルダがありません。");
    case FileError::FileInUse:
        return QStringLiteral("同じ名前のファイルがほかのプログラムで開かれている可能性があります。"
                              "そのプログラムで閉じてから、もう一度出力して下さい。");
    case FileError::Other:
        break;
    }
    return QStringLiteral("ファイルを保存できませんでした。");
}

QString ReportFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString ReportFilePath(const QString& folder, const QString& memberName) {
    return QDir(folder).filePath(memberName + kExtension);
}

NameCheck CheckMemberName(const QString& memberName, FileNameRules rules) {
    if (QString s = Offending(memberName, [](const QString& c) { return c == u"/" || c == u"\\"; });
        !s.isEmpty())
        return {NameProblem::PathSeparator, s};
    if (memberName == u"." || memberName == u"..")
        return {NameProblem::DotName, memberName};
    if (QString s = Offending(memberName,
                              [](const QString& c) {
                                  return c.size() == 1 && c[0].category() == QChar::Other_Control;
                              });
        !s.isEmpty())
        return {NameProblem::ControlCharacter, s};
    if (rules == FileNameRules::Windows) {
        if (QString s = Offending(
                memberName,
                [](const QString& c) { return c.size() == 1 && kWindowsForbidden.contains(c[0]); });
            !s.isEmpty())
            return {NameProblem::ForbiddenCharacter, s};
        if (IsWindowsDeviceName(memberName))
            return {NameProblem::ReservedName, memberName};
    }
    if (QString s = Offending(memberName, [](const QString& c) { return !EncodesInShiftJis(c); });
        !s.isEmpty())
        return {NameProblem::NotShiftJis, s};
    return {};
}

QString NameProblemMessage(const QString& memberName, const NameCheck& check) {
    const QString advice = QStringLiteral("\n部材名を直してから、もう一度出力して下さい。");
    switch (check.problem) {
    case NameProblem::None:
        return {};
    case NameProblem::PathSeparator:
    case NameProblem::ForbiddenCharacter:
        return QStringLiteral("部材名「%1」はファイル名に使えない文字%2を含んでいます。")
                   .arg(memberName, Quoted(check.characters)) +
               advice;
    case NameProblem::DotName:
        return QStringLiteral("部材名「%1」はファイル名にできません。").arg(memberName) + advice;
    case NameProblem::ControlCharacter:
        return QStringLiteral("部材名に改行やタブなどの制御文字が含まれているため、ファイル名に"
                              "できません。") +
               advice;
    case NameProblem::ReservedName:
        return QStringLiteral("部材名「%1」はWindowsが予約している名前のため、ファイル名に"
                              "できません。")
                   .arg(memberName) +
               advice;
    case NameProblem::NotShiftJis:
        return QStringLiteral("部材名「%1」はテキストファイル（Shift-JIS）に書けない文字%2を"
                              "含んでいます。")
                   .arg(memberName, Quoted(check.characters)) +
               advice;
    }
    return {};
}

EncodedReport EncodeReport(const ReportLines& lines) {
    QString text;
    for (const ReportLine& line : lines) {
        // A text at column n stands after n − 1 blanks, even an empty one (an
        // empty member name still moves to its column).
        if (line.column > 1)
            text += QString(line.column - 1, u' ');
        text += QString::fromUtf8(line.text.data(), static_cast<qsizetype>(line.text.size()));
        text += u"\r\n";
    }
    return EncodeShiftJisText(std::move(text));
}

EncodedReport EncodeShiftJisText(QString text) {
    text = InWindowsForms(std::move(text));
    EncodedReport encoded;
    if (std::optional<QByteArray> bytes = ToShiftJis(text)) {
        encoded.bytes = std::move(*bytes);
    } else {
        encoded.unencodable =
            Offending(text, [](const QString& c) { return !EncodesInShiftJis(c); });
        if (encoded.unencodable.isEmpty()) // only when the encoder itself is missing
            encoded.unencodable = QStringLiteral("?");
    }
    return encoded;
}

namespace {
FileOutcome FolderCannotBeMade(const QString& folder) {
    return FileOutcome::Failed(QStringLiteral("出力先のフォルダ「%1」を作成できません。")
                                   .arg(QDir::toNativeSeparators(folder)));
}
} // namespace

FileOutcome CheckFolderPossible(const QString& folder) {
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return FolderCannotBeMade(folder);
    return {};
}

FileOutcome EnsureFolderExists(const QString& folder) {
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return {};
    return FolderCannotBeMade(folder);
}

FileOutcome WriteReportFile(const QString& path, const QByteArray& bytes) {
    return OutcomeOf(ReplaceFileContents(
        FsPath(path), std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

bool ReportFileExists(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

QString WriteFailureMessage(const QString& path, const QString& reason) {
    return QStringLiteral("レポートファイル「%1」を書き込めませんでした。\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace varnok::reports
