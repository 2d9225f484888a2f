#include "beam_list.h"

#include "blank_text.h"
#include "calculate_inputs.h"
#include "read_number.h"
#include "sheet_traits.h"
#include "text_report_file.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <utility>

namespace varnok::batch {

namespace {

// clang-format off
const std::vector<ColumnRow> kColumns{
    {Column::MemberName, "部材名", "name", "", true, 0, 0},
    {Column::Arrangement, "荷重形式", "case", "", true, 0, 0},
    {Column::Span, "スパン", "L", "m", true, 2, 2},
    {Column::BucklingLength, "座屈長さ", "Lb", "m", false, 3, 3},
    {Column::WAreaLoad, "w単位荷重", "w_load", "kN/m2", false, 4, 4},
    {Column::WWidth, "w負担幅", "w_width", "m", false, 5, 5},
    {Column::WAdded, "w追加荷重", "w_add", "kN/m", false, 6, 6},
    {Column::PAreaLoad, "P単位荷重", "p_load", "kN/m2", false, 8, 0},
    {Column::PWidth, "P負担幅", "p_width", "m", false, 9, 0},
    {Column::PLength, "P負担長さ", "p_length", "m", false, 10, 0},
    {Column::PAdded, "P追加荷重", "p_add", "kN", false, 11, 0},
    {Column::W2AreaLoad, "w2単位荷重", "w2_load", "kN/m2", false, 0, 7},
    {Column::W2Width, "w2負担幅", "w2_width", "m", false, 0, 8},
    {Column::W2Added, "w2追加荷重", "w2_add", "kN/m", false, 0, 9},
    {Column::Series, "系列", "series", "", false, 0, 0},
    {Column::Duration, "長期短期", "term", "", false, 0, 0},
    {Column::Section, "指定断面", "section", "", false, 0, 0},
    {Column::Select, "選定", "select", "", false, 0, 0},
    {Column::Note, "備考", "note", "", false, 0, 0},
};
// clang-format on

struct NamedValue {
    std::string_view spellings; // "|"-separated, already normalised
    int value;
};

// clang-format off
constexpr std::array<NamedValue, 6> kArrangements{{
    {"1点集中荷重|1点|1p|1", static_cast<int>(LoadCaseButton::OnePoint)},
    {"2点集中荷重|2点|2p|2", static_cast<int>(LoadCaseButton::TwoPoints)},
    {"3点集中荷重|3点|3p|3", static_cast<int>(LoadCaseButton::ThreePoints)},
    {"4点集中荷重|4点|4p|4", static_cast<int>(LoadCaseButton::FourPoints)},
    {"等分布荷重|等分布|u", static_cast<int>(LoadCaseButton::UniformOnly)},
    {"片持梁の計算|片持梁|片持|c|cg", static_cast<int>(LoadCaseButton::Cantilever)},
}};
constexpr std::array<NamedValue, 3> kSeries{{
    {"細幅|narrow|n", static_cast<int>(SectionSeries::Narrow)},
    {"中幅|medium|m", static_cast<int>(SectionSeries::Medium)},
    {"広幅|wide|w", static_cast<int>(SectionSeries::Wide)},
}};
constexpr std::array<NamedValue, 2> kDurations{{
    {"長期|long|l", 0},
    {"短期|short|s", 1},
}};
constexpr std::array<NamedValue, 2> kSelections{{
    {"曲げ|bending|b", 0},
    {"全検定|all|a", 1},
}};
// The rows a list may have before its header, by their first cell.
constexpr std::array<NamedValue, 3> kTitles{{
    {"物件名|project", 0},
    {"設計者|engineer", 1},
    {"作成日|date", 2},
}};
// clang-format on

QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// A header without the unit a spreadsheet user may have added: "スパン(m)",
/// "w負担幅[m]", "［kN/m2］" (full-width brackets are folded to these).
std::string HeaderKey(std::string_view header) {
    std::string key = Normalised(header);
    for (const auto [open, close] : {std::pair{'(', ')'}, std::pair{'[', ']'}}) {
        if (!key.empty() && key.back() == close) {
            if (const auto at = key.rfind(open); at != std::string::npos && at > 0)
                key.erase(at);
            break;
        }
    }
    return key;
}

/// The longest file name the file systems take: 255 bytes (Linux, macOS) or
/// 255 UTF-16 units (Windows).
constexpr qsizetype kLongestFileName = 255;

std::optional<int> Lookup(std::string_view cell, const auto& table) {
    const std::string key = Normalised(cell);
    for (const NamedValue& entry : table) {
        std::string_view rest = entry.spellings;
        while (!rest.empty()) {
            const auto bar = rest.find('|');
            if (rest.substr(0, bar) == key)
                return entry.value;
            rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
        }
    }
    return std::nullopt;
}

std::string NameReason(const reports::NameCheck& check) {
    const std::string chars = check.characters.toStdString();
    switch (check.problem) {
    case reports::NameProblem::None:
        break;
    case reports::NameProblem::PathSeparator:
    case reports::NameProblem::ForbiddenCharacter:
        return "ファイル名に使えない文字（" + chars + "）を含んでいます";
    case reports::NameProblem::DotName:
        return "「.」や「..」はファイル名にできません";
    case reports::NameProblem::ControlCharacter:
        return "改行やタブなどの制御文字を含んでいます";
    case reports::NameProblem::ReservedName:
        return "Windowsが予約している名前（" + chars + "）のためファイル名にできません";
    case reports::NameProblem::NotShiftJis:
        return "Shift-JISで書けない文字（" + chars + "）を含んでいます";
    }
    return {};
}

bool IsNumberColumn(Column column) {
    return column >= Column::Span && column <= Column::W2Added;
}

// The fields a freshly opened sheet shows "0" in (its added loads): a blank
// cell leaves them so.
bool OpensAtZero(int field, SheetKind kind) {
    const std::span<const int> zero = TraitsOf(kind).zeroOnSetUp;
    return std::find(zero.begin(), zero.end(), field) != zero.end();
}

} // namespace

const std::vector<ColumnRow>& ColumnRows() {
    return kColumns;
}

const ColumnRow& ColumnRowOf(Column column) {
    return kColumns[static_cast<std::size_t>(column)];
}

std::string_view ArrangementName(LoadCaseButton arrangement) {
    return LoadCaseFor(arrangement).caption;
}

std::string_view SeriesName(SectionSeries series) {
    switch (series) {
    case SectionSeries::Narrow:
        return "細幅";
    case SectionSeries::Medium:
        return "中幅";
    case SectionSeries::Wide:
        return "広幅";
    }
    return {};
}

int FindSection(std::string_view designation, SectionSeries series, bool* elsewhere) {
    const std::string key = Normalised(designation);
    const SeriesRange range = RangeOf(series);
    int found = 0;
    bool other = false;
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const CatalogueEntry& entry = kCatalogueTable[static_cast<std::size_t>(r - 1)];
        if (Normalised(entry.designation) != key && Normalised(entry.reportDesignation) != key)
            continue;
        if (r >= range.first && r <= range.last) {
            found = r;
            break;
        }
        other = true;
    }
    if (elsewhere != nullptr)
        *elsewhere = found == 0 && other;
    return found;
}

