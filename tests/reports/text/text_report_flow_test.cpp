// The text-report screens and the flow around them: the file on the desktop,
// the editor, and every message the user can meet.

#include "recording_editor.h"
#include "report_scenarios.h"
#include "report_flows.h"
#include "text_report_file.h"
#include "text_report_screen.h"
#include "ui_test.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace varnok::reports {
namespace {

using testing::Scenario;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

using testing::RecordingEditor;

QByteArray Read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray Golden(const std::string& name) {
    return Read(QStringLiteral(VARNOK_GOLDEN_DIR "/") + QString::fromStdString(name));
}

/// The reports go to a desktop folder in a temporary home, handed to the flow
/// as the program's desktop; the home is Qt's too (it finds the desktop as
/// $HOME/Desktop when no user-dirs.dirs names another), so nothing reaches the
/// user's own desktop on Linux.
class TextReportFlow : public testing::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        savedHome_ = qgetenv("HOME");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
        desktop_ = home_.path() + "/Desktop";
    }
    void TearDown() override {
        qputenv("HOME", savedHome_);
        if (savedConfig_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfig_);
        UiTest::TearDown();
    }

    /// Answers the report screen with a click on Command1 or Command2.
    void answerScreen(const char* button) {
        onDialog([this, button](QWidget* dialog) {
            screens_.push_back(dialog->objectName());
            if (auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button)))
                b->click();
            return true;
        });
    }

    void run(Scenario& s) {
        sheets::RunTextReport(nullptr, s.design, s.memberName,
                              ReportServices{&editor_, nullptr, desktop_});
    }

    QString reportOf(const Scenario& s) const {
        return desktop_ + "/" + QString::fromStdString(s.memberName) + ".TXT";
    }

    QTemporaryDir home_;
    QString desktop_;
    RecordingEditor editor_;
    std::vector<QString> screens_;

private:
    QByteArray savedHome_;
    QByteArray savedConfig_;
};

#ifndef _WIN32 // Windows' desktop is the shell's, whatever HOME says
TEST_F(TextReportFlow, DesktopFolderIsTheOneQtNames) {
    EXPECT_EQ(ReportFolder(), desktop_);
}
#endif

TEST_F(TextReportFlow, StartWritesTheReportAndOpensTheEditorOnIt) {
    for (Scenario s : {testing::TwoPointsLongPass(), testing::UniformBothRowsLongPass(),
                       testing::CantileverWeldFailLong()}) {
        answerScreen("Command1");
        run(s);
        EXPECT_EQ(Read(reportOf(s)), Golden(s.golden)) << s.golden;
        ASSERT_FALSE(editor_.started.empty());
        EXPECT_EQ(editor_.started.back(), reportOf(s));
    }
    EXPECT_EQ(screens_, (std::vector<QString>{"s_txt1", "s_txt2", "s_txt3"}));
    EXPECT_TRUE(messages().empty());
}

TEST_F(TextReportFlow, StartOverwritesAnEarlierReportOfTheSameMember) {
    Scenario s = testing::TwoPointsLongPass();
    ASSERT_TRUE(QDir().mkpath(desktop_));
    QFile old(reportOf(s));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an earlier, longer report that must disappear completely\r\n\r\n\r\n"
              "an earlier, longer report that must disappear completely\r\n\r\n\r\n");
    old.close();
    answerScreen("Command1");
    run(s);
    EXPECT_EQ(Read(reportOf(s)), Golden(s.golden));
}

TEST_F(TextReportFlow, CancelKeepsAnEarlierReportAndStillOpensTheEditor) {
    Scenario s = testing::TwoPointsLongPass();
    ASSERT_TRUE(QDir().mkpath(desktop_));
    QFile old(reportOf(s));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier report\r\n");
    old.close();
    answerScreen("Command2");
    run(s);
    EXPECT_EQ(Read(reportOf(s)), QByteArray("earlier report\r\n"));
    EXPECT_EQ(editor_.started, std::vector<QString>{reportOf(s)});
    EXPECT_TRUE(messages().empty());
}

