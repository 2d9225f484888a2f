#pragma once
// The results table: one CSV line per row of the beam list, the checked beams
// with what their sheets show, the bad rows with the reason they were left out.

#include "beam_list.h"
#include "beam_run.h"

#include <QByteArray>
#include <string>

namespace varnok::batch {

/// One line of the table, also what the calc book's summary page lists.
struct TableRow {
    int line = 0;
    std::string memberName;
    std::string arrangement; // the launcher's caption
    std::string series;      // 細幅 / 中幅 / 広幅
    std::string duration;    // 長期 / 短期
    BeamResult result;
    std::string overall; // "ＯＫ", "ＮＧ" or "入力エラー"
    std::string note;    // the reasons of a bad row
};

TableRow CheckedRow(const BeamRow& beam, const BeamResult& result);
TableRow BadRow(const ListRow& row);

/// The header line and the lines, UTF-8 with CR LF.
std::string TableHeader();
std::string TableLine(const TableRow& row);

/// The table in the list's encoding (with a byte-order mark for UTF-8 that had
/// one); false when a character cannot be written in Shift-JIS.
bool EncodeTable(const std::string& utf8, ListEncoding encoding, QByteArray& bytes);

} // namespace varnok::batch
