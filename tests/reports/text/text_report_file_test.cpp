// Member names as file names, the Shift-JIS bytes, and writing without losing
// an earlier report.

#include "text_report_file.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#ifndef _WIN32 // size limits, mounts and symbolic links are POSIX's
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace varnok::reports {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(MemberName, OrdinaryNamesAreAccepted) {
    for (const char* name : {"", "B1", "2F-B1 小梁", "片持梁 C1", "a.b", "...", "Ｇ４①", "CON1"}) {
        EXPECT_TRUE(CheckMemberName(Q(name), FileNameRules::Posix).ok()) << name;
        EXPECT_TRUE(CheckMemberName(Q(name), FileNameRules::Windows).ok()) << name;
    }
}

TEST(MemberName, NamesThatWouldLeaveTheFolderOrAreNoFileNameAreRefused) {
    struct Case {
        const char* name;
        NameProblem problem;
        const char* characters;
    };
    for (const Case& c :
         {Case{"a/b", NameProblem::PathSeparator, "/"},
          Case{"..\\..\\x/y/z", NameProblem::PathSeparator, "\\/"},
          Case{"/", NameProblem::PathSeparator, "/"}, Case{".", NameProblem::DotName, "."},
          Case{"..", NameProblem::DotName, ".."}, Case{"B1\n", NameProblem::ControlCharacter, "\n"},
          Case{"a\tb\x7f", NameProblem::ControlCharacter, "\t\x7f"},
          Case{"𠮷野家", NameProblem::NotShiftJis, "𠮷"},
          Case{"café 한국", NameProblem::NotShiftJis, "é한국"}}) {
        for (FileNameRules rules : {FileNameRules::Posix, FileNameRules::Windows}) {
            const NameCheck check = CheckMemberName(Q(c.name), rules);
            EXPECT_EQ(check.problem, c.problem) << c.name;
            EXPECT_EQ(check.characters, Q(c.characters)) << c.name;
        }
    }
}

TEST(MemberName, WindowsRulesAddItsForbiddenCharactersAndDeviceNames) {
    for (const char* name : {"a:b", "B?", "*", "<x>", "a\"b", "a|b"}) {
        EXPECT_EQ(CheckMemberName(Q(name), FileNameRules::Windows).problem,
                  NameProblem::ForbiddenCharacter)
            << name;
        EXPECT_TRUE(CheckMemberName(Q(name), FileNameRules::Posix).ok()) << name;
    }
    // Windows reads the part before the first dot, less trailing blanks, as the
    // device: "CON.A.TXT" is the console as surely as "CON.TXT".
    for (const char* name : {"CON", "nul", "Com1", "LPT9", "CON.A", "NUL.B1", "AUX.", "CON ",
                             "com1.txt", "prn .x", "COM¹", "lpt³.b"}) {
        EXPECT_EQ(CheckMemberName(Q(name), FileNameRules::Windows).problem,
                  NameProblem::ReservedName)
            << name;
        EXPECT_NE(CheckMemberName(Q(name), FileNameRules::Posix).problem, NameProblem::ReservedName)
            << name;
    }
    for (const char* name : {"CONA", "NUL1.B", "XCON", "COM0", "COM10", "LPT", ".CON", "AUX_1"})
        EXPECT_TRUE(CheckMemberName(Q(name), FileNameRules::Windows).ok()) << name;
    EXPECT_TRUE(CheckMemberName(Q("COM0"), FileNameRules::Windows).ok());
}

TEST(MemberName, MessageSaysWhichCharactersAreInTheWay) {
    const QString name = Q("B1/B2\\B3");
    const QString text = NameProblemMessage(name, CheckMemberName(name, FileNameRules::Posix));
    EXPECT_TRUE(text.contains(Q("部材名「B1/B2\\B3」"))) << text.toStdString();
    EXPECT_TRUE(text.contains(Q("「/」「\\」"))) << text.toStdString();
    const QString sjis = NameProblemMessage(Q("𠮷"), CheckMemberName(Q("𠮷")));
    EXPECT_TRUE(sjis.contains(Q("Shift-JIS"))) << sjis.toStdString();
    EXPECT_TRUE(sjis.contains(Q("「𠮷」"))) << sjis.toStdString();
    for (const char* name : {"..", "a\nb"})
        EXPECT_FALSE(NameProblemMessage(Q(name), CheckMemberName(Q(name))).isEmpty()) << name;
}

TEST(ReportFile, EncodingPutsBlanksBeforeColumnsAndEndsEveryLineWithCrLf) {
    const ReportLines lines{{}, {1, "A"}, {10, "Ｈ－ 150 × 75"}, {3, "･"}, {10, ""}};
    const EncodedReport encoded = EncodeReport(lines);
    ASSERT_TRUE(encoded.ok());
    const QByteArray expected = QByteArray("\r\n"
                                           "A\r\n"
                                           "         \x82\x67\x81\x7c 150 \x81\x7e 75\r\n"
                                           "  \xa5\r\n"
                                           "         \r\n");
    EXPECT_EQ(encoded.bytes.toHex(' '), expected.toHex(' '));
    EXPECT_TRUE(EncodeReport({}).bytes.isEmpty());
}

TEST(ReportFile, JisLookAlikesAreWrittenInTheirWindowsForms) {
    // Typed elsewhere, "〜" (U+301C) and "−" (U+2212) are what Windows writes as "～" and "－".
    EXPECT_TRUE(CheckMemberName(Q("B1〜B3−2")).ok());
    const EncodedReport encoded = EncodeReport({{1, "B1〜B3−2"}});
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.bytes, QByteArray("B1\x81\x60"
                                        "B3\x81\x7c"
                                        "2\r\n"));
}