TEST_F(TextReportFlow, CancelForANewMemberCreatesNothingAndStartsNoEditor) {
    Scenario s = testing::CantileverShortPass();
    answerScreen("Command2");
    run(s); // the desktop folder does not exist yet either
    EXPECT_EQ(screens_.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(desktop_));
    EXPECT_TRUE(editor_.started.empty());
    EXPECT_TRUE(messages().empty());

    // Nor anything in an existing desktop, whatever has the report's name.
    ASSERT_TRUE(QDir().mkpath(reportOf(s))); // a folder is no report
    run(s);
    EXPECT_EQ(QDir(desktop_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QFileInfo(reportOf(s)).fileName()});
    EXPECT_TRUE(editor_.started.empty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(TextReportFlow, EmptyMemberNameWritesDotTxt) {
    Scenario s = testing::TwoPointsLongPass();
    s.memberName.clear();
    answerScreen("Command1");
    run(s);
    EXPECT_TRUE(QFileInfo(desktop_ + "/.TXT").isFile());
    EXPECT_EQ(editor_.started, std::vector<QString>{desktop_ + "/.TXT"});
}

TEST_F(TextReportFlow, MemberNameThatIsNoFileNameIsRefusedBeforeAnythingHappens) {
    struct Case {
        const char* name;
        const char* shown; // what the message must name
    };
    for (const Case& c :
         {Case{"../../etc/B1", "「/」"}, Case{"..", "「..」"}, Case{"a\\b", "「\\」"},
          Case{"B1\t", "制御文字"}, Case{"𠮷野家", "「𠮷」"}}) {
        clearMessages();
        Scenario s = testing::TwoPointsLongPass();
        s.memberName = c.name;
        answerScreen("Command1");
        run(s);
        ASSERT_EQ(messages().size(), 1u) << c.name;
        EXPECT_EQ(messages()[0].title, Q("ファイル名にできません"));
        EXPECT_EQ(messages()[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(messages()[0].text.contains(Q(c.shown))) << messages()[0].text.toStdString();
    }
    EXPECT_TRUE(screens_.empty());
    EXPECT_TRUE(editor_.started.empty());
    EXPECT_FALSE(QFileInfo::exists(desktop_));
    EXPECT_EQ(QDir(home_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

TEST_F(TextReportFlow, DesktopThatCannotBeAFolderIsReportedAndTheEditorStaysShut) {
    QFile blocker(desktop_); // a plain file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Scenario s = testing::TwoPointsLongPass();
    answerScreen("Command1");
    run(s);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, Q("ファイルに書き込めません"));
    EXPECT_EQ(messages()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(messages()[0].text.contains(Q("2F-B1 小梁.TXT")))
        << messages()[0].text.toStdString();
    EXPECT_TRUE(screens_.empty());
    EXPECT_TRUE(editor_.started.empty());
}

TEST_F(TextReportFlow, ReportThatCannotBeWrittenIsReportedAndTheEditorStaysShut) {
    Scenario s = testing::TwoPointsLongPass();
    ASSERT_TRUE(QDir().mkpath(reportOf(s))); // a folder of the report's name
    answerScreen("Command1");
    run(s);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, Q("ファイルに書き込めません"));
    EXPECT_TRUE(messages()[0].text.contains(Q("フォルダ"))) << messages()[0].text.toStdString();
    EXPECT_TRUE(editor_.started.empty());
}

TEST_F(TextReportFlow, ReadOnlyDesktopIsReported) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows: the read-only attribute does not stop writes into a folder";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: folder permissions do not stop writes";
#endif
    ASSERT_TRUE(QDir().mkpath(desktop_));
    QFile::setPermissions(desktop_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Scenario s = testing::TwoPointsLongPass();
    answerScreen("Command1");
    run(s);
    QFile::setPermissions(desktop_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, Q("ファイルに書き込めません"));
    EXPECT_TRUE(editor_.started.empty());
}

TEST_F(TextReportFlow, EditorThatCannotStartIsReported) {
    editor_.starts = false;
    Scenario s = testing::TwoPointsLongPass();
    answerScreen("Command1");
    run(s);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, Q("メモ帳は？"));
    EXPECT_EQ(messages()[0].text, Q("「メモ帳」が見つかりません。(^^)v"));
    EXPECT_EQ(messages()[0].icon, QMessageBox::Warning);
}

TEST_F(TextReportFlow, SectionRowOutsideTheCatalogueKeepsTheLinesSoFarAndSaysSo) {
    struct Case {
        Scenario (*make)();
        const char* message;
        int lines;
    };
    for (const Case& c :
         {Case{testing::TwoPointsLongPass, "出力中止！入力データを確認して下さい。", 26},
          Case{testing::UniformBothRowsLongPass, "出力中止！入力データを確認して下さい。", 26},
          Case{testing::CantileverShortPass, "出力処理を中止します。入力データを確認して下さい。",
               28}}) {
        clearMessages();
        Scenario s = c.make();
        s.design.result.sectionRow = 0;
        answerScreen("Command1");
        run(s);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].title, Q("エラーが発生しました。"));
        EXPECT_EQ(messages()[0].text, Q(c.message));
        EXPECT_EQ(messages()[0].icon, QMessageBox::Question);
        const QByteArray written = Read(reportOf(s));
        EXPECT_EQ(written, Golden(s.golden).left(written.size())) << s.golden;
        EXPECT_EQ(written.count("\r\n"), c.lines) << s.golden;
        EXPECT_EQ(editor_.started.back(), reportOf(s));
    }
}

class TextReportScreenLook : public testing::UiTest {};

TEST_F(TextReportScreenLook, ScreenCarriesItsNamesTextsSizeAndColours) {
    TextReportScreen screen(SheetKind::kei3_b2);
    EXPECT_EQ(screen.objectName(), Q("s_txt2"));
    EXPECT_EQ(screen.windowTitle(), Q(" テキストファイルに出力"));
    EXPECT_EQ(screen.size(), QSize(242, 109)); // 3630 × 1635 twips
    auto* notice = screen.findChild<QPlainTextEdit*>("Text1");
    auto* start = screen.findChild<QPushButton*>("Command1");
    auto* cancel = screen.findChild<QPushButton*>("Command2");
    ASSERT_TRUE(notice && start && cancel);
    EXPECT_EQ(
        notice->toPlainText(),
        Q("デスクトップに出力します。\nファイル名は「部材名.TXT」\n同じなら上書きします。\n"));
    EXPECT_TRUE(notice->isReadOnly());
    EXPECT_EQ(start->text(), Q("出力開始  [クリック]"));
    EXPECT_EQ(cancel->text(), Q("中止[Esc]"));
    EXPECT_TRUE(start->isDefault());
    EXPECT_EQ(start->geometry(), QRect(8, 72, 129, 30));
    EXPECT_EQ(cancel->geometry(), QRect(144, 72, 89, 30));

    // The buttons paint their colours: orange start, green cancel, on dark grey.
    screen.show();
    processEvents();
    const QImage shot = screen.grab().toImage();
    EXPECT_EQ(shot.pixelColor(start->geometry().center() + QPoint(0, 12)), QColor(255, 128, 0));
    EXPECT_EQ(shot.pixelColor(cancel->geometry().center() + QPoint(0, 12)), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(128, 128, 128));
    EXPECT_EQ(shot.pixelColor(notice->geometry().bottomRight() - QPoint(4, 4)),
              QColor(128, 255, 128));
}

TEST_F(TextReportScreenLook, TabOrderIsNoticeCancelStart) {
    TextReportScreen screen(SheetKind::kei3_b1);
    screen.show();
    QApplication::setActiveWindow(&screen);
    processEvents();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), Q("Text1"));
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(u','), Q("Command2,Command1,Text1"));
}

TEST_F(TextReportScreenLook, EnterStartsAndEscCancelsFromTheNotice) {
    for (auto [key, result] :
         {std::pair{Qt::Key_Return, QDialog::Accepted}, std::pair{Qt::Key_Enter, QDialog::Accepted},
          std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        TextReportScreen screen(SheetKind::kei3_cg);
        onDialog([key](QWidget* dialog) {
            QWidget* notice = dialog->findChild<QWidget*>("Text1");
            notice->setFocus();
            QTest::keyClick(notice, key);
            return true;
        });
        EXPECT_EQ(screen.exec(), result) << key;
    }
}

} // namespace
} // namespace varnok::reports
