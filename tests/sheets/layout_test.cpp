// The built windows: every control the results and the reports address exists,
// boxes do not overlap, and Tab visits the sheet in its order.
#include "beam_design.h"
#include "chain_rules.h"
#include "control_names.h"
#include "design_sheet.h"
#include "load_case.h"
#include "present_result.h"
#include "text_fit.h"
#include "ui_test.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <set>

namespace varnok::testing {
namespace {

// Passes every call on to the real sheet and remembers which controls were addressed.
class RecordingAccess final : public SheetAccess {
public:
    explicit RecordingAccess(SheetAccess& inner)
        : inner_(inner) {}
    std::string text(std::string_view c) const override { return note(c), inner_.text(c); }
    void setText(std::string_view c, std::string_view t) override { note(c), inner_.setText(c, t); }
    void setCaption(std::string_view c, std::string_view t) override {
        note(c), inner_.setCaption(c, t);
    }
    void setForeColour(std::string_view c, Rgb v) override { note(c), inner_.setForeColour(c, v); }
    void setBackColour(std::string_view c, Rgb v) override { note(c), inner_.setBackColour(c, v); }
    bool isSelected(std::string_view c) const override { return note(c), inner_.isSelected(c); }
    mutable std::set<std::string> names;

private:
    void note(std::string_view c) const { names.emplace(c); }
    SheetAccess& inner_;
};

struct Case {
    LoadCaseButton button;
    SheetKind kind;
};
constexpr Case kCases[] = {{LoadCaseButton::TwoPoints, SheetKind::kei3_b1},
                           {LoadCaseButton::UniformOnly, SheetKind::kei3_b2},
                           {LoadCaseButton::Cantilever, SheetKind::kei3_cg}};

/// The program state as the launcher leaves it for the sheet of `button`.
ProgramState ReadyState(LoadCaseButton button) {
    ProgramState state;
    ChooseLoadCase(state.loadCase, button);
    return state;
}

using SheetLayoutTest = UiTest;

TEST_F(SheetLayoutTest, EveryControlTheEngineAddressesExistsOnItsSheet) {
    for (const Case& c : kCases) {
        ProgramState state = ReadyState(c.button);
        sheets::DesignSheet sheet(state, c.kind, {});
        BeamInput input;
        input.arrangement = c.button;
        input.texts[2] = "6";
        input.texts[4] = "3";
        const BeamDesign design = std::get<BeamDesign>(Calculate(input));
        RecordingAccess recording(sheet.access());
        // What calculating and an arrow click write: the fields read, the totals
        // and the results, as the option buttons stand.
        for (int n = 2; n <= (c.kind == SheetKind::kei3_b2 ? 10 : 12); ++n)
            recording.setText(ui::FieldName(n), design.shown[static_cast<std::size_t>(n)]);
        const CheckOptions options = OptionsOn(recording);
        PresentResult(design.result, recording);
        PresentResult(Recheck(design, options, StepUp(design.result.sectionRow)).result, recording);
        for (const std::string& name : recording.names)
            EXPECT_NE(sheet.access().control(name), nullptr)
                << sheet.objectName().toStdString() << " " << name;
        EXPECT_NE(sheet.access().control("Text40"), nullptr);
        EXPECT_NE(sheet.access().control("Picture1"), nullptr);
    }
}

TEST_F(SheetLayoutTest, EveryControlTheWiringAsksForExistsWithItsType) {
    for (const Case& c : kCases) {
        ProgramState state = ReadyState(c.button);
        sheets::DesignSheet sheet(state, c.kind, {});
        sheet.openSheet(); // the set-up and the first field's rules
        EXPECT_EQ(sheet.access().misses().size(), 0u)
            << sheet.objectName().toStdString() << " " << *sheet.access().misses().begin();
    }
}

TEST_F(SheetLayoutTest, AMisspeltOrMistypedWiredNameIsKeptAmongTheMisses) {
#ifndef QT_NO_DEBUG
    GTEST_SKIP() << "a debug build asserts on the miss instead";
#endif
    ProgramState state = ReadyState(LoadCaseButton::OnePoint);
    sheets::DesignSheet sheet(state, SheetKind::kei3_b1, {});
    EXPECT_EQ(sheet.access().wired<QLineEdit>("Txet2"), nullptr);
    EXPECT_EQ(sheet.access().wired<QLineEdit>("Command1"), nullptr); // a button, not a field
    EXPECT_NE(sheet.access().wired<QLineEdit>("Text2"), nullptr);
    const std::set<std::string, std::less<>> expected{"Command1 (QLineEdit)", "Txet2",
                                                      "Txet2 (QLineEdit)"};
    EXPECT_EQ(sheet.access().misses(), expected);
}

TEST_F(SheetLayoutTest, BoxesStayInsideTheWindowAndDoNotOverlap) {
    for (const Case& c : kCases) {
        ProgramState state;
        sheets::DesignSheet sheet(state, c.kind, {});
        SCOPED_TRACE(sheet.objectName().toStdString());
        std::vector<QWidget*> boxes;
        std::set<QString> names;
        for (QWidget* w : sheet.findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->parentWidget() != &sheet)
                continue;
            EXPECT_TRUE(names.insert(w->objectName()).second)
                << "twice: " << w->objectName().toStdString();
            EXPECT_TRUE(sheet.rect().contains(w->geometry())) << w->objectName().toStdString();
            if (!w->objectName().startsWith("Label") && !w->objectName().startsWith("Line") &&
                w->objectName() != "Text23" && w->objectName() != "Command1" &&
                w->objectName() != "Text40")
                boxes.push_back(w);
        }
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i]->geometry().intersects(boxes[j]->geometry()))
                    << boxes[i]->objectName().toStdString() << " / "
                    << boxes[j]->objectName().toStdString();
    }
}

