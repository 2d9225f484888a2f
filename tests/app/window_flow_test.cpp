// The flow between the windows: exactly one of the launcher and the sheets is
// shown, the calculator opens over the launcher, and the program ends from the
// launcher's exit or a sheet's close box.
#include "design_sheet.h"
#include "editor_launcher.h"
#include "launcher_window.h"
#include "printer_system.h"
#include "program.h"
#include "ui_test.h"
#include "window_flow.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <fstream>
#include <string>

namespace varnok::app {
namespace {

class NoEditor : public reports::EditorLauncher {
public:
    bool start(const QString&) override { return true; }
};

class NoPrinters : public reports::PrinterSystem {
public:
    std::vector<reports::PrinterDescription> printers() override { return {}; }
    QString defaultPrinterName() override { return {}; }
    bool setDefaultPrinter(const reports::PrinterDescription&) override { return false; }
};

class WindowFlowTest : public testing::UiTest {
protected:
    QList<QWidget*> shownWindows() const {
        QList<QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && qobject_cast<QDialog*>(w) == nullptr)
                shown << w;
        }
        return shown;
    }

    template <typename T> T* button(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    ProgramState state;
    NoEditor editor;
    NoPrinters printers;
    WindowFlow flow{state, {&editor, &printers}};
};

TEST_F(WindowFlowTest, LauncherAndSheetsTakeTurns) {
    flow.start();
    processEvents();
    ASSERT_NE(flow.launcher(), nullptr);
    EXPECT_EQ(shownWindows(), QList<QWidget*>{flow.launcher()});

    QTest::mouseClick(button<QPushButton>(flow.launcher(), "Command2"), Qt::LeftButton);
    for (int i = 0; i < 20 && flow.sheet() == nullptr; ++i)
        processEvents();
    ASSERT_NE(flow.sheet(), nullptr);
    processEvents();
    EXPECT_EQ(flow.launcher(), nullptr);
    EXPECT_EQ(shownWindows(), QList<QWidget*>{flow.sheet()});
    EXPECT_EQ(flow.sheet()->objectName(), "kei3_b1");
    EXPECT_EQ(state.loadCase.caseNumber, 3);

    QTest::mouseClick(button<QPushButton>(flow.sheet(), "Command5"), Qt::LeftButton);
    for (int i = 0; i < 20 && flow.launcher() == nullptr; ++i)
        processEvents();
    processEvents();
    ASSERT_NE(flow.launcher(), nullptr);
    EXPECT_EQ(flow.sheet(), nullptr);
    EXPECT_EQ(shownWindows(), QList<QWidget*>{flow.launcher()});

    QTest::mouseClick(button<QPushButton>(flow.launcher(), "Command6"), Qt::LeftButton);
    for (int i = 0; i < 20 && flow.sheet() == nullptr; ++i)
        processEvents();
    ASSERT_NE(flow.sheet(), nullptr);
    EXPECT_EQ(flow.sheet()->objectName(), "kei3_cg");
    EXPECT_EQ(state.loadCase.caseNumber, 6);
}

TEST_F(WindowFlowTest, TheMemberNameTypedFirstOnEachSheetReplacesItsInitialText) {
    flow.start();
    processEvents();
    for (const char* diagram : {"Command2", "Command5", "Command6"}) {
        SCOPED_TRACE(diagram);
        QTest::mouseClick(button<QPushButton>(flow.launcher(), diagram), Qt::LeftButton);
        for (int i = 0; i < 20 && flow.sheet() == nullptr; ++i)
            processEvents();
        ASSERT_NE(flow.sheet(), nullptr);
        QApplication::setActiveWindow(flow.sheet()); // as a desktop gives it back
        processEvents();
        auto* name = button<QLineEdit>(flow.sheet(), "Text1");
        EXPECT_EQ(QApplication::focusWidget(), name);
        QTest::keyClicks(name, "B1");
        EXPECT_EQ(name->text(), "B1");
        QTest::mouseClick(button<QPushButton>(flow.sheet(), "Command5"), Qt::LeftButton);
        for (int i = 0; i < 20 && flow.launcher() == nullptr; ++i)
            processEvents();
        ASSERT_NE(flow.launcher(), nullptr);
    }
}

// A sheet's instructions open with the sheet itself, before a window manager
// has placed it: the sheet is placed first so the message centres on it, and
// the message is wide enough for its title ("各欄データの入力方法").
TEST_F(WindowFlowTest, TheSheetsFirstMessageStandsCentredOnItWithItsWholeTitle) {
    flow.start();
    processEvents();
    QRect box, sheet;
    int titleWidth = 0;
    onMessage([&](const testing::RecordedMessage&) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !box.isNull())
            return;
        box = modal->geometry();
        sheet = modal->parentWidget()->window()->geometry();
        QFont bold = modal->font();
        bold.setBold(true);
        titleWidth = QFontMetrics(bold).horizontalAdvance(modal->windowTitle());
    });
    QTest::mouseClick(button<QPushButton>(flow.launcher(), "Command2"), Qt::LeftButton);
    for (int i = 0; i < 20 && flow.sheet() == nullptr; ++i)
        processEvents();
    ASSERT_FALSE(box.isNull());
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((sheet.center() - screen.center()).manhattanLength(), 4);
    EXPECT_LE((box.center() - sheet.center()).manhattanLength(), 4);
    EXPECT_GE(box.width(), titleWidth + 100);
}

