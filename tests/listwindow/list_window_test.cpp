// The list window with a real design sheet: a row opened in its sheet, a load
// changed and calculated there, the sheet closed and the change accepted: the
// row holds the sheet's inputs and the verdict the engine gives them. A sheet
// opened to add a beam gives a new row.
#include "list_table.h"
#include "list_window.h"

#include "recording_editor.h"
#include "temporary_home.h"
#include "ui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>

namespace varnok::listwindow {
namespace {

constexpr std::string_view kList =
    "\xEF\xBB\xBF部材名,荷重形式,スパン(m),座屈長さ(m),w単位荷重(kN/m2),w負担幅(m),w追加荷重(kN/m),"
    "P単位荷重(kN/m2),P負担幅(m),P負担長さ(m),P追加荷重(kN),系列,長期短期,指定断面,備考\r\n"
    "2B1,１点集中荷重,6,,3.5,1.5,0.3,3.5,3,2,,細幅,長期,H-300x150x6.5x9,断面を指定\r\n"
    "2B2,２点集中荷重,7.2,,4,1.2,,4,2.4,2.4,,細幅,長期,,\r\n";

class ListWindowTest : public testing::UiTest {
protected:
    testing::TemporaryHome home;
    ProgramState state;
    testing::RecordingEditor editor;

    QString writeList() {
        const QString path = QDir(home.desktop()).filePath(QStringLiteral("梁リスト.csv"));
        QDir().mkpath(home.desktop());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kList.data(), qsizetype(kList.size()));
        return path;
    }
    static void click(sheets::DesignSheet& sheet, std::string_view name) {
        qobject_cast<QAbstractButton*>(sheet.access().control(name))->click();
        processEvents();
    }
    /// Answers "一覧に反映しますか？" with yes.
    void acceptReflection() {
        onMessage([](const testing::RecordedMessage& m) {
            if (m.text != QStringLiteral("一覧に反映しますか？"))
                return;
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box->button(QMessageBox::Yes)->click();
        });
    }
};

TEST_F(ListWindowTest, ARowComesBackFromItsSheetWithTheNewLoadAndItsVerdict) {
    QPointer<ListWindow> window = ListWindow::Open(writeList(), {&state, {&editor, nullptr}});
    ASSERT_TRUE(window);
    window->show();
    processEvents();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("梁リスト.csv[*] - 梁リスト"));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->table()->currentIndex(), window->model()->index(0, 0));
    const ListDocument& doc = window->model()->document();
    const int wLoad = doc.positionOf(batch::Column::WAreaLoad);
    const int section = doc.positionOf(batch::Column::Section);

    window->openInSheet();
    ASSERT_TRUE(window->sheet());
    sheets::DesignSheet& sheet = *window->sheet();
    // The row typed in and calculated, the chosen section reached.
    EXPECT_EQ(sheet.access().text("Text1"), "2B1");
    EXPECT_EQ(sheet.calculated()->result.section->designation.substr(0, 15), "H-300x150x6.5x9");
    EXPECT_FALSE(window->isEnabled()); // the list waits for its beam

    sheet.access().setText("Text4", "35");
    click(sheet, "Command1");
    const std::string sheetSection(sheet.calculated()->result.section->designation);
    const bool sheetPasses = sheet.calculated()->result.passes();
    acceptReflection();
    sheet.close();
    processEvents(6);

    ASSERT_TRUE(window->isEnabled());
    EXPECT_EQ(doc.cell(0, wLoad), "35.000");
    EXPECT_EQ(doc.cell(0, section), ""); // the sheet's own choice, not the one the row named
    EXPECT_EQ(doc.cell(0, 2), "6");      // a value left alone keeps the row's spelling
    ASSERT_TRUE(doc.row(0).verdict.result());
    EXPECT_EQ(sheetSection.rfind(doc.row(0).verdict.result()->text(batch::ResultCell::Section), 0),
              0u);
    EXPECT_EQ(doc.row(0).verdict.result()->passes(), sheetPasses);
    EXPECT_TRUE(window->isWindowModified());

    // A sheet opened to add a beam: its last calculation becomes the last row.
    window->addFromSheet(LoadCaseButton::UniformOnly);
    ASSERT_TRUE(window->sheet());
    sheets::DesignSheet& added = *window->sheet();
    added.access().setText("Text1", "2B9");
    added.access().setText("Text2", "5");
    added.access().setText("Text3", "5");
    added.access().setText("Text4", "3");
    added.access().setText("Text5", "2");
    click(added, "Command1");
    added.close();
    processEvents(6);
    ASSERT_EQ(doc.rowCount(), 3);
    EXPECT_EQ(doc.cell(2, 0), "2B9");
    EXPECT_EQ(doc.cell(2, 1), "等分布荷重");
    EXPECT_TRUE(doc.row(2).verdict.result());

    // Undone step by step, the list is the file read again.
    while (window->model()->undoStack().canUndo())
        window->model()->undoStack().undo();
    EXPECT_EQ(*doc.bytes(), std::string(kList));
    EXPECT_FALSE(window->isWindowModified());
    window->close();
}

