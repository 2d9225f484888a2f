// The window a dropped list gets: it runs the list, fills its bar, and shows
// the counts, the bad rows and the output folder, then waits to be closed.
#include "summary_window.h"
#include "ui_test.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace varnok::batch {
namespace {

using SummaryWindowTest = testing::UiTest;

TEST_F(SummaryWindowTest, RunsTheListAndShowsWhatCameOfIt) {
    QTemporaryDir dir;
    const QString list = dir.filePath("list.csv");
    QFile f(list);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("name,case,L,w_load,w_width\nA1,1P,4,1,1\nA2,1P,x,1,1\nA3,U,3,1,1\nA4,U,6,10,1\n");
    f.close();

    JobOptions options;
    options.list = list;
    SummaryWindow window(options);
    QStringList opened;
    window.setOpener([&](const QString& path) {
        opened << path;
        return true;
    });
    window.show();
    auto* close = window.findChild<QPushButton*>("close");
    auto* openBook = window.findChild<QPushButton*>("openBook");
    auto* openFolder = window.findChild<QPushButton*>("openFolder");
    EXPECT_FALSE(close->isEnabled()); // not before the run has ended
    EXPECT_FALSE(openBook->isEnabled());

    EXPECT_EQ(window.run().exitStatus(), 2);
    auto* bar = window.findChild<QProgressBar*>("progress");
    EXPECT_EQ(bar->value(), bar->maximum());
    const QString status = window.findChild<QLabel*>("status")->text();
    EXPECT_TRUE(status.contains(QStringLiteral("梁 4 本: ＯＫ 2、ＮＧ 1、入力エラー 1")));
    EXPECT_TRUE(status.contains(QStringLiteral("出力先")));
    auto* problems = window.findChild<QPlainTextEdit*>("problems");
    EXPECT_TRUE(problems->isVisible());
    // The failing beam is listed with the bad row, in the terminal's words.
    EXPECT_EQ(problems->toPlainText().toStdString(),
              "list.csv:3:3: L: 「x」は数値ではありません\n"
              "list.csv:5: A4 ＮＧ（H-250x125x6x9 曲げ 2.079/1.0 ＮＧ、たわみ L/δ 295 ＮＧ）");
    EXPECT_TRUE(close->isEnabled());
    const QString book = dir.filePath("list_計算書/list_計算書.pdf");
    EXPECT_TRUE(QFile::exists(book));
    openBook->click();
    openFolder->click();
    EXPECT_EQ(opened, (QStringList{QFileInfo(book).absoluteFilePath(),
                                   QFileInfo(dir.filePath("list_計算書")).absoluteFilePath()}));
    close->click();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace varnok::batch
