// The report and print buttons of a sheet: a report describes the calculation
// on screen and the member named on screen, or it is refused before any screen
// or dialog opens; and a sheet that goes away under one of its modal dialogs
// takes the dialog with it, once.
#include "printer_system.h"
#include "recording_editor.h"
#include "sheet_fixture.h"
#include "temporary_home.h"

#include <QDir>
#include <QFile>
#include <QPointer>

namespace varnok::testing {
namespace {

const QString kStale = QString::fromUtf8(
    "入力データが計算結果と合っていません。\r[計算]ボタンを押してから出力して下さい。");

class NoPrinters final : public reports::PrinterSystem {
public:
    std::vector<reports::PrinterDescription> printers() override { return {}; }
    QString defaultPrinterName() override { return {}; }
    bool setDefaultPrinter(const reports::PrinterDescription&) override { return false; }
};

/// The desktop lives in a temporary home; every screen and dialog that opens
/// is recorded and answered with `answer` (a button's objectName).
class ReportButtonsTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        // The desktop handed over as well: Windows finds its own whatever HOME says.
        services = {&editor_, &printers_, home_.desktop()};
        onDialog([this](QWidget* dialog) {
            opened_.push_back(dialog->objectName());
            if (auto* b = dialog->findChild<QAbstractButton*>(answer_))
                b->click();
            return true;
        });
    }

    void openCalculated(LoadCaseButton caseButton, const char* name) {
        open(caseButton);
        fill({{2, "6"}, {3, "2"}, {4, "1"}, {5, "1"}});
        field(1)->setText(QString::fromUtf8(name));
        click("Command1");
    }
    QByteArray report(const QString& name) const {
        QFile f(home_.desktop() + "/" + name + ".TXT");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    /// Presses the button and expects the one refusal message, nothing opened.
    void expectRefused(std::string_view button, const QString& text) {
        SCOPED_TRACE(std::string(button));
        clearMessages();
        opened_.clear();
        click(button);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].text, text);
        EXPECT_TRUE(opened_.empty());
    }

    RecordingEditor editor_;
    NoPrinters printers_;
    QString answer_ = QStringLiteral("Command2"); // cancel
    std::vector<QString> opened_;
    TemporaryHome home_;
};

TEST_F(ReportButtonsTest, ReportsWaitForACalculationOfTheInputsOnScreen) {
    open(LoadCaseButton::OnePoint);
    field(1)->setText("B1");
    for (std::string_view b : {"Command9", "Command3", "Command4"})
        expectRefused(b, kStale); // nothing calculated yet
    EXPECT_EQ(messages()[0].title, QString::fromUtf8("再計算して下さい。"));
    EXPECT_EQ(messages()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(editor_.started.empty());
    EXPECT_FALSE(QDir(home_.desktop()).exists("B1.TXT"));

    fill({{2, "6"}, {3, "2"}, {4, "1"}, {5, "1"}});
    click("Command1");
    click("Option2"); // the option and the arrows keep the report allowed
    click("Command6");
    answer_ = QStringLiteral("Command1");
    click("Command9");
    EXPECT_EQ(opened_, std::vector<QString>{"s_txt1"});
    const QByteArray written = report("B1");
    ASSERT_NE(written, "<missing>");

    // A changed input, even one only typed, or one refused by calculate.
    field(4)->setText("2");
    expectRefused("Command9", kStale);
    field(4)->setText("1.000"); // the calculated value again
    fill({{2, "-6"}});
    click("Command1");
    expectRefused("Command9", kStale);
    expectRefused("Command3", kStale);
    EXPECT_EQ(report("B1"), written);
    EXPECT_EQ(editor_.started.size(), 1u);
}

TEST_F(ReportButtonsTest, AStaleRefusalHandsTheFocusToTheCalculateButton) {
    for (std::string_view refused : {"Command9", "Command4"}) {
        openCalculated(LoadCaseButton::Cantilever, "C1");
        ASSERT_FALSE(button("Command1")->isVisible()); // a calculation hides it
        field(4)->setText("2");
        expectRefused(refused, kStale);
        EXPECT_TRUE(button("Command1")->isVisible());
        EXPECT_EQ(focused(), button("Command1"));
        clearMessages();
        QTest::keyClick(button("Command1"), Qt::Key_Return); // recalculates, asks nothing
        processEvents();
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(text(4), "2.000");
        EXPECT_FALSE(button("Command1")->isVisible());
        answer_ = QStringLiteral("Command1");
        click("Command9");
        EXPECT_EQ(opened_.back(), "s_txt3");
        EXPECT_NE(report("C1"), "<missing>");
        answer_ = QStringLiteral("Command2");
        sheet.reset();
    }
}

TEST_F(ReportButtonsTest, TheMemberNameOnScreenNamesTheReportAndABlankOneIsRefused) {
    for (auto caseButton : {LoadCaseButton::TwoPoints, LoadCaseButton::Cantilever}) {
        openCalculated(caseButton, "B1");
        field(1)->setText("B2"); // edited without passing the span field
        answer_ = QStringLiteral("Command1");
        click("Command9");
        EXPECT_EQ(state.memberName, "B2");
        EXPECT_NE(report("B2"), "<missing>");
        EXPECT_EQ(report("B1"), "<missing>");
        answer_ = QStringLiteral("Command2");
        field(1)->setText("G3");
        click("Command4");
        EXPECT_EQ(state.memberName, "G3");

        for (const char* blank : {"", "  ", "　"}) {
            field(1)->setText(QString::fromUtf8(blank));
            for (std::string_view b : {"Command9", "Command3"}) {
                expectRefused(b, QString::fromUtf8("部材名を入力して下さい。"));
                EXPECT_EQ(messages()[0].title, QString::fromUtf8("未入力のデータがあります。"));
                EXPECT_EQ(messages()[0].icon, QMessageBox::Question);
                EXPECT_EQ(focused(), field(1));
                EXPECT_EQ(back(1), kGreenFocus);
            }
        }
        // A stale calculation is told first; the name comes after recalculating.
        fill({{5, "3"}});
        expectRefused("Command9", kStale);
        sheet.reset();
    }
    EXPECT_EQ(QDir(home_.desktop()).entryList(QDir::Files), (QStringList{"B2.TXT"}));
}

TEST_F(ReportButtonsTest, SheetGoingAwayUnderItsDialogTakesTheDialogWithIt) {
    for (const char* button : {"Command9", "Command3", "Command1"}) {
        SCOPED_TRACE(button);
        openCalculated(LoadCaseButton::OnePoint, "B1");
        fill({{2, ""}}); // the calculate button meets the missing-span message
        QPointer<sheets::DesignSheet> alive = sheet.get();
        auto goAway = [this] { sheet.reset(); };
        onDialog([&](QWidget*) {
            goAway();
            return true;
        });
        onMessage([&](const RecordedMessage&) { goAway(); });
        if (std::string_view(button) != "Command1")
            fill({{2, "6.000"}});
        QAbstractButton* b = this->button(button);
        b->click();
        processEvents();
        EXPECT_TRUE(alive.isNull());
        onMessage(nullptr);
    }
    EXPECT_TRUE(editor_.started.empty());
    EXPECT_FALSE(QDir(home_.desktop()).exists("B1.TXT"));
}

} // namespace
} // namespace varnok::testing
