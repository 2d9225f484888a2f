// The beam list reader: encodings, CSV quoting, blank lines, headers in any
// order with their aliases, and every kind of bad row and bad file.
#include "beam_list.h"
#include "results_table.h"
#include "shift_jis.h"

#include <gtest/gtest.h>

namespace varnok::batch {
namespace {

constexpr std::string_view kHeader =
    "部材名,荷重形式,スパン(m),座屈長さ(m),w単位荷重(kN/m2),w負担幅(m),w追加荷重(kN/m),"
    "P単位荷重(kN/m2),P負担幅(m),P負担長さ(m),P追加荷重(kN),w2単位荷重,w2負担幅,w2追加荷重,"
    "系列,長期短期,指定断面,選定";

enum class Bytes { Utf8, Utf8Bom, ShiftJis };

std::string Encode(std::string_view utf8, Bytes as) {
    switch (as) {
    case Bytes::Utf8:
        return std::string(utf8);
    case Bytes::Utf8Bom:
        return "\xEF\xBB\xBF" + std::string(utf8);
    case Bytes::ShiftJis:
        break;
    }
    return reports::ToShiftJis(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())))
        ->toStdString();
}

struct Read {
    BeamList list;
    std::vector<ListRow> rows;
};

Read ReadAll(const std::string& bytes) {
    Read r{BeamList::Open(bytes), {}};
    ListRow row;
    while (!r.list.error() && r.list.next(row))
        r.rows.push_back(row);
    return r;
}

std::string List(std::string_view rows) {
    return std::string(kHeader) + "\r\n" + std::string(rows);
}

TEST(BeamListTest, ReadsEveryEncodingWithQuotingBlankLinesAndLineEnds) {
    const std::string text = List("\"梁,1\",２点集中荷重,7.2,,4,1.2,,4,2.4,2.4,,,,,中幅,短期,\r\n"
                                  "\r\n"
                                  ",,,,,\n"
                                  "\"片持\"\"梁\",片持梁,2,1,5,1,0.5,,,,3,,,,,,\r"
                                  "B5,等分布荷重,6,,3,2,,,,,,1,1,0.5,,,\n");
    for (const auto [as, expected] : {std::pair{Bytes::Utf8, ListEncoding::Utf8},
                                      std::pair{Bytes::Utf8Bom, ListEncoding::Utf8WithBom},
                                      std::pair{Bytes::ShiftJis, ListEncoding::ShiftJis}}) {
        SCOPED_TRACE(static_cast<int>(as));
        const Read r = ReadAll(Encode(text, as));
        ASSERT_FALSE(r.list.error()) << *r.list.error();
        EXPECT_EQ(r.list.encoding(), expected);
        ASSERT_EQ(r.rows.size(), 3u);

        const BeamRow& two = *r.rows[0].beam;
        EXPECT_EQ(two.line, 2);
        EXPECT_EQ(two.memberName, "梁,1");
        EXPECT_EQ(two.arrangement, LoadCaseButton::TwoPoints);
        EXPECT_EQ(two.fieldTexts[2], "7.2");
        EXPECT_EQ(two.fieldTexts[3], "");  // the sheet proposes it
        EXPECT_EQ(two.fieldTexts[6], "0"); // added loads stand at 0 on a fresh sheet
        EXPECT_EQ(two.fieldTexts[10], "2.4");
        EXPECT_EQ(two.series, SectionSeries::Medium);
        EXPECT_TRUE(two.shortTerm);

        // The doubled quote comes back as one, which Windows file names refuse.
        EXPECT_EQ(r.rows[1].line, 5);
        EXPECT_EQ(r.rows[1].memberName, "片持\"梁");
        ASSERT_FALSE(r.rows[1].beam);
        EXPECT_NE(r.rows[1].problems.front().reason.find("（\"）"), std::string::npos);

        const BeamRow& uniform = *r.rows[2].beam;
        EXPECT_EQ(uniform.line, 6);
        EXPECT_EQ(uniform.kind, SheetKind::kei3_b2);
        // The second load row goes into Text7 to Text9 of the uniform-load sheet.
        EXPECT_EQ(uniform.fieldTexts[7], "1");
        EXPECT_EQ(uniform.fieldTexts[9], "0.5");
        EXPECT_EQ(uniform.series, SectionSeries::Narrow);
        EXPECT_FALSE(uniform.shortTerm);
    }
}

TEST(BeamListTest, ReadsCharactersOutsideTheBasicPlane) {
    const Read r = ReadAll("name,case,L\n\xF0\xA0\xAE\xB7,C,2\n");
    ASSERT_FALSE(r.list.error());
    EXPECT_EQ(r.list.encoding(), ListEncoding::Utf8);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0].memberName, "\xF0\xA0\xAE\xB7");
}