BeamList BeamList::Open(std::string_view bytes) {
    BeamList list;
    std::optional<std::string> text = DecodeList(bytes, list.encoding_);
    if (!text) {
        list.error_ = "文字コードを判別できません（UTF-8 でも Shift-JIS でもありません）。";
        return list;
    }
    list.records_ = CsvRecords(std::move(*text));
    CsvRecord header;
    bool found = false;
    while (list.records_.next(header)) {
        if (header.blank())
            continue;
        if (const auto title = Lookup(header.cells.front(), kTitles)) {
            std::optional<std::string>& value = *title == 0   ? list.titles_.project
                                                : *title == 1 ? list.titles_.engineer
                                                              : list.titles_.date;
            value = header.cells.size() > 1 ? header.cells[1] : std::string();
            continue;
        }
        found = true;
        break;
    }
    if (!found) {
        list.error_ = list.unclosedQuote().value_or("ファイルが空です。");
        return list;
    }
    std::vector<std::string> unknown;
    int known = 0;
    for (const std::string& cell : header.cells) {
        list.headers_.push_back(cell);
        std::optional<Column> column;
        const std::string key = HeaderKey(cell);
        for (const ColumnRow& entry : kColumns) {
            if (key == Normalised(entry.header) || key == Normalised(entry.alias))
                column = entry.column;
        }
        if (!column) {
            if (!IsBlank(cell)) {
                unknown.push_back(cell);
                list.extraColumns_.push_back(list.headers_.size() - 1);
            }
            continue;
        }
        ++known;
        std::optional<std::size_t>& position = list.cellOf_[static_cast<std::size_t>(*column)];
        if (position) {
            list.error_ = "列「" + cell + "」が二つあります。";
            return list;
        }
        position = list.headers_.size() - 1;
    }
    if (known == 0) {
        list.error_ = "見出し行がありません（" + std::to_string(header.line) +
                      "行目に「部材名」「荷重形式」「スパン」などの列名が必要です）。";
        return list;
    }
    if (!unknown.empty()) {
        // A column the engineer added (a floor, a grid line) is no error: it is
        // told once and copied into the results table as it stands.
        std::string names;
        for (const std::string& u : unknown)
            names += "「" + u + "」";
        list.warning_ = "見出しの列" + names + "は読みません（結果一覧にそのまま写します）。";
    }
    for (const ColumnRow& entry : kColumns) {
        if (entry.required && !list.cellOf_[static_cast<std::size_t>(entry.column)]) {
            list.error_ = "必須の列「" + std::string(entry.header) + "」がありません。";
            return list;
        }
    }
    list.body_ = list.records_.mark();
    list.headerLine_ = header.line;
    return list;
}