TEST_F(WindowFlowTest, EscOnTheLauncherEndsTheProgram) {
    QSignalSpy finished(&flow, &WindowFlow::finished);
    flow.start();
    processEvents();
    QTest::keyClick(flow.launcher(), Qt::Key_Escape);
    processEvents();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(WindowFlowTest, ClosingASheetWithItsCloseBoxEndsTheProgram) {
    QSignalSpy finished(&flow, &WindowFlow::finished);
    flow.start();
    processEvents();
    QTest::mouseClick(button<QPushButton>(flow.launcher(), "Command5"), Qt::LeftButton);
    for (int i = 0; i < 20 && flow.sheet() == nullptr; ++i)
        processEvents();
    ASSERT_NE(flow.sheet(), nullptr);
    flow.sheet()->close();
    processEvents();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(flow.launcher(), nullptr) << "no launcher comes back";
}

TEST_F(WindowFlowTest, TheCalculatorOpensOverTheLauncherAndReturnsToIt) {
    flow.start();
    processEvents();
    int opened = 0;
    onDialog([&opened](QWidget* dialog) {
        if (dialog->objectName() != "Form1")
            return false;
        ++opened;
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command3"), Qt::LeftButton);
        return true;
    });
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(button<QPushButton>(flow.launcher(), "Command11"), Qt::LeftButton);
    processEvents();
    EXPECT_EQ(opened, 2);
    ASSERT_NE(flow.launcher(), nullptr);
    EXPECT_TRUE(flow.launcher()->isVisible());
}

TEST_F(WindowFlowTest, LauncherClosingUnderTheCalculatorTakesTheCalculatorWithIt) {
    QSignalSpy finished(&flow, &WindowFlow::finished);
    flow.start();
    processEvents();
    QPointer<QWidget> calculator;
    onDialog([&calculator, this](QWidget* dialog) {
        if (calculator.isNull()) {
            calculator = dialog;
            flow.launcher()->close(); // deletes itself, as at the end of a session
        }
        return true;
    });
    QTest::mouseClick(button<QPushButton>(flow.launcher(), "Command11"), Qt::LeftButton);
    processEvents();
    EXPECT_TRUE(calculator.isNull());
    EXPECT_EQ(flow.launcher(), nullptr);
    EXPECT_EQ(finished.count(), 1);
}

// libcups drags in gnutls, Kerberos and Avahi; loading them at start-up made the
// launcher slow to appear, so it is loaded only when the printers are asked for.
#ifndef _WIN32 // libcups and /proc are Linux's; Windows links its spooler
TEST_F(WindowFlowTest, StartingTheProgramLoadsNoPrintingLibrary) {
    Program program;
    program.start();
    processEvents();
    std::ifstream maps("/proc/self/maps");
    ASSERT_TRUE(maps.is_open());
    for (std::string line; std::getline(maps, line);)
        EXPECT_EQ(line.find("libcups"), std::string::npos) << line;
    EXPECT_NE(reports::MakeSystemPrinterSystem(), nullptr);
    // Asking for the printers loads it; without a scheduler the list is empty.
    (void)reports::MakeSystemPrinterSystem()->printers();
    maps = std::ifstream("/proc/self/maps");
    bool loaded = false;
    for (std::string line; std::getline(maps, line);)
        loaded = loaded || line.find("libcups") != std::string::npos;
    EXPECT_TRUE(loaded);
}

// Start-up reads what the launcher draws with and no more: no image plug-in
// (its pictures are compiled in), no printing library, and none of the
// proportional faces that only the sheets and dialogs use. Each of these once
// made the launcher slower to appear. A fresh process, so that nothing an
// earlier test opened counts.
TEST(StartUp, LoadsOnlyWhatTheLauncherShows) {
    QProcess probe;
    probe.start(QStringLiteral(VARNOK_STARTUP_PROBE), {QStringLiteral("--mapped-files")});
    ASSERT_TRUE(probe.waitForFinished(60000));
    ASSERT_EQ(probe.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    const QStringList files =
        QString::fromLocal8Bit(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(files.isEmpty());
    int fontFiles = 0;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_FALSE(file.contains(QStringLiteral("/imageformats/")));
        EXPECT_FALSE(file.contains(QStringLiteral("libcups")));
        if (file.endsWith(QStringLiteral(".ttf")) || file.endsWith(QStringLiteral(".otf")) ||
            file.endsWith(QStringLiteral(".ttc"))) {
            ++fontFiles;
            EXPECT_FALSE(file.contains(QStringLiteral("ipagp")) ||
                         file.contains(QStringLiteral("ipamp")));
        }
    }
    // The Gothic, the title's Mincho, and the product name's and version's faces.
    EXPECT_LE(fontFiles, 4);
}
#endif

} // namespace
} // namespace varnok::app
