// The field chain as the user meets it: Enter, Tab, the mouse, the colours,
// the running totals, the proposed buckling length and the calculate prompt.
#include "sheet_fixture.h"

#include <QLabel>

namespace varnok::testing {
namespace {

const QString kInstructions =
    QString::fromUtf8("データ入力後は、\r[Tab]キーまたは\r[Enter]キーで進んで下さい。");
const QString kPrompt = QString::fromUtf8("[計算]ボタンか[Enter]キーを押して下さい。");

int Count(const std::vector<RecordedMessage>& messages, const QString& text) {
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(),
                      [&](const RecordedMessage& m) { return m.text == text; }));
}

using InputRulesTest = SheetTest;

TEST_F(InputRulesTest, OpeningTheSimpleBeamSheetInstructsOnceAndLeavesText1Green) {
    open(LoadCaseButton::TwoPoints);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, kInstructions);
    EXPECT_EQ(messages()[0].title, QString::fromUtf8("各欄データの入力方法"));
    EXPECT_EQ(messages()[0].icon, QMessageBox::Question);
    EXPECT_EQ(back(1), kGreenFocus);
    EXPECT_EQ(focused(), field(1));
    EXPECT_FALSE(button("Command1")->isVisible());
    EXPECT_EQ(text(6), "0");
    EXPECT_EQ(text(11), "0");
    EXPECT_EQ(text(15), "１");
    EXPECT_EQ(text(16), "３");
    EXPECT_EQ(text(30), "２３");
    EXPECT_EQ(text(31), "６４８");
    auto* picture = qobject_cast<QLabel*>(access().control("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
}

TEST_F(InputRulesTest, EnterStoresTheEntryRewritesItAndMovesOnWithTheColours) {
    open(LoadCaseButton::TwoPoints);
    field(1)->setText(QString::fromUtf8("Ｂ３")); // typed through an input method
    key(1, Qt::Key_Return);
    EXPECT_EQ(focused(), field(2));
    EXPECT_EQ(back(1), kWhite);
    EXPECT_EQ(back(2), kGreenFocus);
    EXPECT_EQ(text(1), "Ｂ３"); // the member name is no number
    EXPECT_EQ(state.memberName, "Ｂ３");

    typeEnter(2, "6");
    EXPECT_EQ(text(2), "6.000");
    EXPECT_EQ(state.fieldValues.get(2), 6.0);
    EXPECT_EQ(focused(), field(3));
    EXPECT_EQ(text(3), "2.000"); // span ÷ 3 for two point loads
    EXPECT_TRUE(access().control("Text23")->isVisible());

    typeEnter(3, "2.5");
    typeEnter(4, "2.12345");
    EXPECT_EQ(text(4), "2.123");
    EXPECT_EQ(state.fieldValues.get(4), 2.12345); // the entry keeps the value read
    typeEnter(5, "0.5");
    EXPECT_EQ(text(5), ".500");
    EXPECT_EQ(back(5), kWhite);
    EXPECT_EQ(back(6), kGreenFocus);
    typeEnter(6, "abc");
    EXPECT_EQ(text(6), ".000");
    EXPECT_EQ(state.fieldValues.get(6), 0.0);
    EXPECT_EQ(focused(), field(8)); // the total Text7 is outside the chain
    EXPECT_EQ(back(6), kWhite);
}

TEST_F(InputRulesTest, RunningTotalsUseTheEntriesAsLastStored) {
    open(LoadCaseButton::OnePoint);
    field(4)->setFocus();
    processEvents();
    typeEnter(4, "3.0");
    typeEnter(5, "2.5");
    typeEnter(6, "0.5");
    EXPECT_EQ(text(7), "8.000");
    EXPECT_EQ(state.fieldValues.get(7), 8.0);

    // A width changed and left with Tab keeps its old entry until Enter or calculate.
    field(5)->setFocus();
    processEvents();
    type(5, "4");
    key(5, Qt::Key_Tab);
    EXPECT_EQ(focused(), field(6));
    EXPECT_EQ(state.fieldValues.get(5), 2.5);
    EXPECT_EQ(text(5), "4");
    key(6, Qt::Key_Return);
    EXPECT_EQ(text(7), "8.000");

    typeEnter(8, "2");
    typeEnter(9, "1.5");
    typeEnter(10, "2");
    typeEnter(11, "1");
    EXPECT_EQ(text(12), "7.000");
    EXPECT_EQ(state.fieldValues.get(12), 7.0);
}

TEST_F(InputRulesTest, FullWidthEntriesReadAsTypedAndShowHalfWidth) {
    // An input method in full-width mode commits its text; Enter and calculate
    // read the same numbers from it.
    open(LoadCaseButton::OnePoint);
    field(2)->setFocus();
    processEvents();
    auto commitEnter = [this](int n, const char* utf8) {
        field(n)->selectAll();
        field(n)->insert(QString::fromUtf8(utf8));
        key(n, Qt::Key_Return);
    };
    commitEnter(2, "６");
    EXPECT_EQ(text(2), "6.000");
    commitEnter(3, "　２");
    commitEnter(4, "５");
    commitEnter(5, "２．４");
    commitEnter(6, "＋０．５");
    EXPECT_EQ(text(5), "2.400");
    EXPECT_EQ(text(7), "12.500");
    fill({{4, "５"}, {8, "－１Ｅ０"}, {9, "１"}, {10, "１"}, {11, "３ｋＮ"}});
    click("Command1");
    EXPECT_EQ(text(4), "5.000");
    EXPECT_EQ(text(7), "12.500");
    EXPECT_EQ(text(11), "3.000");
    EXPECT_EQ(text(12), "2.000");
    EXPECT_EQ(sheet->calculated()->w(), 12.5);
}

TEST_F(InputRulesTest, LeavingTheLastFieldPromptsOnceWithEnterTabOrTheMouse) {
    open(LoadCaseButton::OnePoint);
    clearMessages();
    field(11)->setFocus();
    processEvents();
    typeEnter(11, "1");
    EXPECT_EQ(Count(messages(), kPrompt), 1);
    EXPECT_EQ(messages().back().title, QString::fromUtf8("計算します。"));
    EXPECT_EQ(focused(), button("Command1"));
    EXPECT_TRUE(button("Command1")->isVisible());
    EXPECT_EQ(back(11), kWhite);

    // Back into the last field, then away with the mouse.
    clearMessages();
    QTest::mouseClick(field(11), Qt::LeftButton);
    processEvents();
    EXPECT_EQ(back(11), kGreenFocus);
    QTest::mouseClick(field(5), Qt::LeftButton);
    processEvents();
    activate();
    EXPECT_EQ(Count(messages(), kPrompt), 1);
    EXPECT_EQ(focused(), button("Command1"));
    EXPECT_EQ(back(11), kWhite);

    // And with Tab.
    clearMessages();
    field(11)->setFocus(Qt::MouseFocusReason);
    processEvents();
    key(11, Qt::Key_Tab);
    EXPECT_EQ(Count(messages(), kPrompt), 1);
    EXPECT_EQ(focused(), button("Command1"));
}

TEST_F(InputRulesTest, ProposedBucklingLengthFollowsTheCaseNumberAndOverwritesTheField) {
    const std::pair<LoadCaseButton, const char*> cases[] = {
        {LoadCaseButton::OnePoint, "3.000"},    {LoadCaseButton::TwoPoints, "2.000"},
        {LoadCaseButton::ThreePoints, "1.500"}, {LoadCaseButton::FourPoints, "1.200"},
        {LoadCaseButton::UniformOnly, "6.000"}, {LoadCaseButton::Cantilever, "6.000"},
    };
    for (auto [caseButton, proposed] : cases) {
        SCOPED_TRACE(proposed);
        open(caseButton);
        field(2)->setFocus();
        processEvents();
        typeEnter(2, "6");
        EXPECT_EQ(text(3), proposed);
        EXPECT_EQ(back(3), kGreenFocus);
        EXPECT_TRUE(field(3)->hasSelectedText());
        EXPECT_EQ(field(3)->selectedText(), field(3)->text());
        type(3, "9");
        key(3, Qt::Key_Tab);
        QTest::mouseClick(field(3), Qt::LeftButton); // every entry proposes again
        processEvents();
        EXPECT_EQ(text(3), proposed);
        sheet.reset();
    }
}

TEST_F(InputRulesTest, UniformSheetChainFormsTheTotalOfBothRowsAndLeavesItWhite) {
    open(LoadCaseButton::UniformOnly);
    field(4)->setFocus();
    processEvents();
    typeEnter(4, "3");
    typeEnter(5, "2");
    typeEnter(6, "0.5");
    EXPECT_EQ(focused(), field(7)); // an ordinary step on this sheet: no total yet
    EXPECT_EQ(text(10), "");
    typeEnter(7, "1");
    typeEnter(8, "1.5");
    clearMessages();
    typeEnter(9, "0.2");
    EXPECT_EQ(text(10), "8.200");
    EXPECT_EQ(back(10), kWhite);
    EXPECT_EQ(back(9), kWhite);
    EXPECT_EQ(Count(messages(), kPrompt), 1);
    EXPECT_EQ(focused(), button("Command1"));
}

TEST_F(InputRulesTest, TypingTheMemberNameReplacesTheInitialTextWhateverTheActivationOrder) {
    for (auto caseButton : {LoadCaseButton::OnePoint, LoadCaseButton::Cantilever}) {
        open(caseButton);
        QLineEdit* name = field(1);
        const QString initial = name->text();
        // A window system that hands the activation back in its own order may
        // leave the text unselected; regaining the focus selects it again ...
        name->deselect();
        QApplication::setActiveWindow(nullptr);
        processEvents();
        activate();
        EXPECT_EQ(name->selectedText(), initial);
        // ... and the first character typed replaces it even when nothing did.
        name->deselect();
        name->end(false);
        QTest::keyClicks(name, "B1");
        EXPECT_EQ(name->text(), "B1");
        // From then on the field is edited like any other.
        activate();
        name->end(false);
        QTest::keyClicks(name, "2");
        EXPECT_EQ(name->text(), "B12");
        sheet.reset();
    }
}

TEST_F(InputRulesTest, UniformAndCantileverSheetsInstructWheneverText1IsEnteredByTheUser) {
    for (auto caseButton : {LoadCaseButton::UniformOnly, LoadCaseButton::Cantilever}) {
        clearMessages();
        open(caseButton);
        EXPECT_EQ(Count(messages(), kInstructions), 1);
        EXPECT_EQ(back(1), kGreenFocus);
        EXPECT_EQ(text(1), caseButton == LoadCaseButton::Cantilever ? "ＣＧ" : "Ｂ");

        // The window regaining the activation is no entry into Text1.
        activate();
        QApplication::setActiveWindow(nullptr);
        processEvents();
        activate();
        EXPECT_EQ(Count(messages(), kInstructions), 1);

        key(1, Qt::Key_Tab);
        QTest::mouseClick(field(1), Qt::LeftButton);
        processEvents();
        EXPECT_EQ(Count(messages(), kInstructions), 2);
        activate();
        EXPECT_EQ(back(1), kGreenFocus);
        sheet.reset();
    }
}

} // namespace
} // namespace varnok::testing
