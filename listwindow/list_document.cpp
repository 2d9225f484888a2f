#include "list_document.h"

#include "shift_jis.h"

#include <QString>

#include <algorithm>
#include <unordered_map>

namespace varnok::listwindow {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

/// Line breaks in a text: CR LF, LF and CR count one each.
int LineBreaks(std::string_view s) {
    int n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n')))
            ++n;
    }
    return n;
}

bool EndsWithBreak(std::string_view s) {
    return !s.empty() && (s.back() == '\n' || s.back() == '\r');
}

/// The cells of a Shift-JIS list as UTF-8.
void Decode(std::vector<std::string>& cells, batch::ListEncoding encoding) {
    if (encoding != batch::ListEncoding::ShiftJis)
        return;
    for (std::string& cell : cells) {
        if (!IsAscii(cell))
            cell = reports::FromShiftJis(QByteArrayView(cell.data(), qsizetype(cell.size())))
                       .value_or(QString())
                       .toStdString();
    }
}

} // namespace

ListDocument ListDocument::Read(std::string bytes) {
    ListDocument doc;
    doc.reader_ = batch::BeamList::Open(bytes);
    doc.original_ = std::move(bytes);
    if (doc.reader_.error()) {
        doc.error_ = doc.reader_.error();
        return doc;
    }
    // The records are found on the bytes themselves: the characters that part
    // them (quote, comma, CR, LF) never occur inside a Shift-JIS character.
    const std::size_t offset = std::string_view(doc.original_).substr(0, 3) == kBom ? 3 : 0;
    batch::CsvRecords records(doc.original_.substr(offset));
    auto decode = [&](std::vector<std::string>& cells) { Decode(cells, doc.encoding()); };
    // The title rows above the header stay as they are, bytes and all.
    batch::CsvRecord record;
    while (records.next(record) && record.line != doc.reader_.headerLine()) {
    }
    decode(record.cells);
    doc.headers_ = std::move(record.cells);
    doc.bodyBegin_ = record.end + offset;
    const std::string_view headerText(doc.original_.data() + offset + record.begin,
                                      record.end - record.begin);
    if (headerText.ends_with("\r\n"))
        doc.lineEnd_ = "\r\n";
    else if (headerText.ends_with("\n"))
        doc.lineEnd_ = "\n";
    else if (headerText.ends_with("\r"))
        doc.lineEnd_ = "\r";

    std::size_t blankBegin = doc.bodyBegin_;
    while (records.next(record)) {
        if (record.blank())
            continue;
        ListEntry entry;
        decode(record.cells);
        entry.blankBegin = blankBegin;
        entry.recordBegin = record.begin + offset;
        entry.end = record.end + offset;
        entry.line = record.line;
        blankBegin = entry.end;
        // Checked on the cells just read; only the bytes are kept.
        doc.checkRow(entry, std::move(record.cells));
        doc.rows_.push_back(std::move(entry));
    }
    // The rows are read from the bytes from now on: the reader's own text goes.
    doc.reader_.forgetText();
    if (records.unclosedLine() != 0) {
        // The rest would be one cell: nothing after it can be shown or saved.
        doc.error_ = batch::UnclosedQuoteMessage(records.unclosedLine());
        return doc;
    }
    doc.tailBegin_ = blankBegin;
    doc.rows_.shrink_to_fit(); // a long list keeps no half-empty vector
    doc.recheckNames();
    return doc;
}

std::optional<batch::Column> ListDocument::columnAt(int column) const {
    return reader_.columnAt(static_cast<std::size_t>(column));
}

int ListDocument::positionOf(batch::Column column) const {
    for (int c = 0; c < columnCount(); ++c) {
        if (columnAt(c) == column)
            return c;
    }
    return -1;
}

std::vector<std::string> ListDocument::cellsRead(const ListEntry& entry) const {
    batch::CsvRecords read{original_.substr(entry.recordBegin, entry.end - entry.recordBegin)};
    batch::CsvRecord record;
    read.next(record);
    Decode(record.cells, encoding());
    return std::move(record.cells);
}

std::vector<std::string> ListDocument::cellsOf(const ListEntry& entry) const {
    return entry.changed ? *entry.changed : cellsRead(entry);
}

