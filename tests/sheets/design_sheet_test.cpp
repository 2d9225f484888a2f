// Calculate, the section steps, the option buttons, the exit paths and the
// faults a sheet must not have (lost added loads, missing span, infinite results).
#include "printer_system.h"
#include "sheet_fixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

namespace varnok::testing {
namespace {

using DesignSheetTest = SheetTest;

constexpr Rgb kStepGreen{0, 255, 0};
constexpr Rgb kStepOrange{255, 100, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

bool StartsWith(const std::string& s, std::string_view prefix) {
    return s.rfind(prefix, 0) == 0;
}

TEST_F(DesignSheetTest, FourPointLoadsWorkedExampleThroughCalculateAndTheUpArrow) {
    open(LoadCaseButton::FourPoints);
    fill({{2, "6"}, {3, "3"}, {4, "0"}, {5, "0"}, {8, "0"}, {9, "0"}, {10, "0"}, {11, "10"}});
    button("Command1")->click();
    processEvents();
    EXPECT_EQ(text(17), "36.000");
    EXPECT_EQ(text(12), "10.000");
    EXPECT_EQ(text(2), "6.000");
    EXPECT_EQ(text(6), "0.000");
    EXPECT_FALSE(button("Command1")->isVisible());
    EXPECT_FALSE(access().control("Text23")->isVisible());
    EXPECT_EQ(focused(), button("Command6"));
    EXPECT_TRUE(StartsWith(text(18), "H-248x124x5x8")); // required Zx 229.4 cm³

    // Enter on the focused up-step button: three rows up to H-300x150x6.5x9.
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(button("Command6"), Qt::Key_Return);
        processEvents();
    }
    EXPECT_TRUE(StartsWith(text(18), "H-300x150x6.5x9"));
    EXPECT_EQ(text(24), "133");
    EXPECT_EQ(text(27), "133");
    EXPECT_EQ(text(28), "0.561");
    EXPECT_EQ(access().text("Label63"), "ＯＫ");
    EXPECT_EQ(access().foreColour("Label63"), kBlue);
    EXPECT_EQ(access().backColour("Command6"), kStepGreen);

    // An option click runs the whole check on the stored values: the automatic
    // choice replaces the stepped row, and the fields are not read again.
    field(11)->setText("99");
    click("Option2");
    EXPECT_EQ(text(29), "1.0"); // the ratio takes the short-term fb: its limit stays 1.0
    EXPECT_EQ(text(17), "36.000");
    EXPECT_TRUE(StartsWith(text(18), "H-248x124x5x8"));
    EXPECT_EQ(text(11), "99");
}

TEST_F(DesignSheetTest, CantileverWorkedExampleWithTheWeldSection) {
    open(LoadCaseButton::Cantilever);
    fill({{2, "2"}, {3, "1"}, {4, "5"}, {5, "1"}, {11, "3"}});
    click("Command1");
    EXPECT_EQ(text(7), "5.000");
    EXPECT_EQ(text(12), "3.000");
    EXPECT_EQ(text(17), "16.000");
    EXPECT_TRUE(StartsWith(text(18), "H-175x90x5x8")); // chosen by Ze 114 ≥ 113.392
    EXPECT_EQ(text(44), "114.0");
    EXPECT_EQ(text(42), "114.0");
    EXPECT_EQ(text(43), "16.000");
    EXPECT_EQ(text(41), "141");
    EXPECT_EQ(text(16), "0.995");
    EXPECT_EQ(access().text("Label82"), "ＯＫ");
    EXPECT_EQ(text(32), "0.740");
    EXPECT_EQ(text(33), "270");
    EXPECT_EQ(access().text("Label80"), "ＮＧ");
    EXPECT_EQ(access().foreColour("Label80"), kRed);
    EXPECT_EQ(access().backColour("Command6"), kStepGreen); // the deflection does not colour it

    click("Option2");
    EXPECT_EQ(text(29), "1.0");
    EXPECT_EQ(text(15), "1.5");
    EXPECT_EQ(text(41), "141");
}

TEST_F(DesignSheetTest, CalculateFromTheFocusedButtonEntersNoFieldOnTheWayToTheUpArrow) {
    // Hiding the focused calculate button hands the focus on by the tab order;
    // on the cantilever sheet the button is the last tab stop, so that would be Text1.
    for (auto caseButton :
         {LoadCaseButton::OnePoint, LoadCaseButton::UniformOnly, LoadCaseButton::Cantilever}) {
        open(caseButton);
        fill({{2, "6"}, {3, "1"}, {4, "5"}, {5, "1"}});
        field(1)->setFocus();
        processEvents();
        key(1, Qt::Key_Tab); // Text1 passed: white
        button("Command1")->setVisible(true);
        button("Command1")->setFocus();
        processEvents();
        clearMessages();
        const auto text1Before = back(1);
        QTest::keyClick(button("Command1"), Qt::Key_Return);
        processEvents();
        activate();
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(back(1), text1Before);
        EXPECT_EQ(focused(), button("Command6"));
        EXPECT_FALSE(text(17).empty() && text(11).empty()); // the moment (Text11 on kei3_b2)
        sheet.reset();
    }
}

TEST_F(DesignSheetTest, UpArrowColourFollowsTheBendingVerdictPerSheet) {
    const std::tuple<LoadCaseButton, Rgb> cases[] = {
        {LoadCaseButton::OnePoint, kStepGreen},
        {LoadCaseButton::UniformOnly, kStepOrange},
        {LoadCaseButton::Cantilever, kStepGreen},
    };
    for (auto [caseButton, pass] : cases) {
        open(caseButton);
        fill({{2, "6"}, {3, "1"}, {4, "5"}, {5, "1"}});
        click("Command1");
        EXPECT_EQ(access().backColour("Command6"), pass);
        fill({{4, "500"}}); // no narrow section carries this
        click("Command1");
        EXPECT_EQ(access().backColour("Command6"), kRed);
        EXPECT_EQ(access().text("Label63"), "ＮＧ");
        EXPECT_EQ(access().text("Label62"), "＞");
        sheet.reset();
    }
}

TEST_F(DesignSheetTest, UniformSheetCalculatesBothRowsIntoText10AndTheMomentIntoText11) {
    open(LoadCaseButton::UniformOnly);
    fill({{2, "6"}, {3, "2"}, {4, "3"}, {5, "2"}, {6, "0.5"}, {7, "1"}, {8, "1.5"}, {9, "0.2"}});
    click("Command1");
    EXPECT_EQ(text(10), "8.200");
    EXPECT_EQ(text(11), "36.900"); // 8.2 × 36 / 8
    EXPECT_EQ(sheet->calculated()->w(), 8.2);
}

TEST_F(DesignSheetTest, RefusedCalculateTellsWhyHandsTheFieldBackAndComputesNothing) {
    const char* missingSpan = "スパンからデータを入力して下さい。";
    const char* negativeLb = "座屈長さには0以上の値を入力して下さい。";
    struct Case {
        LoadCaseButton sheetCase;
        const char* span;
        const char* buckling;
        const char* text;
        int field; // handed back green, its whole text selected and kept
    };
    const Case cases[] = {
        {LoadCaseButton::OnePoint, "", "2", missingSpan, 2},
        {LoadCaseButton::OnePoint, "0", "2", missingSpan, 2},
        {LoadCaseButton::OnePoint, "abc", "2", missingSpan, 2},
        {LoadCaseButton::OnePoint, "-6", "-2", missingSpan, 2},
        {LoadCaseButton::OnePoint, "6", "-2", negativeLb, 3},
        {LoadCaseButton::UniformOnly, "6", "-2", negativeLb, 3},
        {LoadCaseButton::Cantilever, "6", "-2", negativeLb, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.span) + " / " + c.buckling);
        open(c.sheetCase);
        fill({{2, c.span}, {3, c.buckling}, {4, "2.12345"}, {6, "1.5"}});
        button("Command1")->setVisible(true);
        clearMessages();
        click("Command1");
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].text, QString::fromUtf8(c.text));
        const bool span = c.field == 2;
        EXPECT_EQ(messages()[0].title, QString::fromUtf8(span ? "未入力のデータがあります。"
                                                              : "入力データを確認して下さい。"));
        EXPECT_EQ(messages()[0].icon, span ? QMessageBox::Question : QMessageBox::Warning);
        EXPECT_EQ(focused(), field(c.field));
        EXPECT_EQ(back(c.field), kGreenFocus);
        EXPECT_EQ(text(3), c.buckling); // no new proposal over a refused value
        EXPECT_EQ(field(c.field)->selectedText(), field(c.field)->text());
        EXPECT_EQ(text(4), "2.12345"); // nothing read or rewritten
        EXPECT_EQ(text(6), "1.5");
        EXPECT_EQ(sheet->calculated(), nullptr);
        sheet.reset();
    }
    open(LoadCaseButton::OnePoint); // a buckling length of 0 is computed
    fill({{2, "6"}, {3, "0"}, {4, "1"}, {5, "1"}});
    click("Command1");
    ASSERT_NE(sheet->calculated(), nullptr);
    EXPECT_NE(sheet->calculated()->check.currentSection, 0);
}