TEST_F(ListWindowTest, KeysAsInASpreadsheetAndASaveThatAsksBeforeOverwritingAnotherProgramsChange) {
    const QString path = writeList();
    QPointer<ListWindow> window = ListWindow::Open(path, {&state, {&editor, nullptr}});
    ASSERT_TRUE(window);
    window->show();
    QApplication::setActiveWindow(window);
    processEvents();
    ListTable& table = *window->table();
    const ListDocument& doc = window->model()->document();
    const int span = doc.positionOf(batch::Column::Span);

    // Typing replaces the current cell, Enter takes it and moves down.
    table.goTo(0, span);
    QTest::keyClicks(&table, QStringLiteral("7"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(".5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    processEvents();
    EXPECT_EQ(doc.cell(0, span), "7.5");
    EXPECT_EQ(table.currentIndex(), window->model()->index(1, span));
    EXPECT_TRUE(window->isWindowModified());
    // Tab moves right without editing; Delete clears; Ctrl+Z puts it back.
    QTest::keyClick(&table, Qt::Key_Tab);
    EXPECT_EQ(table.currentIndex(), window->model()->index(1, span + 1));
    table.goTo(1, span);
    QTest::keyClick(&table, Qt::Key_Delete);
    EXPECT_EQ(doc.cell(1, span), "");
    EXPECT_FALSE(doc.row(1).verdict.result()); // the row waits for its span
    QTest::keyClick(&table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc.cell(1, span), "7.2");

    // Saved: the file holds the edit, the title its name alone.
    ASSERT_TRUE(window->save());
    EXPECT_FALSE(window->isWindowModified());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    EXPECT_TRUE(saved.contains("2B1,１点集中荷重,7.5,,"));

    // Another program changes the file: the next save asks and "いいえ" keeps its change.
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("2B9,U,6,,3,1,,,,,,細幅,長期,,\r\n");
    file.close();
    window->model()->setData(window->model()->index(1, span), QStringLiteral("8"), Qt::EditRole);
    QString asked;
    onMessage([&asked](const testing::RecordedMessage& m) {
        asked = m.text;
        qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
            ->button(QMessageBox::No)
            ->click();
    });
    EXPECT_FALSE(window->save());
    EXPECT_TRUE(asked.contains(QStringLiteral("ほかのプログラムにより変更されています")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("2B9,U,6,,3,1,,,,,,細幅,長期,,\r\n"));
    file.close();

    // Closing with the change unsaved asks; "キャンセル" keeps the window.
    onMessage([&asked](const testing::RecordedMessage& m) {
        asked = m.text;
        qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
            ->button(QMessageBox::Cancel)
            ->click();
    });
    window->close();
    processEvents();
    ASSERT_TRUE(window);
    EXPECT_EQ(asked, QStringLiteral("「梁リスト.csv」の変更を保存しますか？"));
    window->model()->undoStack().setClean();
    window->close();
}

} // namespace
} // namespace varnok::listwindow