std::vector<std::string> ListDocument::cells(int row) const {
    return cellsOf(rows_[std::size_t(row)]);
}

std::string ListDocument::cell(int row, int column) const {
    const ListEntry& entry = rows_[std::size_t(row)];
    if (entry.changed) {
        const std::vector<std::string>& cells = *entry.changed;
        return std::size_t(column) < cells.size() ? cells[std::size_t(column)] : std::string();
    }
    std::vector<std::string> cells = cellsRead(entry);
    return std::size_t(column) < cells.size() ? std::move(cells[std::size_t(column)])
                                              : std::string();
}

batch::ListRow ListDocument::interpret(int row) const {
    const ListEntry& entry = rows_[std::size_t(row)];
    return interpretEntry(entry, cellsOf(entry));
}

batch::ListRow ListDocument::interpretEntry(const ListEntry& entry,
                                            std::vector<std::string> cells) const {
    batch::CsvRecord record;
    record.line = entry.line;
    record.lastLine = entry.line;
    for (const std::string& c : cells)
        record.lastLine += LineBreaks(c);
    record.cells = std::move(cells);
    batch::ListRow read = reader_.interpret(record);
    if (entry.repeatOf != 0)
        reader_.markRepeatedName(read, entry.repeatOf);
    return read;
}

void ListDocument::checkRow(ListEntry& entry, std::vector<std::string> cells) {
    const batch::ListRow read = interpretEntry(entry, std::move(cells));
    entry.nameKey = read.nameKey;
    count(entry.verdict, -1);
    entry.verdict = checker_.check(read);
    count(entry.verdict, 1);
}

void ListDocument::checkRow(ListEntry& entry) {
    checkRow(entry, cellsOf(entry));
}

void ListDocument::count(const RowVerdict& verdict, int step) {
    if (const RowResult* result = verdict.result())
        (result->passes() ? tally_.passed : tally_.failed) += step;
    else if (!verdict.problems().empty())
        tally_.bad += step;
    // else: not checked yet
}

void ListDocument::recheckNames() {
    // The line after the header: the title rows', the header's and the breaks inside them.
    int line = 1 + LineBreaks(std::string_view(original_).substr(0, bodyBegin_));
    std::unordered_map<std::string_view, int> first;
    first.reserve(rows_.size());
    for (ListEntry& entry : rows_) {
        const std::string_view text(original_);
        if (entry.blankBegin != std::string::npos)
            line += LineBreaks(text.substr(entry.blankBegin, entry.recordBegin - entry.blankBegin));
        const bool moved = entry.line != line;
        entry.line = line;
        if (!entry.changed) {
            line += LineBreaks(text.substr(entry.recordBegin, entry.end - entry.recordBegin));
        } else {
            line += 1;
            for (const std::string& c : *entry.changed)
                line += LineBreaks(c);
        }
        int repeatOf = 0;
        if (!entry.nameKey.empty()) {
            if (const auto [at, added] = first.try_emplace(entry.nameKey, entry.line); !added)
                repeatOf = at->second;
        }
        if (repeatOf != entry.repeatOf || (moved && repeatOf != 0)) {
            entry.repeatOf = repeatOf;
            checkRow(entry);
        }
    }
}

ListDocument::Rows ListDocument::setCell(int row, int column, std::string text) {
    ListEntry& entry = rows_[std::size_t(row)];
    if (!entry.changed)
        entry.changed = std::make_unique<std::vector<std::string>>(cellsRead(entry));
    std::vector<std::string>& cells = *entry.changed;
    if (cells.size() <= std::size_t(column))
        cells.resize(std::size_t(column) + 1);
    cells[std::size_t(column)] = std::move(text);
    const std::string key = entry.nameKey;
    checkRow(entry);
    Rows rechecked{row, row};
    if (entry.nameKey != key)
        recheckNames(key, entry.nameKey, rechecked);
    return rechecked;
}

