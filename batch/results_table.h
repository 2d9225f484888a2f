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
    std::string selection;   // 曲げ / 全検定
    BeamResult result;
    std::string overall; // "ＯＫ", "ＮＧ" or "入力エラー"
    std::string errors;  // the reasons of a bad row, "" for a checked one
    std::string note;    // the user's remark (備考)
};

/// A checked row (`list.beam` set) and a bad one.
TableRow CheckedRow(const ListRow& list, const BeamResult& result);
TableRow BadRow(const ListRow& row);

/// The header line and the lines, UTF-8 with CR LF.
std::string TableHeader();
std::string TableLine(const TableRow& row);

/// The table in the list's encoding: Shift-JIS stays Shift-JIS, UTF-8 gets a
/// byte-order mark (a Japanese spreadsheet reads UTF-8 without one as
/// Shift-JIS) unless plain UTF-8 is asked for; false when a character cannot
/// be written in Shift-JIS.
bool EncodeTable(const std::string& utf8, ListEncoding encoding, QByteArray& bytes);

/// The encoding of the table for a list read in `list`, unless the user chose one.
ListEncoding TableEncodingFor(ListEncoding list);

} // namespace varnok::batch