TEST_F(DesignSheetTest, ComingBackToTheSheetKeepsTheTypedAddedLoads) {
    open(LoadCaseButton::UniformOnly);
    fill({{2, "6"}, {6, "2.5"}, {7, "1"}, {8, "1"}, {9, "0.7"}});
    field(6)->setFocus();
    processEvents();
    const auto shown = messages().size();

    // Another window takes the activation and gives it back (a report screen, a dialog).
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    processEvents();
    activate();
    click("Option4"); // opens no set-up either

    EXPECT_EQ(text(6), "2.5");
    EXPECT_EQ(text(9), "0.7");
    EXPECT_EQ(messages().size(), shown);
    button("Command1")->click();
    processEvents();
    EXPECT_EQ(text(10), "4.200"); // 0 × 0 + 2.5 + 1 × 1 + 0.7
}

TEST_F(DesignSheetTest, ResultsWithoutAFiniteValueShowTheCoresDisplayAndTheSheetGoesOn) {
    open(LoadCaseButton::OnePoint);
    fill({{2, "1e300"}, {3, "0"}, {4, "1e300"}, {5, "1e300"}});
    click("Command1");
    for (int n : {7, 17, 24, 25, 28, 32, 33}) {
        const QString t = QString::fromStdString(text(n)).toLower();
        EXPECT_FALSE(t.contains("inf") || t.contains("nan"))
            << "Text" << n << ": " << t.toStdString();
    }
    click("Command7");
    click("Command6");
    fill({{2, "6"}, {3, "2"}, {4, "1"}, {5, "1"}});
    click("Command1");
    EXPECT_EQ(text(17), "4.500");
}