TEST_F(SheetLayoutTest, NoTextIsCutAndHeadingsAreLegible) {
    for (const Case& c : kCases) {
        ProgramState state;
        sheets::DesignSheet sheet(state, c.kind, {});
        SCOPED_TRACE(sheet.objectName().toStdString());
        EXPECT_EQ(ClippedTextControls(sheet), QStringList());
        for (const char* name : {"Label6", "Label21"}) {
            auto* heading = sheet.findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_NE(heading, nullptr) << name;
            EXPECT_EQ(heading->text(), QString::fromUtf8("kN/㎡"));
            // At 11 px the "k" and "N" stood about 7 px high: too small to read.
            EXPECT_GE(heading->fontMetrics().capHeight(), 9) << name;
        }
        if (c.kind == SheetKind::kei3_b2) {
            // White on the light grey ground reads only with a dark edge to it.
            auto* step = sheet.findChild<QLabel*>(QStringLiteral("Label34"));
            ASSERT_NE(step, nullptr);
            EXPECT_NE(step->graphicsEffect(), nullptr);
        }
    }
}

TEST_F(SheetLayoutTest, TabVisitsTheTypedFieldsInChainOrderAndSkipsTheResults) {
    for (const Case& c : kCases) {
        ProgramState state;
        sheets::DesignSheet sheet(state, c.kind, {});
        sheet.show();
        QApplication::setActiveWindow(&sheet);
        sheet.access().setFocus("Text1");
        processEvents();
        std::vector<std::string> visited;
        for (int i = 0; i < 12; ++i) {
            QApplication::setActiveWindow(&sheet); // back from the instructions message
            processEvents();
            QWidget* focus = sheet.focusWidget();
            ASSERT_NE(focus, nullptr);
            visited.push_back(focus->objectName().toStdString());
            QTest::keyClick(focus, Qt::Key_Tab);
            processEvents();
        }
        // Leaving the last field reveals the calculate button and puts the focus there.
        const std::vector<std::string> expected =
            c.kind == SheetKind::kei3_b2
                ? std::vector<std::string>{"Text1", "Text2",    "Text3",    "Text4",
                                           "Text5", "Text6",    "Text7",    "Text8",
                                           "Text9", "Command1", "Command6", "Command7"}
            : c.kind == SheetKind::kei3_b1
                ? std::vector<std::string>{"Text1",  "Text2",  "Text3",    "Text4",
                                           "Text5",  "Text6",  "Text8",    "Text9",
                                           "Text10", "Text11", "Command1", "Command6"}
                : std::vector<std::string>{"Text1",  "Text2",  "Text3",    "Text4",
                                           "Text5",  "Text6",  "Text8",    "Text9",
                                           "Text10", "Text11", "Command1", "Text1"};
        EXPECT_EQ(visited, expected) << sheet.objectName().toStdString();
        sheet.close();
    }
}

} // namespace
} // namespace varnok::testing
