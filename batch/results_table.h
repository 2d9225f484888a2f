#pragma once
// The results table: one CSV line per row of the beam list, the checked beams
// with what their sheets show, the bad rows with the reason they were left out.

#include "beam_list.h"
#include "beam_run.h"
#include "text_report_file.h"

#include <QByteArray>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnok::batch {

/// One line of the table, also what the calc book's summary page lists.
struct TableRow {
    int line = 0;
    std::string memberName;
    std::string arrangement;           // the launcher's caption
    std::string series;                // 細幅 / 中幅 / 広幅
    std::string duration;              // 長期 / 短期
    std::string selection;             // 曲げ / 全検定
    std::optional<CheckResult> result; // a checked beam's record; none for a bad row
    std::array<std::string, 4> loads;  // ShownLoads of a checked beam
    bool raised = false;            // "全検定" took a larger section than the automatic choice
    std::string errors;             // the reasons of a bad row, "" for a checked one
    std::string note;               // the user's remark (備考)
    std::vector<std::string> extra; // the list's own columns the reader does not know

    /// The row's overall verdict: "ＯＫ", "ＮＧ" or "入力エラー".
    std::string_view overall() const {
        return result ? ResultText(*result, ResultCell::Overall) : kBadRowVerdict;
    }
};

/// A checked row (`list.beam` set, just checked by `run`) and a bad one.
TableRow CheckedRow(const ListRow& list, const BeamRun& run);
TableRow BadRow(const ListRow& row);

/// The header line and the lines, UTF-8 with CR LF. The columns the list
/// adds of its own come last, under their headers. A text cell that a
/// spreadsheet would take for a formula (it begins with "=", "+", "-", "@", a
/// tab or a CR and is no number) is written after a "'", so it shows as text.
std::string TableHeader(const std::vector<std::string>& extraHeaders = {});
std::string TableLine(const TableRow& row);

/// The bytes the table file starts with: the byte-order mark for UTF-8 with
/// one, else none.
QByteArray TablePreamble(ListEncoding encoding);
/// A line in the table's encoding; `unencodable` names the characters that
/// Shift-JIS cannot hold (the JIS look-alikes "〜", "−" are written in their
/// Windows forms, as the reports write them).
reports::EncodedReport EncodeTableLine(const std::string& utf8, ListEncoding encoding);
/// The header line in the table's encoding; a character of the list's own
/// headers that it cannot hold becomes "?".
QByteArray TableHeaderBytes(const std::vector<std::string>& extraHeaders, ListEncoding encoding);
/// Makes `row` a bad row for texts the table's encoding cannot hold, and
/// gives its table line, where the characters that cannot be written are "?".
TableRow UnwritableRow(ListRow& row, const QString& unencodable);

/// The encoding of the table for a list read in `list`, unless the user chose
/// one: Shift-JIS stays Shift-JIS, UTF-8 gets a byte-order mark (a Japanese
/// spreadsheet reads UTF-8 without one as Shift-JIS).
ListEncoding TableEncodingFor(ListEncoding list);

} // namespace varnok::batch
