#include "results_table.h"

#include "shift_jis.h"

#include <QString>

#include <array>

namespace varnok::batch {

namespace {

constexpr std::array<std::string_view, 25> kHeaders{
    "行",         "部材名",   "荷重形式",   "系列",  "長期短期", "選定",       "L(m)",
    "Lb(m)",      "w(kN/m)",  "P(kN)",      "断面",  "M(kN・m)", "Zx(cm3)",    "fb(N/mm2)",
    "応力度比",   "許容値",   "曲げ判定",   "δ(cm)", "L/δ",      "たわみ判定", "溶接部比",
    "溶接部判定", "総合判定", "入力エラー", "備考"};

/// A cell a spreadsheet shows as a number as it stands: sign, digits, one ".".
bool IsPlainNumber(std::string_view cell) {
    std::size_t i = cell.empty() || (cell[0] != '-' && cell[0] != '+') ? 0 : 1;
    bool digits = false, point = false;
    for (; i < cell.size(); ++i) {
        if (cell[i] >= '0' && cell[i] <= '9')
            digits = true;
        else if (cell[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

void Append(std::string& line, std::string_view cell) {
    if (!line.empty() && line.back() != '\n')
        line += ',';
    // A formula in a member name or a copied cell is shown, never evaluated.
    std::string guarded;
    if (!cell.empty() &&
        std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos &&
        !IsPlainNumber(cell)) {
        guarded = "'" + std::string(cell);
        cell = guarded;
    }
    AppendCsvCell(line, cell);
}

/// `text` with each of the characters `unencodable` lists replaced by "?".
std::string Questioned(const std::string& text, const QString& unencodable) {
    QString s = QString::fromStdString(text);
    for (qsizetype i = 0; i < unencodable.size();) {
        const qsizetype length = unencodable[i].isHighSurrogate() ? 2 : 1;
        s.replace(unencodable.mid(i, length), QStringLiteral("?"));
        i += length;
    }
    return s.toStdString();
}

} // namespace

TableRow CheckedRow(const ListRow& list, const BeamRun& run) {
    const BeamRow& beam = *list.beam;
    TableRow row;
    row.note = list.note;
    row.extra = list.extraCells;
    row.line = beam.line;
    row.memberName = beam.memberName;
    row.arrangement = ArrangementName(beam.arrangement);
    row.series = SeriesName(beam.series);
    row.duration = beam.shortTerm ? "短期" : "長期";
    row.selection = beam.raiseUntilPasses ? "全検定" : "曲げ";
    row.result = run.design().result;
    row.loads = ShownLoads(run.design());
    row.raised = run.raised();
    return row;
}

TableRow BadRow(const ListRow& list) {
    TableRow row;
    row.line = list.line;
    row.memberName = list.memberName;
    row.extra = list.extraCells;
    row.note = list.note;
    for (const RowProblem& p : list.problems) {
        if (!row.errors.empty())
            row.errors += " / ";
        row.errors += p.columnName + ": " + p.reason;
    }
    return row;
}

std::string TableHeader(const std::vector<std::string>& extraHeaders) {
    std::string line;
    for (std::string_view h : kHeaders)
        Append(line, h);
    for (const std::string& h : extraHeaders)
        Append(line, h);
    return line + "\r\n";
}

std::string TableLine(const TableRow& row) {
    std::string line;
    Append(line, std::to_string(row.line));
    Append(line, row.memberName);
    for (const std::string* cell : {&row.arrangement, &row.series, &row.duration, &row.selection})
        Append(line, *cell);
    for (const std::string& load : row.loads)
        Append(line, load);
    // The results up to the weld section's verdict; the overall verdict follows.
    for (int c = 0; c < kResultCells - 1; ++c)
        Append(line, row.result ? ResultText(*row.result, ResultCell(c)) : std::string_view());
    Append(line, row.overall());
    Append(line, row.errors);
    Append(line, row.note);
    for (const std::string& cell : row.extra)
        Append(line, cell);
    return line + "\r\n";
}

QByteArray TablePreamble(ListEncoding encoding) {
    return encoding == ListEncoding::Utf8WithBom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
}

reports::EncodedReport EncodeTableLine(const std::string& utf8, ListEncoding encoding) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (encoding == ListEncoding::ShiftJis)
        return reports::EncodeShiftJisText(text);
    return {QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size())), {}};
}

TableRow UnwritableRow(ListRow& row, const QString& unencodable) {
    row.beam.reset();
    row.problems.push_back({row.line, 0, "結果一覧",
                            "結果一覧の文字コード（Shift-JIS）で書けない文字があります"
                            "（「?」で示します。--encoding utf-8 なら書けます）"});
    TableRow bad = BadRow(row);
    for (std::string* text : {&bad.memberName, &bad.errors, &bad.note})
        *text = Questioned(*text, unencodable);
    for (std::string& cell : bad.extra)
        cell = Questioned(cell, unencodable);
    return bad;
}

QByteArray TableHeaderBytes(const std::vector<std::string>& extraHeaders, ListEncoding encoding) {
    reports::EncodedReport bytes = EncodeTableLine(TableHeader(extraHeaders), encoding);
    if (!bytes.ok())
        bytes = EncodeTableLine(Questioned(TableHeader(extraHeaders), bytes.unencodable), encoding);
    return bytes.bytes;
}

ListEncoding TableEncodingFor(ListEncoding list) {
    return list == ListEncoding::ShiftJis ? ListEncoding::ShiftJis : ListEncoding::Utf8WithBom;
}

} // namespace varnok::batch
