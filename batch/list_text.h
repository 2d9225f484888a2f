#pragma once
// The text of a CSV list: its encoding found from its bytes, its records read
// one at a time with their line numbers, and the folding under which names in
// it are compared.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnok::batch {

enum class ListEncoding { Utf8, Utf8WithBom, ShiftJis };

/// The bytes as UTF-8: UTF-8 with or without a byte-order mark, else
/// Shift-JIS (Windows-31J); none when they are neither. A list of plain ASCII
/// counts as Shift-JIS, the encoding the spreadsheets it goes back to save.
std::optional<std::string> DecodeList(std::string_view bytes, ListEncoding& encoding);

/// One record: its cells, quotes taken off ("" inside quotes is one quote), and
/// the lines it takes (a quoted cell may run over several lines).
struct CsvRecord {
    int line = 0;
    int lastLine = 0;
    std::vector<std::string> cells;
    /// Where the record lies in the text read, its line end included: what a
    /// list saved unchanged writes back as it was.
    std::size_t begin = 0;
    std::size_t end = 0;
    /// Every cell blank (IsBlank): a spreadsheet's empty row (",,,").
    bool blank() const;
};

/// Reads records from a UTF-8 text as spreadsheets write CSV; lines end with
/// CR LF, LF or CR. A quote opens a quoted cell only where a cell begins;
/// anywhere else it is a character of the cell (`配管 6" 貫通`), and so is
/// anything after a quoted cell's closing quote.
class CsvRecords {
public:
    explicit CsvRecords(std::string text = {})
        : text_(std::move(text)) {}

    /// The next record; false at the end, or when a quoted cell is never
    /// closed: then `unclosedLine()` is the line where it opens, and nothing
    /// after it is read (which row the rest belongs to cannot be known).
    bool next(CsvRecord& record);
    int unclosedLine() const { return unclosedLine_; }

    struct Mark {
        std::size_t position = 0;
        int line = 1;
    };
    Mark mark() const { return {pos_, line_}; }
    void seek(Mark mark) {
        pos_ = mark.position;
        line_ = mark.line;
    }

private:
    std::string text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int unclosedLine_ = 0;
};

/// Appends a cell as spreadsheets write it: in quotes ("" for a quote) when it
/// holds a comma, a quote or a line break.
void AppendCsvCell(std::string& line, std::string_view cell);

/// Full-width forms folded, lower case, blanks removed, "×" read as "x": how
/// headers, arrangement names and section designations are compared.
std::string Normalised(std::string_view text);

} // namespace varnok::batch