TEST(BeamListTest, TakesAliasesInAnyOrderAndSpellingsOfValues) {
    const Read r = ReadAll("section,term,series,Lb,L,case,name,p_add\n"
                           " h-294 x 200 x8x12 ,short,Medium,,6,4p,A1,10\n"
                           "Ｈ－ 150 × 75 × 5 × 7,long,n,2,5,C,A2,\n");
    ASSERT_FALSE(r.list.error()) << *r.list.error();
    ASSERT_EQ(r.rows.size(), 2u);
    const BeamRow& a1 = *r.rows[0].beam;
    EXPECT_EQ(a1.arrangement, LoadCaseButton::FourPoints);
    EXPECT_EQ(a1.sectionRow, 25);
    EXPECT_TRUE(a1.shortTerm);
    EXPECT_EQ(a1.fieldTexts[11], "10");
    const BeamRow& a2 = *r.rows[1].beam;
    EXPECT_EQ(a2.arrangement, LoadCaseButton::Cantilever);
    EXPECT_EQ(a2.sectionRow, 2); // the report's spelling names it too
    EXPECT_EQ(a2.fieldTexts[3], "2");
}

struct BadRowCase {
    std::string row;
    int column;
    std::string reason;
};

/// 85 characters of three UTF-8 bytes: 255 bytes before ".TXT".
std::string LongName() {
    std::string name;
    for (int i = 0; i < 85; ++i)
        name += "梁";
    return name;
}

TEST(BeamListTest, ReportsEachBadRowWithItsColumnAndReasonAndReadsOn) {
    const std::vector<BadRowCase> cases{
        {"B1,５点集中荷重,6,,,,,,,,,,,,,,", 2, "荷重形式「５点集中荷重」が分かりません"},
        {"B1,１点集中荷重,abc,,,,,,,,,,,,,,", 3, "「abc」は数値ではありません"},
        {"B1,１点集中荷重,6m,,,,,,,,,,,,,,", 3, "「6m」は数値ではありません"},
        {"B1,１点集中荷重,,,,,,,,,,,,,,,", 3, "スパンがありません"},
        {"B1,１点集中荷重,　,,,,,,,,,,,,,,", 3, "スパンがありません"}, // blanks only: empty
        {"B1,　,6,,,,,,,,,,,,,,", 2, "荷重形式がありません"},
        {"B1,１点集中荷重,0,,,,,,,,,,,,,,", 3, "0 より大きい数"},
        {"B1,１点集中荷重,6,-1,,,,,,,,,,,,,", 4, "0 以上の数"},
        {"B1,１点集中荷重,1e999,,,,,,,,,,,,,,", 3, "大きすぎます"},
        {"A/B,１点集中荷重,6,,,,,,,,,,,,,,", 1, "ファイル名に使えない文字（/）"},
        {"CON,１点集中荷重,6,,,,,,,,,,,,,,", 1, "Windowsが予約している名前"},
        {"\"B\t1\",１点集中荷重,6,,,,,,,,,,,,,,", 1, "制御文字"},
        {",１点集中荷重,6,,,,,,,,,,,,,,", 1, "部材名がありません"},
        {"\"　 \",１点集中荷重,6,,,,,,,,,,,,,,", 1, "部材名がありません"},
        {"B1,等分布荷重,6,,3,1,,3,,,,,,,,,", 8, "では使わない列です"},
        {"B1,１点集中荷重,6,,,,,,,,,,,,広幅,,H-300x150x6.5x9", 17, "系列「広幅」にありません"},
        {"B1,１点集中荷重,6,,,,,,,,,,,,,,H-123x45", 17, "断面表にありません"},
        {"B1,１点集中荷重,6,,,,,,,,,,,,極太,,", 15, "系列「極太」が分かりません"},
        {"B1,１点集中荷重,6,,,,,,,,,,,,,中期,", 16, "「中期」が分かりません"},
        {"B1,１点集中荷重,6,,,,,,,,,,,,,,,最軽量", 18, "選定「最軽量」が分かりません"},
        {std::string(252, 'A') + ",１点集中荷重,6,,,,,,,,,,,,,,", 1, "部材名が長すぎます"},
        {LongName() + ",１点集中荷重,6,,,,,,,,,,,,,,", 1, "部材名が長すぎます"},
        {"B1,１点集中荷重,\"6\n\",,,,,,,,,,,,,,", 3, "セルの中に改行があります（2～3行目"},
    };
    for (const BadRowCase& c : cases) {
        SCOPED_TRACE(c.row);
        const Read r = ReadAll(List(c.row + "\nOK1,１点集中荷重,6,,,,,,,,,,,,,,\n"));
        ASSERT_FALSE(r.list.error());
        ASSERT_EQ(r.rows.size(), 2u);
        EXPECT_FALSE(r.rows[0].beam);
        ASSERT_EQ(r.rows[0].problems.size(), 1u);
        const RowProblem& p = r.rows[0].problems.front();
        EXPECT_EQ(p.line, 2);
        EXPECT_EQ(p.column, c.column);
        EXPECT_NE(p.reason.find(c.reason), std::string::npos) << p.reason;
        EXPECT_TRUE(r.rows[1].beam) << "the good row after it is still read";
        // Every reason the program gives goes into a Shift-JIS table.
        EXPECT_TRUE(EncodeTableLine(TableLine(BadRow(r.rows[0])), ListEncoding::ShiftJis).ok());
    }
}

