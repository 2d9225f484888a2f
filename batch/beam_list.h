#pragma once
// The beam list: a CSV file with a header row and one beam per row, as an
// engineer keeps it in a spreadsheet. Read as UTF-8 (with or without BOM) or
// Shift-JIS (Windows-31J), whichever the bytes are.

#include "catalogue.h"
#include "list_text.h"
#include "load_case.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varnok::batch {

/// The columns a list may have. Each input column stands for one field of the
/// design sheet (fields 1 to 11) or for one of its option groups.
enum class Column {
    MemberName,
    Arrangement,
    Span,
    BucklingLength,
    WAreaLoad,
    WWidth,
    WAdded,
    PAreaLoad,
    PWidth,
    PLength,
    PAdded,
    W2AreaLoad,
    W2Width,
    W2Added,
    Series,
    Duration,
    Section,
    Select,
    Note,
};

inline constexpr std::size_t kColumnCount = static_cast<std::size_t>(Column::Note) + 1;

struct ColumnRow {
    Column column;
    std::string_view header; // the Japanese header, without its unit
    std::string_view alias;  // the short ASCII alias
    std::string_view unit;   // as the template writes it after the header, "" for none
    bool required;
    int pointField;   // the Text field it fills on the point-load and cantilever sheets, or 0
    int uniformField; // the Text field it fills on the uniform-load sheet, or 0
};

/// Every column, in the template's order.
const std::vector<ColumnRow>& ColumnRows();
const ColumnRow& ColumnRowOf(Column column);

/// One beam as its design sheet would have it typed in.
struct BeamRow {
    int line = 0;           // line of the list where the row starts (1 = header)
    std::string memberName; // the member-name field, UTF-8
    LoadCaseButton arrangement = LoadCaseButton::OnePoint;
    SheetKind kind = SheetKind::kei3_b1;
    /// The texts typed into fields 2 to 11 (index n is field n), exactly as
    /// given; fields the arrangement's sheet lacks stay empty. The buckling
    /// length is empty when the sheet is to propose it.
    std::array<std::string, 12> fieldTexts;
    SectionSeries series = SectionSeries::Narrow;
    bool shortTerm = false;
    int sectionRow = 0; // a chosen catalogue row; 0 for the automatic choice
    /// "全検定": from the section chosen, up the series until every check passes,
    /// as the sheet's ↑ button would be pressed; else the choice stands ("曲げ").
    bool raiseUntilPasses = false;
};

/// Why a row cannot be checked.
struct RowProblem {
    int line = 0;
    int column = 0;         // 1-based position in the list; 0 for the row as a whole
    std::string columnName; // the header as the list writes it
    std::string reason;     // Japanese
};

struct ListRow {
    int line = 0;
    std::string memberName;              // as given, for the results table
    std::string nameKey;                 // how names are compared; "" for a name that is no file name
    std::string note;                    // the user's remark (備考), carried unread
    std::vector<std::string> extraCells; // the columns the reader does not know, unread
    std::optional<BeamRow> beam;         // when the row can be checked
    std::vector<RowProblem> problems;    // why not
};

/// A list opened for reading: decoded, header understood; rows read one at a
/// time so that a long list never stands in memory as rows.
/// What the rows before the header say of the whole list: "物件名,…",
/// "設計者,…", "作成日,…" (first cell the title, second its value).
struct ListTitles {
    std::optional<std::string> project;
    std::optional<std::string> engineer;
    std::optional<std::string> date;
};

class BeamList {
public:
    /// Decodes the bytes and reads the header. On failure, `error` says in
    /// Japanese why the file is no beam list (empty, no header, unknown
    /// encoding, unknown or missing columns).
    static BeamList Open(std::string_view bytes);

    /// Also set when reading stops at a quoted cell that is never closed.
    const std::optional<std::string>& error() const { return error_; }
    ListEncoding encoding() const { return encoding_; }
    const ListTitles& titles() const { return titles_; }
    /// The columns the reader does not know, named once; empty when none.
    const std::string& warning() const { return warning_; }
    /// Their headers, in the list's order; each row carries their cells.
    std::vector<std::string> extraHeaders() const;

    /// The next row that is not blank; false at the end (and `error()` when
    /// the rest cannot be read). Names already seen (file names compared as
    /// Windows compares them) make a row bad.
    bool next(ListRow& row);
    /// Back to the first row.
    void rewind();
    /// Lets go of the list's text, for a reader kept only to interpret records
    /// read elsewhere: what the header says stays; `next` finds no more rows.
    void forgetText();

    /// One record read as a row of this list, its name not yet compared with
    /// other rows' (the list window reads rows one by one as they are edited).
    ListRow interpret(const CsvRecord& record) const;
    /// Makes the row bad: its name repeats the row's on `firstLine`.
    void markRepeatedName(ListRow& row, int firstLine) const;
    /// The line of the header row.
    int headerLine() const { return headerLine_; }
    /// The column at a position of the header (0-based); none for a blank header.
    std::optional<Column> columnAt(std::size_t position) const;

private:
    void addProblem(ListRow& row, Column column, std::string reason) const;
    std::optional<std::string> unclosedQuote() const;

    std::optional<std::string> error_;
    std::string warning_;
    std::vector<std::size_t> extraColumns_;
    ListEncoding encoding_ = ListEncoding::Utf8;
    ListTitles titles_;
    CsvRecords records_;
    CsvRecords::Mark body_;            // where the first row after the header starts
    int headerLine_ = 0;
    std::vector<std::string> headers_; // as written
    std::array<std::optional<std::size_t>, kColumnCount> cellOf_{}; // position of each column
    std::unordered_map<std::string, int> seenNames_;                // upper-case name → its line
};

/// The catalogue row a designation names in a series: the sheet's or the
/// report's spelling, blanks, case and full-width forms ignored. 0 when the
/// series has no such section; `elsewhere` tells whether another series has.
int FindSection(std::string_view designation, SectionSeries series, bool* elsewhere = nullptr);

/// Why reading stops at a quoted cell opened on `line` and never closed.
std::string UnclosedQuoteMessage(int line);

/// The launcher caption of an arrangement ("２点集中荷重" ...).
std::string_view ArrangementName(LoadCaseButton arrangement);
std::string_view SeriesName(SectionSeries series);

} // namespace varnok::batch