void BeamList::rewind() {
    records_.seek(body_);
    seenNames_.clear();
}

void BeamList::forgetText() {
    // Swapped out, not assigned: assigning an empty string keeps the old buffer.
    CsvRecords none;
    std::swap(records_, none);
    body_ = {};
    seenNames_.clear();
}

std::string UnclosedQuoteMessage(int line) {
    return std::to_string(line) +
           "行目の「\"」で始まるセルが閉じていません（引用符の対を確かめて下さい）。";
}

std::optional<std::string> BeamList::unclosedQuote() const {
    if (records_.unclosedLine() == 0)
        return std::nullopt;
    return UnclosedQuoteMessage(records_.unclosedLine());
}

std::vector<std::string> BeamList::extraHeaders() const {
    std::vector<std::string> headers;
    for (const std::size_t i : extraColumns_)
        headers.push_back(headers_[i]);
    return headers;
}

bool BeamList::next(ListRow& row) {
    CsvRecord record;
    while (records_.next(record)) {
        if (record.blank())
            continue;
        row = interpret(record);
        if (!row.nameKey.empty()) {
            if (const auto [at, added] = seenNames_.try_emplace(row.nameKey, record.line); !added)
                markRepeatedName(row, at->second);
        }
        return true;
    }
    // An unclosed quote would take every row after it into one cell.
    if (!error_)
        error_ = unclosedQuote();
    return false;
}

std::optional<Column> BeamList::columnAt(std::size_t position) const {
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        if (cellOf_[c] == position)
            return static_cast<Column>(c);
    }
    return std::nullopt;
}

void BeamList::addProblem(ListRow& row, Column c, std::string reason) const {
    const auto i = cellOf_[static_cast<std::size_t>(c)];
    row.problems.push_back({row.line, i ? static_cast<int>(*i) + 1 : 0,
                            i ? headers_[*i] : std::string(ColumnRowOf(c).header),
                            std::move(reason)});
}

void BeamList::markRepeatedName(ListRow& row, int firstLine) const {
    // Told first, where the name's own problems would stand.
    addProblem(row, Column::MemberName,
               "部材名が" + std::to_string(firstLine) +
                   "行目と同じです（レポートが上書きされます）");
    std::rotate(row.problems.begin(), row.problems.end() - 1, row.problems.end());
    row.beam.reset();
}