// The project, engineer and date rows before the header, as a spreadsheet
// saves them (trailing empty cells), the selection and the remark.
TEST(BeamListTest, ReadsTheTitleRowsTheSelectionAndTheRemark) {
    const Read r =
        ReadAll("物件名,〇〇ビル新築工事,,\r\n設計者,山田 太郎\r\n\r\nDATE,2026/12/1,\r\n"
                "name,case,L,select,備考\r\nA1,U,6,全検定,東側\r\nA2,U,6,,\r\n"
                "A3,U,6,bending,\r\n");
    ASSERT_FALSE(r.list.error()) << *r.list.error();
    EXPECT_EQ(r.list.titles().project, "〇〇ビル新築工事");
    EXPECT_EQ(r.list.titles().engineer, "山田 太郎");
    EXPECT_EQ(r.list.titles().date, "2026/12/1");
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0].line, 6);
    EXPECT_TRUE(r.rows[0].beam->raiseUntilPasses);
    EXPECT_EQ(r.rows[0].note, "東側");
    EXPECT_FALSE(r.rows[1].beam->raiseUntilPasses);
    EXPECT_FALSE(r.rows[2].beam->raiseUntilPasses);
    EXPECT_FALSE(ReadAll(List("")).list.titles().project); // none given: none invented
}

// A quote begins a quoted cell only where a cell begins; anywhere else it is
// a character, as spreadsheets read and write CSV.
TEST(BeamListTest, ReadsQuotesAsSpreadsheetsDo) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"a,b\"c,d", {"a", "b\"c", "d"}},    {"\"a\"\"b\",c", {"a\"b", "c"}},
        {"\"a\"b,c", {"ab", "c"}},           {"a, \"b\"", {"a", " \"b\""}},
        {"\"a,\r\nb\",c", {"a,\r\nb", "c"}}, {"6\"\",x", {"6\"\"", "x"}},
    };
    for (const auto& [text, cells] : cases) {
        SCOPED_TRACE(text);
        CsvRecords records(text + "\nnext");
        CsvRecord record;
        ASSERT_TRUE(records.next(record));
        EXPECT_EQ(record.cells, cells);
        ASSERT_TRUE(records.next(record));
        EXPECT_EQ(record.cells, std::vector<std::string>{"next"});
        EXPECT_EQ(record.line, text.find('\n') == std::string::npos ? 2 : 3);
    }
}

TEST(BeamListTest, NoRowVanishesBehindAStrayQuote) {
    std::string rows;
    for (int i = 1; i <= 10; ++i)
        rows +=
            "B" + std::to_string(i) + ",１点集中荷重,6," + (i == 3 ? "配管 6\" 貫通" : "") + "\n";
    const Read r = ReadAll("部材名,荷重形式,スパン,備考\n" + rows);
    ASSERT_FALSE(r.list.error());
    ASSERT_EQ(r.rows.size(), 10u);
    for (const ListRow& row : r.rows)
        EXPECT_TRUE(row.beam) << row.line;

    // A quote that opens a cell and never closes stops the list, naming its line.
    const Read unclosed =
        ReadAll("部材名,荷重形式,スパン,備考\nB1,１点集中荷重,6,\nB2,１点集中荷重,6,\"配管\n"
                "B3,１点集中荷重,6,\n");
    ASSERT_TRUE(unclosed.list.error());
    EXPECT_NE(unclosed.list.error()->find("3行目の「\"」で始まるセルが閉じていません"),
              std::string::npos)
        << *unclosed.list.error();
    EXPECT_TRUE(BeamList::Open("部材名,\"荷重形式\n").error());
}