/// Records the typeface of every page printed.
class PagePrinters final : public reports::PrinterSystem {
public:
    std::vector<reports::Typeface> faces;
    std::vector<reports::PrinterDescription> printers() override { return {}; }
    QString defaultPrinterName() override { return {}; }
    bool setDefaultPrinter(const reports::PrinterDescription&) override { return false; }
    bool printPage(const reports::ReportLines&, reports::Typeface face, const QString&) override {
        faces.push_back(face);
        return true;
    }
};

TEST_F(DesignSheetTest, PrintButtonsPrintInTheirTypefaceAndTheExitPathsSignal) {
    PagePrinters pages;
    services.printers = &pages;
    open(LoadCaseButton::OnePoint);
    fill({{2, "6"}, {3, "2"}, {4, "1"}, {5, "1"}});
    click("Command1");             // a page describes a calculation
    onDialog([](QWidget* dialog) { // the printer dialog: its print button
        if (!dialog->objectName().startsWith(QStringLiteral("s_prt")))
            return false;
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                           &QPushButton::click);
        return true;
    });
    click("Command3");
    EXPECT_EQ(access().text("Text40"), "G"); // the sheet's typeface flag
    click("Command4");
    EXPECT_EQ(access().text("Text40"), "M");
    EXPECT_EQ(pages.faces, (std::vector{reports::Typeface::Gothic, reports::Typeface::Mincho}));

    QSignalSpy exits(sheet.get(), &sheets::DesignSheet::exitRequested);
    QSignalSpy closes(sheet.get(), &sheets::DesignSheet::closedByUser);
    click("Command5");
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(closes.count(), 0);
    EXPECT_FALSE(sheet->isVisible());

    open(LoadCaseButton::OnePoint);
    QSignalSpy closes2(sheet.get(), &sheets::DesignSheet::closedByUser);
    QSignalSpy exits2(sheet.get(), &sheets::DesignSheet::exitRequested);
    field(11)->setFocus();
    processEvents();
    clearMessages();
    sheet->close(); // the close box: no calculate prompt on the way out
    processEvents();
    EXPECT_EQ(closes2.count(), 1);
    EXPECT_EQ(exits2.count(), 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(DesignSheetTest, WidgetAccessReachesTheRealControlsAndPassesOverMissingOnes) {
    open(LoadCaseButton::OnePoint);
    auto& a = access();
    EXPECT_EQ(a.text("Label1"), "単純梁の計画");
    EXPECT_EQ(a.text("Text29"), "1.0");
    EXPECT_EQ(a.text("NoSuchControl"), "");
    a.setText("NoSuchControl", "x");
    a.setBackColour("NoSuchControl", kRed);
    EXPECT_FALSE(a.isSelected("NoSuchControl"));
    EXPECT_TRUE(a.isSelected("Option1"));
    EXPECT_TRUE(a.isSelected("Option3"));
    EXPECT_FALSE(a.isSelected("Option2"));

    a.setCaption("Label63", "ＮＧ");
    a.setForeColour("Label63", kRed);
    auto* label = a.control("Label63");
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    a.setBackColour("Command6", kRed);
    // A button draws its colour itself, so it shows under any style.
    auto* command6 = qobject_cast<QWidget*>(button("Command6"));
    EXPECT_EQ(command6->grab().toImage().pixelColor(3, command6->height() / 2), QColor(255, 0, 0));
    a.setBackColour("Text24", kGreenFocus);
    EXPECT_EQ(field(24)->palette().color(QPalette::Base), QColor(80, 255, 80));
    EXPECT_EQ(a.control("kei3_b1"), sheet.get());
}

} // namespace
} // namespace varnok::testing
