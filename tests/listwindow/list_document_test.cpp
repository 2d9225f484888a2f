// The list window's document and table: a list saved unchanged is the file
// read, byte for byte; an edit changes the row's verdict as the calc book would
// check the saved list; undoing every step brings the bytes back.
#include "list_model.h"
#include "list_table.h"

#include "beam_run.h"
#include "shift_jis.h"

#include <gtest/gtest.h>

namespace varnok::listwindow {
namespace {

constexpr std::string_view kHeader =
    "部材名,荷重形式,スパン(m),座屈長さ(m),w単位荷重(kN/m2),w負担幅(m),w追加荷重(kN/m),"
    "P単位荷重(kN/m2),P負担幅(m),P負担長さ(m),P追加荷重(kN),w2単位荷重(kN/m2),w2負担幅(m),"
    "w2追加荷重(kN/m),系列,長期短期,指定断面,備考,確認者"; // the last column is carried unread
constexpr std::string_view kRows[] = {
    "2B1,１点集中荷重,6,,3.5,1.5,0.3,3.5,3,2,,,,,細幅,長期,H-300x150x6.5x9,\"座屈長さ空欄, "
    "断面を指定\",山田",
    "\"2B2\",２点集中荷重,7.2,,4,1.2,,4,2.4,2.4,,,,,細幅,長期,,\"複数\r\n行の\"\"備考\"\"\"",
    "2B5,等分布荷重,6,2,3.5,2.5,0.5,,,,,1.2,1,0.2,細幅,長期,H-298x149x5.5x8,",
    "2CG1,片持梁,2,,5,1,,,,,3,,,,細幅,長期,H-200x100x5.5x8,",
};

enum class Encoding { Utf8, Utf8Bom, ShiftJis };

std::string ListBytes(Encoding encoding, std::string_view lineEnd, bool finalLineEnd) {
    // Title rows above the header, a blank line among them.
    std::string text = "物件名,○○ビル新築工事" + std::string(lineEnd) + std::string(lineEnd) +
                       "設計者,山田" + std::string(lineEnd) + std::string(kHeader) +
                       std::string(lineEnd);
    for (std::string_view row : kRows) {
        text += row;
        text += lineEnd;
        if (row.starts_with("2B5"))
            text += ",,,," + std::string(lineEnd) + std::string(lineEnd); // blank lines kept
    }
    if (!finalLineEnd)
        text.resize(text.size() - lineEnd.size());
    switch (encoding) {
    case Encoding::Utf8:
        return text;
    case Encoding::Utf8Bom:
        return "\xEF\xBB\xBF" + text;
    case Encoding::ShiftJis:
        return reports::ToShiftJis(QString::fromStdString(text)).value().toStdString();
    }
    return {};
}

/// What the calc book reports of each row of these bytes.
std::vector<std::optional<CheckResult>> CalcBookResults(const std::string& bytes) {
    batch::BeamList list = batch::BeamList::Open(bytes);
    EXPECT_FALSE(list.error());
    batch::BeamRun run;
    std::vector<std::optional<CheckResult>> results;
    batch::ListRow row;
    while (list.next(row)) {
        if (row.beam) {
            run.check(*row.beam);
            results.push_back(run.design().result);
        } else {
            results.push_back(std::nullopt);
        }
    }
    return results;
}

bool Same(const RowResult* a, const std::optional<CheckResult>& b) {
    if ((a != nullptr) != b.has_value())
        return false;
    using batch::ResultCell;
    for (ResultCell c :
         {ResultCell::Section, ResultCell::StressRatio, ResultCell::BendingVerdict,
          ResultCell::Deflection, ResultCell::SpanOverDeflection, ResultCell::DeflectionVerdict,
          ResultCell::WeldRatio, ResultCell::WeldVerdict}) {
        if (a != nullptr && a->text(c) != batch::ResultText(*b, c))
            return false;
    }
    return a == nullptr || a->passes() == b->passes();
}

void ExpectSameAsCalcBook(const ListDocument& doc) {
    const std::vector<std::optional<CheckResult>> book = CalcBookResults(*doc.bytes());
    ASSERT_EQ(book.size(), std::size_t(doc.rowCount()));
    for (int r = 0; r < doc.rowCount(); ++r)
        EXPECT_TRUE(Same(doc.row(r).verdict.result(), book[std::size_t(r)])) << "row " << r;
}

TEST(ListDocumentTest, SavedUnchangedIsTheFileReadInEveryEncodingAndLineEnd) {
    for (Encoding encoding : {Encoding::Utf8, Encoding::Utf8Bom, Encoding::ShiftJis}) {
        for (std::string_view lineEnd : {"\r\n", "\n"}) {
            for (bool finalLineEnd : {true, false}) {
                SCOPED_TRACE(testing::Message()
                             << int(encoding) << " " << lineEnd.size() << " " << finalLineEnd);
                const std::string bytes = ListBytes(encoding, lineEnd, finalLineEnd);
                ListDocument doc = ListDocument::Read(bytes);
                ASSERT_FALSE(doc.error()) << *doc.error();
                EXPECT_EQ(doc.rowCount(), 4);
                EXPECT_EQ(doc.cell(1, 17), "複数\r\n行の\"備考\"");
                EXPECT_EQ(*doc.bytes(), bytes);
                ExpectSameAsCalcBook(doc);

                // A row edited and put back as it was keeps its bytes (quotes and all).
                doc.setCell(1, 0, "2B2x");
                doc.setCell(1, 0, "2B2");
                EXPECT_EQ(*doc.bytes(), bytes);
            }
        }
    }
}

TEST(ListDocumentTest, AnEditedCellChangesTheVerdictAsTheCalcBookChecksTheSavedList) {
    const std::string bytes = ListBytes(Encoding::ShiftJis, "\r\n", true);
    ListDocument doc = ListDocument::Read(bytes);
    ASSERT_TRUE(doc.row(0).verdict.result() && doc.row(0).verdict.result()->passes());

    const int wLoad = doc.positionOf(batch::Column::WAreaLoad);
    doc.setCell(0, wLoad, "35");
    ASSERT_TRUE(doc.row(0).verdict.result());
    EXPECT_FALSE(doc.row(0).verdict.result()->passes()); // the chosen section is overloaded
    const std::string saved = *doc.bytes();
    EXPECT_NE(saved.find(reports::ToShiftJis(u"細幅,長期,H-300x150x6.5x9").value().toStdString()),
              std::string::npos);
    ExpectSameAsCalcBook(doc);

    // A cell that is no number: the row waits, the cell says why.
    doc.setCell(2, doc.positionOf(batch::Column::Span), "6m");
    EXPECT_FALSE(doc.row(2).verdict.result());
    ASSERT_EQ(doc.row(2).verdict.problems().size(), 1u);
    EXPECT_EQ(doc.row(2).verdict.problems()[0].column, doc.positionOf(batch::Column::Span) + 1);
    ExpectSameAsCalcBook(doc);

    // Names are compared with every other row's, as the calc book does.
    doc.setCell(3, 0, "2b1");
    EXPECT_FALSE(doc.row(3).verdict.result());
    EXPECT_NE(doc.row(3).verdict.problems().at(0).reason.find("5行目と同じ"), std::string::npos);
    doc.setCell(0, 0, "2B0");
    EXPECT_TRUE(doc.row(3).verdict.result()); // the other row was rechecked
}

TEST(ListModelTest, UndoingEveryStepRestoresTheBytesRead) {
    const std::string bytes = ListBytes(Encoding::Utf8Bom, "\n", false);
    ListModel model(ListDocument::Read(bytes));
    model.editCells({{0, 2, "7"}, {1, 2, "8"}}, QStringLiteral("貼り付け"));
    model.removeRows({0, 2});
    model.addRows(1, {{"N1", "U", "5"}}, QStringLiteral("行の追加"));
    model.moveRow(0, 2);
    EXPECT_EQ(model.rowCount(), 3);
    const std::string edited = *model.document().bytes();
    EXPECT_NE(edited.find("\nN1,U,5,"), std::string::npos);
    ExpectSameAsCalcBook(model.document());

    while (model.undoStack().canUndo())
        model.undoStack().undo();
    EXPECT_EQ(*model.document().bytes(), bytes);
    // The counts kept step by step are those of the list read afresh.
    const ListDocument fresh = ListDocument::Read(bytes);
    EXPECT_EQ(model.document().tally().passed, fresh.tally().passed);
    EXPECT_EQ(model.document().tally().failed, fresh.tally().failed);
    EXPECT_EQ(model.document().tally().bad, fresh.tally().bad);
    EXPECT_EQ(fresh.tally().passed + fresh.tally().failed + fresh.tally().bad, fresh.rowCount());
    while (model.undoStack().canRedo())
        model.undoStack().redo();
    EXPECT_EQ(*model.document().bytes(), edited);
}

TEST(ClipboardTest, RangesGoToAndComeFromSpreadsheetsAsTabSeparatedText) {
    // As a spreadsheet copies them: CR LF between rows, a quoted cell where it
    // holds a tab, a line break or a leading quote; a quote elsewhere is a character.
    const QString copied =
        QStringLiteral("2B1\t6\t\"a\tb\"\r\n2B2\t\t\"x\"\"\ny\"\r\n配管 6\" 貫通\t1\t\r\n");
    const std::vector<std::vector<QString>> cells = ParseTabSeparated(copied);
    const std::vector<std::vector<QString>> expected{{u"2B1"_qs, u"6"_qs, u"a\tb"_qs},
                                                     {u"2B2"_qs, QString(), u"x\"\ny"_qs},
                                                     {u"配管 6\" 貫通"_qs, u"1"_qs, QString()}};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(ParseTabSeparated(ToTabSeparated(expected)), expected);
}

} // namespace
} // namespace varnok::listwindow