// Columns the engineer added are told once and carried along unread; units may
// stand in any bracket.
TEST(BeamListTest, CarriesUnknownColumnsAndReadsUnitsInAnyBracket) {
    const Read r = ReadAll("階,部材名,荷重形式,スパン[m],w単位荷重［kN/m2］,w負担幅（m）,通り\n"
                           "3F,B1,等分布荷重,6,3,2,X1-X2\n");
    ASSERT_FALSE(r.list.error()) << *r.list.error();
    EXPECT_EQ(r.list.warning(),
              "見出しの列「階」「通り」は読みません（結果一覧にそのまま写します）。");
    EXPECT_EQ(r.list.extraHeaders(), (std::vector<std::string>{"階", "通り"}));
    ASSERT_EQ(r.rows.size(), 1u);
    ASSERT_TRUE(r.rows[0].beam);
    EXPECT_EQ(r.rows[0].beam->fieldTexts[4], "3");
    EXPECT_EQ(r.rows[0].beam->fieldTexts[5], "2");
    EXPECT_EQ(r.rows[0].extraCells, (std::vector<std::string>{"3F", "X1-X2"}));
}

TEST(BeamListTest, ANameUsedTwiceIsBadWhereItComesAgainWhateverItsCase) {
    const Read r = ReadAll(List("b1,１点集中荷重,6,,,,,,,,,,,,,,\n"
                                "B1,１点集中荷重,6,,,,,,,,,,,,,,\n"));
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_TRUE(r.rows[0].beam);
    ASSERT_FALSE(r.rows[1].beam);
    EXPECT_NE(r.rows[1].problems[0].reason.find("2行目と同じ"), std::string::npos);
}

TEST(BeamListTest, AFileThatIsNoBeamListGetsOneMessage) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "ファイルが空です"},
        {"\xEF\xBB\xBF\r\n,,,\r\n", "ファイルが空です"},
        {"B1,１点集中荷重,6\n", "見出し行がありません"},
        {"部材名,荷重形式\nB1,１点集中荷重\n", "必須の列「スパン」がありません"},
        {"部材名,荷重形式,スパン,L\n", "二つあります"},
        {"\x82\xA0\xFF\xFF,x\n", "文字コードを判別できません"},
        // Not UTF-8 after a byte-order mark: an overlong form, a surrogate, past U+10FFFF.
        {"\xEF\xBB\xBF\xC0\xAF\n", "文字コードを判別できません"},
        {"\xEF\xBB\xBF\xED\xA0\x80\n", "文字コードを判別できません"},
        {"\xEF\xBB\xBF\xF4\x90\x80\x80\n", "文字コードを判別できません"},
        {"\xEF\xBB\xBF\xE6\xA2\n", "文字コードを判別できません"},
    };
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        const BeamList list = BeamList::Open(bytes);
        ASSERT_TRUE(list.error());
        EXPECT_NE(list.error()->find(message), std::string::npos) << *list.error();
    }
}

TEST(BeamListTest, ANumberCellIsReadAsTheSheetsReadItAndOnlyAsAWhole) {
    // Full-width numbers are numbers; a unit, a comma or a carriage return
    // inside a quoted cell makes the cell no number; a cell of blanks is empty.
    const Read r = ReadAll(List("B1,１点集中荷重,６,　３．０,２．５,２,０．５,,,,－１Ｅ１,,,,,,\n"
                                "B2,１点集中荷重,６ｍ,,,,,,,,,,,,,,\n"
                                "B3,１点集中荷重,\"6\r0\",,,,,,,,,,,,,,\n"
                                "B4,１点集中荷重,6,,\"\r6\",1,,,,,,,,,,,\n"
                                "B5,１点集中荷重,6,,6,\"1 \",,,,,　,,,,,,,\n"));
    ASSERT_EQ(r.rows.size(), 5u);
    ASSERT_TRUE(r.rows[0].beam);
    const BeamRow& b1 = *r.rows[0].beam;
    EXPECT_EQ(b1.fieldTexts[2], "６");
    EXPECT_EQ(b1.fieldTexts[11], "－１Ｅ１");
    for (std::size_t i : {1u, 2u, 3u})
        EXPECT_FALSE(r.rows[i].beam) << i; // the line breaks are told as well
    EXPECT_NE(r.rows[1].problems[0].reason.find("数値ではありません"), std::string::npos);
    ASSERT_TRUE(r.rows[4].beam);
    EXPECT_EQ(r.rows[4].beam->fieldTexts[11], "0"); // the sheet's "0", as for an empty cell
}

} // namespace
} // namespace varnok::batch
