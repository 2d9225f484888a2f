// The window a dropped list gets: it runs the list, fills its bar, and shows
// the counts, the bad rows and the output folder, then waits to be closed.
#include "summary_window.h"
#include "ui_test.h"

#include <QFile>
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
    f.write("name,case,L,w_load,w_width\nA1,1P,4,1,1\nA2,1P,x,1,1\nA3,U,3,1,1\n");
    f.close();

    JobOptions options;
    options.list = list;
    SummaryWindow window(options);
    window.show();
    auto* close = window.findChild<QPushButton*>("Command1");
    EXPECT_FALSE(close->isEnabled()); // not before the run has ended

    EXPECT_EQ(window.run().exitStatus(), 2);
    auto* bar = window.findChild<QProgressBar*>("ProgressBar1");
    EXPECT_EQ(bar->value(), bar->maximum());
    const QString status = window.findChild<QLabel*>("Label2")->text();
    EXPECT_TRUE(status.contains(QStringLiteral("梁 3 本: ＯＫ 2、ＮＧ 0、入力エラー 1")));
    EXPECT_TRUE(status.contains(QStringLiteral("出力先")));
    auto* problems = window.findChild<QPlainTextEdit*>("Text1");
    EXPECT_TRUE(problems->isVisible());
    EXPECT_EQ(problems->toPlainText(),
              QStringLiteral("list.csv:3:3: L: 「x」は数値ではありません"));
    EXPECT_TRUE(close->isEnabled());
    EXPECT_TRUE(QFile::exists(dir.filePath("list_計算書/list_計算書.pdf")));
    close->click();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace varnok::batch