void ListDocument::recheckNames(std::string_view before, std::string_view after, Rows& rechecked) {
    // Only rows of the old or the new name can change: no full pass over a long list.
    int firstBefore = 0;
    int firstAfter = 0;
    for (ListEntry& entry : rows_) {
        if (entry.nameKey.empty())
            continue;
        int* first = entry.nameKey == before  ? &firstBefore
                     : entry.nameKey == after ? &firstAfter
                                              : nullptr;
        if (first == nullptr)
            continue;
        const int repeatOf = *first;
        if (*first == 0)
            *first = entry.line;
        if (repeatOf != entry.repeatOf) {
            entry.repeatOf = repeatOf;
            checkRow(entry);
            const int row = static_cast<int>(&entry - rows_.data());
            rechecked.first = std::min(rechecked.first, row);
            rechecked.last = std::max(rechecked.last, row);
        }
    }
}

ListEntry ListDocument::NewEntry(std::vector<std::string> cells) {
    ListEntry entry;
    entry.changed = std::make_unique<std::vector<std::string>>(std::move(cells));
    return entry;
}

void ListDocument::insertRow(int at, ListEntry entry) {
    if (entry.changed && entry.changed->size() < headers_.size())
        entry.changed->resize(headers_.size());
    entry.repeatOf = 0;
    entry.verdict = {}; // counted again when checked here
    auto it = rows_.insert(rows_.begin() + at, std::move(entry));
    checkRow(*it);
    recheckNames();
}

ListEntry ListDocument::takeRow(int at) {
    ListEntry entry = std::move(rows_[std::size_t(at)]);
    count(entry.verdict, -1);
    rows_.erase(rows_.begin() + at);
    recheckNames();
    return entry;
}

std::string_view ListDocument::lineEndOf(const ListEntry& entry) const {
    if (entry.recordBegin != std::string::npos) {
        const std::string_view record =
            std::string_view(original_).substr(entry.recordBegin, entry.end - entry.recordBegin);
        for (std::string_view end : {"\r\n", "\n", "\r"}) {
            if (record.ends_with(end))
                return end;
        }
    }
    return lineEnd_;
}

std::string ListDocument::recordBytes(const ListEntry& entry, bool* ok,
                                      std::string* problem) const {
    const std::string_view text(original_);
    if (entry.recordBegin != std::string::npos) {
        const std::string_view read = text.substr(entry.recordBegin, entry.end - entry.recordBegin);
        if (!entry.changed)
            return std::string(read);
        // Edited and put back (undone): the bytes read, quoting and all.
        const std::vector<std::string> before = cellsRead(entry);
        std::vector<std::string> cells = *entry.changed;
        while (cells.size() > before.size() && cells.back().empty())
            cells.pop_back();
        if (cells == before)
            return std::string(read);
    }
    const std::vector<std::string>& cells = *entry.changed;
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            line += ',';
        batch::AppendCsvCell(line, cells[c]);
    }
    line += lineEndOf(entry);
    if (encoding() != batch::ListEncoding::ShiftJis)
        return line;
    const std::optional<QByteArray> sjis =
        reports::ToShiftJis(QString::fromUtf8(line.data(), qsizetype(line.size())));
    if (!sjis) {
        *ok = false;
        if (problem != nullptr && problem->empty())
            *problem = std::to_string(entry.line) + "行目（" + cells.front() +
                       "）に Shift-JIS で書けない文字があります。";
        return {};
    }
    return sjis->toStdString();
}

FileResult<std::string> ListDocument::bytes() const {
    const std::string_view text(original_);
    std::string out(text.substr(0, bodyBegin_));
    out.reserve(original_.size() + 64);
    bool ok = true;
    std::string problem;
    for (const ListEntry& entry : rows_) {
        if (!EndsWithBreak(out))
            out += lineEnd_;
        if (entry.blankBegin != std::string::npos)
            out += text.substr(entry.blankBegin, entry.recordBegin - entry.blankBegin);
        out += recordBytes(entry, &ok, &problem);
    }
    const std::string_view tail = text.substr(tailBegin_);
    if (!tail.empty() && !EndsWithBreak(out))
        out += lineEnd_;
    out += tail;
    if (!ok)
        return FileResult<std::string>::Failed(QString::fromStdString(problem));
    return out;
}

} // namespace varnok::listwindow
