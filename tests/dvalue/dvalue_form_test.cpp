// Form1, the D-value window: set-up, the Enter chain, the calculation as the
// user drives it, the column-ratio message, closing and reopening.
#include "dvalue_form.h"
#include "text_fit.h"
#include "ui_test.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace varnok::dvalue {
namespace {

using testing::UiTest;

class DValueFormTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        open();
    }

    void open() {
        form.show();
        QApplication::setActiveWindow(&form);
        form.activateWindow();
        processEvents();
    }

    QLineEdit* text(int n) const {
        return form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
    }
    QRadioButton* option(int n) const {
        return form.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n));
    }
    QPushButton* button(const char* name) const {
        return form.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QStringList results() const { return {text(6)->text(), text(7)->text(), text(8)->text()}; }

    /// A key as the keyboard gives it: to whichever control has the focus.
    void press(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key);
        processEvents();
    }
    void type(const QString& s) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClicks(target, s);
        processEvents();
    }

    /// Fills the five ratios (Text1..Text5) as a user does: type over the
    /// selected text, Enter to the next field.
    void enterRatios(const QStringList& ratios) {
        text(1)->setFocus();
        text(1)->selectAll();
        for (const QString& r : ratios) {
            type(r);
            press(Qt::Key_Return);
        }
    }

    void clickCalculate() {
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        processEvents();
        // The offscreen platform does not hand activation back after a message box.
        QApplication::setActiveWindow(&form);
        processEvents();
    }

    DValueForm form;
};

TEST_F(DValueFormTest, OpensWithEveryControlNamedAndSetUp) {
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "Ｄ値計算");
    for (int n = 1; n <= 8; ++n) {
        ASSERT_NE(text(n), nullptr) << n;
        EXPECT_EQ(text(n)->text(), "0") << n;
    }
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7", "Label9"})
        EXPECT_NE(form.findChild<QLabel*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"Line1", "Line2", "Line3"})
        EXPECT_NE(form.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(button("Command2")->text(), "計　算");
    EXPECT_EQ(button("Command3")->text(), "終　了");
    EXPECT_EQ(option(4)->text(), "ﾍﾞｰｽﾊﾟｯｸ   ( I 型)");
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_EQ(form.condition(), StoreyCondition::GeneralStorey);
    EXPECT_TRUE(text(1)->hasFocus());
    EXPECT_EQ(text(1)->selectedText(), "0");
}

TEST_F(DValueFormTest, TabOrderFollowsTheSketch) {
    QStringList chain;
    QWidget* w = text(1);
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != text(1));
    EXPECT_EQ(chain, QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Option1", "Option2",
                                  "Option3", "Text6", "Option4", "Command2", "Command3", "Text7",
                                  "Text8"}));
}

TEST_F(DValueFormTest, EnterWalksTheRatiosSelectingEachNextFieldThenCalculates) {
    for (int n = 1; n <= 4; ++n) {
        type("1");
        press(Qt::Key_Return);
        QLineEdit* next = text(n + 1);
        ASSERT_TRUE(next->hasFocus()) << n;
        EXPECT_EQ(next->selectedText(), "0") << n;
        EXPECT_EQ(next->cursorPosition(), 0) << n;
    }
    type("1");
    press(Qt::Key_Return);
    EXPECT_TRUE(button("Command2")->hasFocus());
    EXPECT_EQ(results(), QStringList({"0", "0", "0"})); // Enter in Text5 only moves on
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(text(n)->text(), "1") << n;

    press(Qt::Key_Return);
    EXPECT_EQ(results(), QStringList({"2.0000", "0.5000", "0.5000"}));
    EXPECT_TRUE(button("Command2")->hasFocus());

    // Enter again repeats the calculation with what the fields hold now.
    text(5)->setText("2");
    press(Qt::Key_Return);
    EXPECT_EQ(results(), QStringList({"1.0000", "0.3333", "0.6667"}));
    EXPECT_TRUE(messages().empty());
}

TEST_F(DValueFormTest, TabIntoARatioSelectsItFromTheStart) {
    text(2)->setText("12.5");
    press(Qt::Key_Tab);
    ASSERT_TRUE(text(2)->hasFocus());
    EXPECT_EQ(text(2)->selectedText(), "12.5");
    EXPECT_EQ(text(2)->cursorPosition(), 0);
    type("3");
    EXPECT_EQ(text(2)->text(), "3");
}

TEST_F(DValueFormTest, WorkedExamplesThroughTheWindow) {
    enterRatios({"2.5", "1.8", "3", "2", "1.2"});
    clickCalculate();
    EXPECT_EQ(results(), QStringList({"3.8750", "0.6596", "0.7915"}));

    QTest::mouseClick(option(2), Qt::LeftButton);
    EXPECT_EQ(form.condition(), StoreyCondition::FixedBase);
    clickCalculate();
    EXPECT_EQ(results(), QStringList({"3.5833", "0.7313", "0.8776"}));
    EXPECT_EQ(text(3)->text(), "3"); // inputs keep their texts
}

