// The start-up window: its controls, what each button records and asks for,
// and the keys.

#include "launcher_window.h"
#include "text_fit.h"
#include "ui_test.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace varnok::launcher {
namespace {

class LauncherTest : public testing::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        window_ = std::make_unique<LauncherWindow>(state_);
    }
    void TearDown() override {
        window_.reset();
        UiTest::TearDown();
    }

    void showActive() {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        processEvents();
    }

    template <typename T = QWidget> T* control(const char* name) {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }

    ProgramState state_;
    std::unique_ptr<LauncherWindow> window_;
};

TEST_F(LauncherTest, ControlsCarryTheirNamesAndTexts) {
    EXPECT_EQ(window_->objectName(), "b_sel");
    EXPECT_EQ(window_->windowTitle(), QString::fromUtf8(" Ｓ造小梁の断面計算"));

    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Ｈ形鋼Ｓ造小梁の計画"}, {"Label10", "VARNOK_3"},    {"Label11", "Ver.2.01XP"},
        {"Label6", "１点集中荷重"},         {"Label7", "２点集中荷重"}, {"Label8", "３点集中荷重"},
        {"Label3", "４点集中荷重"},         {"Label9", "等分布荷重"},   {"Label2", "片持梁の計算"},
    };
    for (const auto& [name, text] : labels) {
        const auto* label = control<QLabel>(name);
        EXPECT_EQ(label ? label->text() : QString(), QString::fromUtf8(text)) << name;
    }

    // The instruction box: two lines in a sunken frame, never in the way of the keys.
    auto* text1 = control<QLabel>("Text1");
    ASSERT_NE(text1, nullptr);
    EXPECT_EQ(
        text1->text(),
        QString::fromUtf8("単純梁・片持梁の種類を選択します\n（荷重状態の図をクリックします）"));
    EXPECT_EQ(text1->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(text1->focusPolicy(), Qt::NoFocus);

    EXPECT_EQ(button("Command7")->text(), QString::fromUtf8("終了(Esc)"));
    EXPECT_EQ(button("Command11")->text(), QString::fromUtf8("Ｄ値計算"));
    EXPECT_EQ(control<QLabel>("Image1")->pixmap().size(), QSize(32, 32));
}

TEST_F(LauncherTest, ProductNameKeepsClearOfTheVersionAndNoTextIsCut) {
    showActive();
    EXPECT_EQ(testing::ClippedTextControls(*window_), QStringList());
    auto* name = control<QLabel>("Label10");
    auto* version = control<QLabel>("Label11");
    // Down the column of the version label: the last row with ink of the name
    // (its "_" hangs lowest) and the first of the version need a clear gap, or
    // the underscore reads as part of "Ver.2.01XP".
    const QImage shot = window_->grab().toImage();
    const QColor ground(0, 0, 192);
    auto inked = [&](int y) {
        for (int x = version->geometry().left(); x <= version->geometry().right(); ++x)
            if (shot.pixelColor(x, y) != ground)
                return true;
        return false;
    };
    int nameBottom = name->geometry().bottom();
    while (nameBottom > name->geometry().top() && !inked(nameBottom))
        --nameBottom;
    int versionTop = version->geometry().top();
    while (versionTop < version->geometry().bottom() && !inked(versionTop))
        ++versionTop;
    EXPECT_GE(versionTop - nameBottom - 1, 4) << nameBottom << " " << versionTop;
}

TEST_F(LauncherTest, PictureButtonsShowWholeDiagramsInTwoRowsOfThree) {
    showActive();
    QPushButton* b[7] = {};
    for (int i = 1; i <= 6; ++i) {
        b[i] = button(QStringLiteral("Command%1").arg(i).toLatin1().constData());
        ASSERT_NE(b[i], nullptr);
        EXPECT_FALSE(b[i]->icon().isNull());
        EXPECT_EQ(b[i]->iconSize(), QSize(110, 75));
        EXPECT_GE(b[i]->width(), 110 + 4);
        EXPECT_GE(b[i]->height(), 75 + 4);
        EXPECT_EQ(b[i]->size(), b[1]->size());
    }
    for (int first : {1, 4}) {
        EXPECT_EQ(b[first]->y(), b[first + 1]->y());
        EXPECT_EQ(b[first]->y(), b[first + 2]->y());
        EXPECT_LT(b[first]->x(), b[first + 1]->x());
        EXPECT_LT(b[first + 1]->x(), b[first + 2]->x());
    }
    EXPECT_LT(b[1]->y(), b[4]->y());
    EXPECT_EQ(b[1]->x(), b[4]->x());

    // Exit at the top right, D-value at the bottom right.
    QPushButton* exit = button("Command7");
    QPushButton* dValue = button("Command11");
    EXPECT_GT(exit->x(), b[3]->geometry().right());
    EXPECT_EQ(exit->x(), dValue->x());
    EXPECT_LT(exit->y(), dValue->y());
}

