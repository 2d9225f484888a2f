#include "results_table.h"

#include "shift_jis.h"

#include <QString>

#include <array>

namespace varnok::batch {

namespace {

constexpr std::array<std::string_view, 25> kHeaders{
    "行",       "部材名",     "荷重形式", "系列",       "長期短期", "選定",       "L(m)",
    "Lb(m)",    "w(kN/m)",    "P(kN)",    "断面",       "M(kN・m)", "Zx(cm3)",    "fb(N/mm2)",
    "応力度比", "許容値",     "曲げ判定", "δ(cm)",      "L/δ",      "たわみ判定", "溶接部比",
    "溶接部判定", "総合判定", "入力エラー", "備考"};

void Append(std::string& line, std::string_view cell) {
    if (!line.empty() && line.back() != '\n')
        line += ',';
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += cell;
        return;
    }
    line += '"';
    for (char c : cell) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

} // namespace

TableRow CheckedRow(const ListRow& list, const BeamResult& result) {
    const BeamRow& beam = *list.beam;
    TableRow row;
    row.note = list.note;
    row.line = beam.line;
    row.memberName = beam.memberName;
    row.arrangement = ArrangementName(beam.arrangement);
    row.series = SeriesName(beam.series);
    row.duration = beam.shortTerm ? "短期" : "長期";
    row.selection = beam.raiseUntilPasses ? "全検定" : "曲げ";
    row.result = result;
    row.overall = result.passes ? "ＯＫ" : "ＮＧ";
    return row;
}

TableRow BadRow(const ListRow& list) {
    TableRow row;
    row.line = list.line;
    row.memberName = list.memberName;
    row.overall = "入力エラー";
    row.note = list.note;
    for (const RowProblem& p : list.problems) {
        if (!row.errors.empty())
            row.errors += " / ";
        row.errors += p.columnName + ": " + p.reason;
    }
    return row;
}

std::string TableHeader() {
    std::string line;
    for (std::string_view h : kHeaders)
        Append(line, h);
    return line + "\r\n";
}

std::string TableLine(const TableRow& row) {
    const BeamResult& r = row.result;
    std::string line;
    Append(line, std::to_string(row.line));
    Append(line, row.memberName);
    for (const std::string* cell :
         {&row.arrangement, &row.series, &row.duration, &row.selection, &r.span,
          &r.bucklingLength, &r.w, &r.P, &r.section, &r.moment, &r.Zx, &r.fb, &r.stressRatio,
          &r.limit, &r.bendingVerdict, &r.deflection, &r.spanOverDeflection, &r.deflectionVerdict,
          &r.weldRatio, &r.weldVerdict, &row.overall, &row.errors, &row.note})
        Append(line, *cell);
    return line + "\r\n";
}

bool EncodeTable(const std::string& utf8, ListEncoding encoding, QByteArray& bytes) {
    if (encoding != ListEncoding::ShiftJis) {
        bytes.clear();
        if (encoding == ListEncoding::Utf8WithBom)
            bytes = "\xEF\xBB\xBF";
        bytes.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
        return true;
    }
    const std::optional<QByteArray> sjis =
        reports::ToShiftJis(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    bytes = sjis.value_or(QByteArray());
    return sjis.has_value();
}

ListEncoding TableEncodingFor(ListEncoding list) {
    return list == ListEncoding::ShiftJis ? ListEncoding::ShiftJis : ListEncoding::Utf8WithBom;
}

} // namespace varnok::batch
