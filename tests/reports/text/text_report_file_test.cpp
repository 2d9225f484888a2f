// Member names as file names, the Shift-JIS bytes, and writing without losing
// an earlier report.

#include "text_report_file.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

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
    for (const char* name : {"CON", "nul", "Com1", "LPT9"})
        EXPECT_EQ(CheckMemberName(Q(name), FileNameRules::Windows).problem,
                  NameProblem::ReservedName)
            << name;
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
    QTemporaryDir dir_;
};

TEST_F(ReportFileOnDisk, WritingReplacesAnEarlierReport) {
    const QString file = path("B1.TXT");
    ASSERT_TRUE(WriteReportFile(file, "first\r\n").ok);
    ASSERT_TRUE(WriteReportFile(file, "second\r\n").ok);
    EXPECT_EQ(read(file), QByteArray("second\r\n"));
}

TEST_F(ReportFileOnDisk, EnsuringAFileCreatesAnEmptyOneOrLeavesTheOldOneAlone) {
    const QString fresh = path("new.TXT");
    ASSERT_TRUE(EnsureReportFileExists(fresh).ok);
    EXPECT_EQ(read(fresh), QByteArray());
    const QString old = path("old.TXT");
    put(old, "old report\r\n");
    ASSERT_TRUE(EnsureReportFileExists(old).ok);
    EXPECT_EQ(read(old), QByteArray("old report\r\n"));
}

TEST_F(ReportFileOnDisk, AFolderInTheWayIsReportedInJapanese) {
    const QString file = path("B1.TXT");
    ASSERT_TRUE(QDir().mkdir(file));
    for (const FileOutcome& outcome : {WriteReportFile(file, "x"), EnsureReportFileExists(file)}) {
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.reason.contains(Q("フォルダ"))) << outcome.reason.toStdString();
    }
    EXPECT_TRUE(QFileInfo(file).isDir());
}

TEST_F(ReportFileOnDisk, FolderIsCreatedWithItsParentsUnlessAFileBlocksIt) {
    EXPECT_TRUE(EnsureFolderExists(path("a/b/Desktop")).ok);
    EXPECT_TRUE(QFileInfo(path("a/b/Desktop")).isDir());
    EXPECT_TRUE(EnsureFolderExists(path("a/b/Desktop")).ok);
    put(path("plain"), "");
    const FileOutcome blocked = EnsureFolderExists(path("plain/Desktop"));
    EXPECT_FALSE(blocked.ok);
    EXPECT_FALSE(blocked.reason.isEmpty());
}

TEST_F(ReportFileOnDisk, ReadOnlyFolderKeepsTheOldReportAndSaysWhy) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: folder permissions do not stop writes";
    const QString file = path("B1.TXT");
    put(file, "old\r\n");
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const FileOutcome outcome = WriteReportFile(file, "new\r\n");
    const FileOutcome fresh = EnsureReportFileExists(path("other.TXT"));
    QFile::setPermissions(dir_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_FALSE(fresh.ok);
    EXPECT_EQ(read(file), QByteArray("old\r\n"));
}

} // namespace
} // namespace varnok::reports