TEST_F(LauncherTest, ColoursShowOnScreen) {
    showActive();
    const QImage shot = window_->grab().toImage();
    if (qEnvironmentVariableIsSet("VARNOK_SCREENSHOT"))
        shot.save(qEnvironmentVariable("VARNOK_SCREENSHOT"));
    auto colourAtCentreOf = [&](QWidget* w) {
        const QPoint p = w->mapTo(window_.get(), QPoint(6, w->height() / 2));
        return shot.pixelColor(p);
    };
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0, 0, 192));
    EXPECT_EQ(colourAtCentreOf(button("Command7")), QColor(255, 128, 0));
    EXPECT_EQ(colourAtCentreOf(button("Command11")), QColor(255, 0, 255));
    EXPECT_EQ(colourAtCentreOf(control("Label6")), QColor(0, 0, 0)); // orange on black
    EXPECT_EQ(colourAtCentreOf(control("Text1")), QColor(192, 255, 255));
}

// The buttons draw their own frames: raised (lit from the top left), sunk while
// pressed, a plain frame of the window's focus colour while focused.
TEST_F(LauncherTest, ButtonsShowRaisedSunkAndFocusedFrames) {
    showActive();
    struct Expected {
        const char* name;
        QColor lit;    // top and left edges while raised
        QColor shaded; // bottom and right edges while raised
        QColor focus;
    };
    const Expected buttons[] = {
        {"Command7", QColor(255, 128, 0).lighter(150), QColor(255, 128, 0), Qt::white},
        {"Command1", QColor(200, 200, 200).lighter(150), QColor(200, 200, 200), Qt::yellow},
    };
    for (const Expected& e : buttons) {
        SCOPED_TRACE(e.name);
        QPushButton* b = button(e.name);
        const int midY = b->height() / 2;
        const int right = b->width() - 1;
        b->clearFocus();
        QImage shot = b->grab().toImage();
        EXPECT_EQ(shot.pixel(1, midY), e.lit.rgb());
        EXPECT_EQ(shot.pixel(right - 1, midY), e.shaded.rgb());
        b->setDown(true);
        shot = b->grab().toImage();
        EXPECT_EQ(shot.pixel(1, midY), e.shaded.rgb());
        EXPECT_EQ(shot.pixel(right - 1, midY), e.lit.rgb());
        b->setDown(false);
        b->setFocus();
        shot = b->grab().toImage();
        EXPECT_EQ(shot.pixel(1, midY), e.focus.rgb());
        EXPECT_EQ(shot.pixel(right - 1, midY), e.focus.rgb());
    }
}

struct ExpectedCase {
    const char* button;
    SheetKind sheet;
    Fraction moment;
    Fraction deflection;
    const char* diagram;
    int caseNumber;
};

