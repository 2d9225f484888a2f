#pragma once
// A beam list opened for editing: read by the calc book's own reader, every row
// checked as its design sheet checks it, and written back in the list's own
// encoding, line ends, column order and header spelling. Rows nobody changed
// (and the title rows above the header, and blank lines) are written back as
// the very bytes read, so a list saved without a change is byte-identical.

#include "beam_list.h"
#include "file_result.h"
#include "row_check.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnok::listwindow {

/// One beam row of the list.
struct ListEntry {
    /// The cells of a row changed since it was read, or of a new row (UTF-8, one
    /// per column of the header, more if the file had). None while the row is as
    /// read: its cells are then read from its bytes when asked for, so that a
    /// long list is not held twice.
    std::unique_ptr<std::vector<std::string>> changed;
    /// The row's bytes as read: [blankBegin, recordBegin) the blank lines above
    /// it, [recordBegin, end) the record with its line end. npos for a new row.
    std::size_t blankBegin = std::string::npos;
    std::size_t recordBegin = std::string::npos;
    std::size_t end = std::string::npos;
    int line = 0;        // the line it starts on in the list as it would be saved
    int repeatOf = 0;    // the line of an earlier row of the same name, or 0
    std::string nameKey; // how its member name is compared with the others'
    RowVerdict verdict;
};

class ListDocument {
public:
    /// Reads a list; `error()` says in Japanese why the bytes are no beam list.
    static ListDocument Read(std::string bytes);

    const std::optional<std::string>& error() const { return error_; }
    batch::ListEncoding encoding() const { return reader_.encoding(); }
    /// The columns the reader does not know (carried as they are), named once.
    const std::string& warning() const { return reader_.warning(); }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(headers_.size()); }
    /// The header as the list writes it, and the column it names.
    const std::string& header(int column) const { return headers_[std::size_t(column)]; }
    std::optional<batch::Column> columnAt(int column) const;
    /// The position of a column in the list; -1 when the list has none.
    int positionOf(batch::Column column) const;

    const ListEntry& row(int row) const { return rows_[std::size_t(row)]; }

    /// How many rows pass, fail a check, or wait on a bad cell; kept as rows
    /// change, so that a long list is not counted again at every edit.
    struct Tally {
        int passed = 0;
        int failed = 0;
        int bad = 0;
    };
    const Tally& tally() const { return tally_; }
    /// A cell's text (UTF-8), and the row's cells.
    std::string cell(int row, int column) const;
    std::vector<std::string> cells(int row) const;

    /// The rows from `first` to `last` that a change rechecked.
    struct Rows {
        int first = 0;
        int last = 0;
    };
    /// Changes one cell and rechecks its row, and the rows whose name it
    /// repeated or now repeats (names are compared with each other).
    Rows setCell(int row, int column, std::string text);
    /// A new row with these cells (or one taken out earlier, as it was).
    void insertRow(int at, ListEntry entry);
    ListEntry takeRow(int at);
    /// A new, unread row of cells.
    static ListEntry NewEntry(std::vector<std::string> cells);

    /// The list's bytes as they are now, or why they cannot be saved: a cell
    /// that cannot be written in the list's encoding (which, in Japanese).
    FileResult<std::string> bytes() const;

    /// The whole row as the calc book reads it (its beam when it can be checked).
    batch::ListRow interpret(int row) const;

private:
    /// The cells of a row as read from its bytes.
    std::vector<std::string> cellsRead(const ListEntry& entry) const;
    std::vector<std::string> cellsOf(const ListEntry& entry) const;
    batch::ListRow interpretEntry(const ListEntry& entry, std::vector<std::string> cells) const;
    void checkRow(ListEntry& entry, std::vector<std::string> cells);
    void checkRow(ListEntry& entry);
    void count(const RowVerdict& verdict, int step);
    /// Lines, repeated names and their verdicts, for every row.
    void recheckNames();
    /// The rows of a name that changed from `before` to `after`.
    void recheckNames(std::string_view before, std::string_view after, Rows& rechecked);
    std::string recordBytes(const ListEntry& entry, bool* ok, std::string* problem) const;
    std::string_view lineEndOf(const ListEntry& entry) const;

    std::optional<std::string> error_;
    std::string original_; // the bytes read
    std::size_t bodyBegin_ = 0;
    std::size_t tailBegin_ = 0; // blank lines after the last row
    std::string lineEnd_ = "\r\n";
    batch::BeamList reader_;
    std::vector<std::string> headers_;
    std::vector<ListEntry> rows_;
    RowChecker checker_;
    Tally tally_;
};

} // namespace varnok::listwindow