TEST_F(DValueFormTest, ColumnBasesIgnoreTheLowerBeams) {
    for (int n : {2, 3, 4}) {
        enterRatios({"2.5", "1.8", "3", "2", "1.2"});
        QTest::mouseClick(option(n), Qt::LeftButton);
        clickCalculate();
        const QStringList withBeams = results();
        text(3)->setText("99");
        text(4)->setText("abc");
        clickCalculate();
        EXPECT_EQ(results(), withBeams) << n;
    }
}

TEST_F(DValueFormTest, ColumnRatioThatReadsAsZeroAsksForIt) {
    for (const char* column : {"0", "0.0", "00", "", "abc", " -0"}) {
        clearMessages();
        text(5)->setText(QString::fromUtf8(column));
        text(1)->setText("1");
        clickCalculate();
        ASSERT_EQ(messages().size(), 1u) << column;
        EXPECT_EQ(messages()[0].text, "柱の剛比を入力して下さい");
        EXPECT_EQ(messages()[0].title, "未入力のデータがあります");
        EXPECT_EQ(messages()[0].icon, QMessageBox::Question);
        EXPECT_EQ(results(), QStringList({"0", "0", "0"})) << column;
        EXPECT_EQ(text(5)->text(), QString::fromUtf8(column));
    }
    // 1.0 is a ratio like 1.
    clearMessages();
    enterRatios({"1", "1", "1", "1", "1.0"});
    clickCalculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(results(), QStringList({"2.0000", "0.5000", "0.5000"}));
    // and so are the full-width forms an input method types
    clearMessages();
    for (int n = 1; n <= 5; ++n)
        text(n)->setText(QString::fromUtf8(n < 5 ? "１" : "　１．０"));
    clickCalculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(results(), QStringList({"2.0000", "0.5000", "0.5000"}));
}

TEST_F(DValueFormTest, TextIsWholeAndTheHintClearOfTheSketch) {
    EXPECT_EQ(testing::ClippedTextControls(form), QStringList());
    auto* hint = form.findChild<QLabel*>(QStringLiteral("Label9"));
    ASSERT_NE(hint, nullptr);
    const QRect textArea =
        hint->fontMetrics().boundingRect(hint->contentsRect(), Qt::TextWordWrap, hint->text());
    const QRect shown = textArea.translated(hint->pos());
    for (const char* other : {"Line1", "Line2", "Label2", "Text1", "Text5", "Label5"}) {
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(other));
        ASSERT_NE(w, nullptr) << other;
        EXPECT_FALSE(shown.intersects(w->geometry())) << other;
    }
}

TEST_F(DValueFormTest, MessageIsCentredOnTheForm) {
    QRect box;
    onMessage([&](const testing::RecordedMessage&) {
        if (QWidget* modal = QApplication::activeModalWidget())
            box = modal->geometry();
    });
    form.move(300, 200);
    processEvents();
    clickCalculate(); // the column ratio still "0"
    ASSERT_EQ(messages().size(), 1u);
    ASSERT_TRUE(box.isValid());
    const QPoint offset = box.center() - form.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

TEST_F(DValueFormTest, ZeroDenominatorShowsNonFiniteResultsAndStaysUsable) {
    enterRatios({"-2", "-2", "0", "0", "1"});
    clickCalculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(results(), QStringList({"-2.0000", "-∞", "-∞"}));

    enterRatios({"1", "1", "1", "1", "1"});
    clickCalculate();
    EXPECT_EQ(results(), QStringList({"2.0000", "0.5000", "0.5000"}));
}

TEST_F(DValueFormTest, ReopeningStartsAfresh) {
    enterRatios({"2.5", "1.8", "3", "2", "1.2"});
    QTest::mouseClick(option(3), Qt::LeftButton);
    clickCalculate();
    ASSERT_EQ(text(6)->text(), "3.5833");

    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    processEvents();
    EXPECT_FALSE(form.isVisible());

    open();
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(text(n)->text(), "0") << n;
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_TRUE(text(1)->hasFocus());
    EXPECT_EQ(text(1)->selectedText(), "0");

    form.close(); // the close box
    processEvents();
    EXPECT_FALSE(form.isVisible());
}

// How the launcher opens it: modal over its parent until "終　了".
TEST(DValueFormModal, ExecReturnsWhenClosed) {
    QWidget launcher;
    launcher.show();
    for (int round = 0; round < 2; ++round) {
        DValueForm form(&launcher);
        bool wasModal = false;
        QTimer::singleShot(0, &form, [&] {
            wasModal = QApplication::activeModalWidget() == &form || form.isModal();
            form.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        });
        form.exec();
        EXPECT_TRUE(wasModal);
        EXPECT_FALSE(form.isVisible());
    }
}

} // namespace
} // namespace varnok::dvalue