TEST(ReportFile, CharactersShiftJisCannotHoldAreNamedNotReplaced) {
    const EncodedReport encoded = EncodeReport({{10, "B1 𠮷 é 𠮷"}});
    EXPECT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.unencodable, Q("𠮷é"));
    EXPECT_TRUE(encoded.bytes.isEmpty());
}

class ReportFileOnDisk : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(Q(name)); }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void put(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    /// The folder's entries, sorted: shows a stray temporary file.
    QStringList entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }
    QTemporaryDir dir_;
};

#ifndef _WIN32
/// WriteReportFile in a child process whose files may not grow past
/// `limitBytes` (writes beyond fail with EFBIG rather than killing it): the
/// outcome's reason, or "ok".
QString WriteUnderSizeLimit(const QString& file, const QByteArray& bytes, rlim_t limitBytes) {
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileOutcome outcome = WriteReportFile(file, bytes);
        const QByteArray said = outcome.ok() ? QByteArray("ok") : outcome.reason().toUtf8();
        const bool sent =
            write(channel[1], said.constData(), std::size_t(said.size())) == ssize_t(said.size());
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    QByteArray said;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(said)
                                                         : QStringLiteral("<child failed>");
}
#endif

TEST_F(ReportFileOnDisk, WritingReplacesAnEarlierReport) {
    const QString file = path("B1.TXT");
    ASSERT_TRUE(WriteReportFile(file, "first\r\n").ok());
    ASSERT_TRUE(WriteReportFile(file, "second\r\n").ok());
    EXPECT_EQ(read(file), QByteArray("second\r\n"));
}

TEST_F(ReportFileOnDisk, AFolderInTheWayIsReportedInJapanese) {
    const QString file = path("B1.TXT");
    ASSERT_TRUE(QDir().mkdir(file));
    const FileOutcome outcome = WriteReportFile(file, "x");
    EXPECT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.reason().contains(Q("フォルダ"))) << outcome.reason().toStdString();
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_FALSE(ReportFileExists(file));
}

TEST_F(ReportFileOnDisk, FolderIsCreatedWithItsParentsUnlessAFileBlocksIt) {
    EXPECT_TRUE(EnsureFolderExists(path("a/b/Desktop")).ok());
    EXPECT_TRUE(QFileInfo(path("a/b/Desktop")).isDir());
    EXPECT_TRUE(EnsureFolderExists(path("a/b/Desktop")).ok());
    put(path("plain"), "");
    const FileOutcome blocked = EnsureFolderExists(path("plain/Desktop"));
    EXPECT_FALSE(blocked.ok());
    EXPECT_FALSE(blocked.reason().isEmpty());
}

#ifndef _WIN32 // a folder's read-only attribute does not stop writes on Windows
TEST_F(ReportFileOnDisk, ReadOnlyFolderKeepsTheOldReportAndSaysWhy) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: folder permissions do not stop writes";
    const QString file = path("B1.TXT");
    put(file, "old\r\n");
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const FileOutcome outcome = WriteReportFile(file, "new\r\n");
    QFile::setPermissions(dir_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.reason(), Q("出力先のフォルダに書き込む権限がありません。"));
    EXPECT_EQ(read(file), QByteArray("old\r\n"));
}