TEST_F(LauncherTest, EachPictureButtonRecordsItsCaseAndAsksForItsSheet) {
    const ExpectedCase cases[] = {
        {"Command1", SheetKind::kei3_b1, {1, 4}, {1, 48}, "s_b1.gif", 2},
        {"Command2", SheetKind::kei3_b1, {1, 3}, {23, 648}, "s_b2.gif", 3},
        {"Command3", SheetKind::kei3_b1, {1, 2}, {19, 384}, "s_b3.gif", 4},
        {"Command4", SheetKind::kei3_b1, {3, 5}, {63, 1000}, "s_b4.gif", 5},
        {"Command5", SheetKind::kei3_b2, {0, 0}, {0, 0}, "s_b5.gif", 1},
        {"Command6", SheetKind::kei3_cg, {0, 0}, {0, 0}, "s_cb.gif", 6},
    };
    for (const ExpectedCase& c : cases) {
        SCOPED_TRACE(c.button);
        ProgramState state;
        LauncherWindow window(state);
        QSignalSpy sheets(&window, &LauncherWindow::sheetRequested);
        QSignalSpy exits(&window, &LauncherWindow::exitRequested);
        QTest::mouseClick(window.findChild<QPushButton*>(c.button), Qt::LeftButton);

        ASSERT_EQ(sheets.size(), 1);
        EXPECT_EQ(sheets[0][0].value<SheetKind>(), c.sheet);
        EXPECT_EQ(exits.size(), 0);
        const LoadCase& lc = state.loadCase;
        EXPECT_EQ(lc.momentCoefficient.numerator, c.moment.numerator);
        EXPECT_EQ(lc.momentCoefficient.denominator, c.moment.denominator);
        EXPECT_EQ(lc.deflectionCoefficient.numerator, c.deflection.numerator);
        EXPECT_EQ(lc.deflectionCoefficient.denominator, c.deflection.denominator);
        EXPECT_EQ(lc.diagramFile, c.diagram);
        EXPECT_EQ(lc.caseNumber, c.caseNumber);
    }
}

TEST_F(LauncherTest, ALaterChoiceOverwritesTheCase) {
    button("Command2")->click();
    // The uniform load sets only its diagram and case number.
    button("Command5")->click();
    EXPECT_EQ(state_.loadCase.diagramFile, "s_b5.gif");
    EXPECT_EQ(state_.loadCase.caseNumber, 1);
    EXPECT_EQ(state_.loadCase.momentText.denominator, "３");
    button("Command4")->click();
    EXPECT_EQ(state_.loadCase.diagramFile, "s_b4.gif");
    EXPECT_EQ(state_.loadCase.caseNumber, 5);
    EXPECT_EQ(state_.loadCase.momentText.numerator, "３");
    EXPECT_EQ(state_.loadCase.deflectionText.denominator, "１０００");
    EXPECT_EQ(state_.loadCase.deflectionCoefficient.numerator, 63);
}

TEST_F(LauncherTest, EscAndExitButtonAskToEnd) {
    showActive();
    QSignalSpy exits(window_.get(), &LauncherWindow::exitRequested);
    QSignalSpy dValues(window_.get(), &LauncherWindow::dValueRequested);
    button("Command3")->setFocus(); // Esc ends whatever has the focus
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(exits.size(), 1);
    button("Command7")->click();
    EXPECT_EQ(exits.size(), 2);
    EXPECT_EQ(dValues.size(), 0);
    EXPECT_EQ(state_.loadCase.caseNumber, 0);
}

TEST_F(LauncherTest, EnterAsksForTheDValueUnlessAnotherButtonHasTheFocus) {
    showActive();
    QSignalSpy dValues(window_.get(), &LauncherWindow::dValueRequested);
    QSignalSpy sheets(window_.get(), &LauncherWindow::sheetRequested);

    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // at start
    EXPECT_EQ(dValues.size(), 1);

    QApplication::focusWidget()->clearFocus(); // nothing focused: the window gets the key
    QTest::keyClick(window_.get(), Qt::Key_Enter);
    EXPECT_EQ(dValues.size(), 2);

    button("Command6")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dValues.size(), 2);
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_EQ(sheets[0][0].value<SheetKind>(), SheetKind::kei3_cg);

    // The calculator returns to the same launcher, any number of times.
    button("Command11")->click();
    button("Command11")->click();
    EXPECT_EQ(dValues.size(), 4);
}

TEST_F(LauncherTest, CloseBoxEndsButClosingAfterAChoiceDoesNot) {
    showActive();
    QSignalSpy exits(window_.get(), &LauncherWindow::exitRequested);
    window_->close();
    EXPECT_EQ(exits.size(), 1);

    ProgramState state;
    LauncherWindow chosen(state);
    QSignalSpy chosenExits(&chosen, &LauncherWindow::exitRequested);
    chosen.show();
    chosen.findChild<QPushButton*>("Command1")->click();
    chosen.close(); // the window flow closing it on the way to the sheet
    EXPECT_EQ(chosenExits.size(), 0);
}

} // namespace
} // namespace varnok::launcher