ListRow BeamList::interpret(const CsvRecord& record) const {
    ListRow row;
    row.line = record.line;
    auto cell = [&](Column c) -> std::string_view {
        const auto i = cellOf_[static_cast<std::size_t>(c)];
        return i && *i < record.cells.size() ? std::string_view(record.cells[*i])
                                             : std::string_view{};
    };
    auto problem = [&](Column c, std::string reason) { addProblem(row, c, std::move(reason)); };

    for (const std::size_t i : extraColumns_)
        row.extraCells.push_back(i < record.cells.size() ? record.cells[i] : std::string());
    // A line break inside a quoted cell is refused wherever it stands: no
    // column has a use for one, and a row that runs over several lines may
    // hold rows meant to be beams of their own.
    if (record.lastLine > record.line) {
        for (std::size_t i = 0; i < record.cells.size(); ++i) {
            if (record.cells[i].find_first_of("\r\n") == std::string::npos)
                continue;
            row.problems.push_back({record.line, static_cast<int>(i) + 1,
                                    i < headers_.size() ? headers_[i] : std::string(),
                                    "セルの中に改行があります（" + std::to_string(record.line) +
                                        "～" + std::to_string(record.lastLine) +
                                        "行目が一つの行として読まれます）"});
        }
    }

    BeamRow beam;
    beam.line = record.line;
    beam.memberName = std::string(cell(Column::MemberName));
    row.memberName = beam.memberName;
    row.note = std::string(cell(Column::Note));
    const QString reportName = FromUtf8(beam.memberName) + QStringLiteral(".TXT");
    // A name of blanks, full-width ones too, names no report.
    if (IsBlank(beam.memberName)) {
        problem(Column::MemberName, "部材名がありません（レポートのファイル名になります）");
    } else if (const reports::NameCheck check = reports::CheckMemberName(
                   FromUtf8(beam.memberName), reports::FileNameRules::Windows);
               !check.ok()) {
        problem(Column::MemberName, NameReason(check));
    } else if (reportName.size() > kLongestFileName ||
               reportName.toUtf8().size() > kLongestFileName) {
        problem(Column::MemberName, "部材名が長すぎます（レポートのファイル名は" +
                                        std::to_string(kLongestFileName) + "バイトまで）");
    } else {
        // Windows compares file names without regard to case.
        row.nameKey = FromUtf8(beam.memberName).toUpper().toStdString();
    }

    const std::string_view arrangement = cell(Column::Arrangement);
    const std::optional<int> button = Lookup(arrangement, kArrangements);
    if (!button) {
        problem(Column::Arrangement,
                IsBlank(arrangement)
                    ? std::string("荷重形式がありません")
                    : "荷重形式「" + std::string(arrangement) +
                          "」が分かりません（１点集中荷重～４点集中荷重、等分布荷重、片持梁）");
    } else {
        beam.arrangement = static_cast<LoadCaseButton>(*button);
        beam.kind = LoadCaseFor(beam.arrangement).sheet;
    }

    for (const ColumnRow& entry : kColumns) {
        if (!IsNumberColumn(entry.column))
            continue;
        const std::string_view text = cell(entry.column);
        const int field = !button                           ? 0
                          : beam.kind == SheetKind::kei3_b2 ? entry.uniformField
                                                            : entry.pointField;
        if (IsBlank(text)) {
            if (entry.column == Column::Span)
                problem(entry.column, "スパンがありません");
            else if (field != 0 && OpensAtZero(field, beam.kind))
                beam.fieldTexts[static_cast<std::size_t>(field)] = "0";
            continue;
        }
        // A cell is a number only as a whole, by the sheets' own reading rule.
        const std::optional<double> value = ReadWholeNumber(text);
        if (!value) {
            problem(entry.column, "「" + std::string(text) + "」は数値ではありません");
            continue;
        }
        if (!std::isfinite(*value)) {
            problem(entry.column, "「" + std::string(text) + "」は大きすぎます");
            continue;
        }
        // The sheets' own refusals of a span and a buckling length.
        const CalculateRefusal refusal =
            entry.column == Column::Span             ? CheckCalculateInputs(text, "0")
            : entry.column == Column::BucklingLength ? CheckCalculateInputs("1", text)
                                                     : CalculateRefusal::None;
        if (refusal == CalculateRefusal::MissingSpan)
            problem(entry.column, "スパンは 0 より大きい数で入力して下さい");
        else if (refusal == CalculateRefusal::NegativeBucklingLength)
            problem(entry.column, "座屈長さは 0 以上の数で入力して下さい");
        if (button && field == 0) {
            if (*value != 0)
                problem(entry.column, "荷重形式「" +
                                          std::string(ArrangementName(beam.arrangement)) +
                                          "」では使わない列です");
            continue;
        }
        beam.fieldTexts[static_cast<std::size_t>(field)] = std::string(text);
    }

    if (const std::string_view s = cell(Column::Series); !IsBlank(s)) {
        if (const auto series = Lookup(s, kSeries))
            beam.series = static_cast<SectionSeries>(*series);
        else
            problem(Column::Series,
                    "系列「" + std::string(s) + "」が分かりません（細幅・中幅・広幅）");
    }
    if (const std::string_view d = cell(Column::Duration); !IsBlank(d)) {
        if (const auto term = Lookup(d, kDurations))
            beam.shortTerm = *term == 1;
        else
            problem(Column::Duration, "「" + std::string(d) + "」が分かりません（長期・短期）");
    }
    if (const std::string_view s = cell(Column::Section); !IsBlank(s)) {
        bool elsewhere = false;
        beam.sectionRow = FindSection(s, beam.series, &elsewhere);
        if (beam.sectionRow == 0)
            problem(Column::Section,
                    elsewhere ? "断面「" + std::string(s) + "」は系列「" +
                                    std::string(SeriesName(beam.series)) + "」にありません"
                              : "断面「" + std::string(s) + "」は断面表にありません");
    }
    if (const std::string_view s = cell(Column::Select); !IsBlank(s)) {
        if (const auto select = Lookup(s, kSelections))
            beam.raiseUntilPasses = *select == 1;
        else
            problem(Column::Select, "選定「" + std::string(s) + "」が分かりません（曲げ・全検定）");
    }
    if (row.problems.empty())
        row.beam = std::move(beam);
    return row;
}

} // namespace varnok::batch