TEST_F(ReportFileOnDisk, AFailedWriteKeepsTheOldReportLeavesNoTemporaryAndSaysWhy) {
    const QString file = path("B1.TXT");
    put(file, "old\r\n");
    const QByteArray big(64 * 1024, 'x');
    EXPECT_EQ(WriteUnderSizeLimit(file, big, 4096),
              Q("ファイルが書き込める大きさの上限を超えます。"));
    EXPECT_EQ(read(file), QByteArray("old\r\n"));
    EXPECT_EQ(entries(), QStringList{Q("B1.TXT")});
    EXPECT_EQ(WriteUnderSizeLimit(file, "new\r\n", 4096), Q("ok")) << "a report that fits";
    EXPECT_EQ(read(file), QByteArray("new\r\n"));
}

TEST_F(ReportFileOnDisk, AFullDiskKeepsTheOldReport) {
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs to fill needs root; the size-limit test covers "
                        "the same path";
    const QString disk = path("disk");
    ASSERT_TRUE(QDir().mkdir(disk));
    const QByteArray where = QFile::encodeName(disk);
    if (mount("tmpfs", where.constData(), "tmpfs", 0, "size=8k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    const QString file = disk + Q("/B1.TXT");
    put(file, "old\r\n");
    const FileOutcome outcome = WriteReportFile(file, QByteArray(64 * 1024, 'x'));
    const QByteArray kept = read(file);
    const QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
    umount(where.constData());
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.reason(), Q("ディスクの空き容量が足りません。"));
    EXPECT_EQ(kept, QByteArray("old\r\n"));
    EXPECT_EQ(left, QStringList{Q("B1.TXT")});
}

// QFile::link makes a shortcut file on Windows, not a link the system follows.
TEST_F(ReportFileOnDisk, ALinkAtTheReportNameIsReplacedNeverWrittenThrough) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(Q("target.txt"));
    put(target, "not ours\r\n");
    const QString linked = path("B1.TXT");
    ASSERT_TRUE(QFile::link(target, linked));
    EXPECT_FALSE(ReportFileExists(linked)) << "a link is no report to show";
    ASSERT_TRUE(WriteReportFile(linked, "report\r\n").ok());
    EXPECT_EQ(read(target), QByteArray("not ours\r\n"));
    EXPECT_FALSE(QFileInfo(linked).isSymLink());
    EXPECT_EQ(read(linked), QByteArray("report\r\n"));

    // A dangling link creates nothing outside the folder when the report is written.
    const QString missing = elsewhere.filePath(Q("missing.txt"));
    const QString dangling = path("C1.TXT");
    ASSERT_TRUE(QFile::link(missing, dangling));
    ASSERT_TRUE(WriteReportFile(dangling, "c1\r\n").ok());
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(read(dangling), QByteArray("c1\r\n"));
}

#endif

TEST_F(ReportFileOnDisk, OurStaleTemporariesGoAtTheNextWriteAndNothingElse) {
    for (const char* name :
         {"B1.TXT.varnok-tmp-Ab12Cd", "B1.TXT.varnok-tmp-Ab12C", "B2.TXT.varnok-tmp-Ab12Cd",
          "B1.TXT.ZzmzQU", "B1.TXT.varnok-tmp-Ab12Cd~"})
        put(path(name), "left over");
    ASSERT_TRUE(QDir().mkdir(path("B1.TXT.varnok-tmp-Folder")));
    ASSERT_TRUE(WriteReportFile(path("B1.TXT"), "new\r\n").ok());
    EXPECT_EQ(entries(), (QStringList{Q("B1.TXT"), Q("B1.TXT.ZzmzQU"), Q("B1.TXT.varnok-tmp-Ab12C"),
                                      Q("B1.TXT.varnok-tmp-Ab12Cd~"), Q("B1.TXT.varnok-tmp-Folder"),
                                      Q("B2.TXT.varnok-tmp-Ab12Cd")}));
}

TEST_F(ReportFileOnDisk, FailuresNameTheirCauseInJapanese) {
    const QString readOnly = path("B1.TXT");
    put(readOnly, "signed\r\n");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const FileOutcome refused = WriteReportFile(readOnly, "new\r\n");
    EXPECT_EQ(refused.reason(), Q("同じ名前のファイルが読み取り専用になっています。"));
    EXPECT_EQ(read(readOnly), QByteArray("signed\r\n"));

    const QString tooLong = path(QByteArray(300, 'B').append(".TXT").constData());
    EXPECT_EQ(WriteReportFile(tooLong, "x").reason(),
              Q("ファイル名が長すぎます。部材名を短くして下さい。"));

    EXPECT_EQ(WriteReportFile(path("no/such/B1.TXT"), "x").reason(),
              Q("出力先のフォルダがありません。"));
    EXPECT_EQ(entries(), QStringList{Q("B1.TXT")});
}

} // namespace
} // namespace varnok::reports
