#include "calc_book.h"

#include "qt_colour.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace varnok::batch {

namespace {

constexpr int kLeft = 10;      // the summary starts left of the report pages: it is wider
constexpr int kHeadLines = 9;  // summary lines above the first beam
constexpr int kFootLines = 3;  // kept free above the page number
constexpr int kNameWidth = 20; // columns of the member name in the summary

// The code point starting at s[i] and its length in bytes.
char32_t CodePoint(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? b : b & (0xFF >> (length + 1));
    for (int k = 1; k < length && i + k < s.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += static_cast<std::size_t>(length);
    return c;
}

// A column is one byte of the Shift-JIS text, as on the report pages: ASCII and
// the half-width kana take one, every other character (Greek δ too) two.
int Width(char32_t c) {
    const bool halfKana = c >= 0xFF61 && c <= 0xFF9F;
    return c < 0x80 || halfKana ? 1 : 2;
}

/// The text cut or padded with blanks to exactly `width` columns.
std::string Fit(std::string_view text, int width) {
    std::string out;
    int used = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const int w = Width(CodePoint(text, i));
        if (used + w > width)
            break;
        out.append(text.substr(start, i - start));
        used += w;
    }
    out.append(static_cast<std::size_t>(width - used), ' ');
    return out;
}

std::string SummaryLine(const TableRow& row, std::size_t number) {
    const BeamResult& r = row.result;
    std::string line = Fit(std::to_string(number), 6);
    line += Fit(row.memberName, kNameWidth + 1);
    line += Fit(row.arrangement, 13);
    if (row.overall == "入力エラー")
        return line + Fit("（" + row.note, 60);
    line += Fit(r.section, 18);
    line += Fit(r.stressRatio, 7) + Fit(r.bendingVerdict, 5);
    line += Fit(r.spanOverDeflection, 6) + Fit(r.deflectionVerdict, 5);
    line += Fit(r.weldRatio, 7) + Fit(r.weldVerdict, 5);
    return line + row.overall;
}

void DrawFoot(QPainter& painter, reports::Typeface face, int page, int pages) {
    painter.setFont(QFont(reports::PageFont(face), painter.device()));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QString text = QStringLiteral("- %1 / %2 -").arg(page).arg(pages);
    const QRectF area = painter.window();
    const qreal x = (area.width() - metrics.horizontalAdvance(text)) / 2;
    painter.drawText(QPointF(x, area.height() - metrics.descent() - metrics.lineSpacing()), text);
}

} // namespace

int DisplayWidth(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();)
        width += Width(CodePoint(utf8, i));
    return width;
}

reports::ReportLines SummaryLines(const CalcBookSource& source, std::size_t first,
                                  std::size_t count) {
    const BookCounts& n = source.counts;
    reports::ReportLines lines(2);
    lines.push_back({kLeft, "計算書　梁リスト「" + source.title.toStdString() + "」"});
    lines.emplace_back();
    lines.push_back({kLeft, "梁 " + std::to_string(n.beams) + " 本　　ＯＫ " +
                                std::to_string(n.passed) + "　　ＮＧ " + std::to_string(n.failed) +
                                "　　入力エラー " + std::to_string(n.bad)});
    lines.emplace_back();
    lines.push_back({kLeft, Fit("No.", 6) + Fit("部材名", kNameWidth + 1) + Fit("荷重形式", 13) +
                                Fit("断面", 18) + Fit("応力比", 7) + Fit("判定", 5) +
                                Fit("L/δ", 6) + Fit("判定", 5) + Fit("溶接部", 7) + Fit("判定", 5) +
                                "総合"});
    lines.push_back({kLeft, std::string(100, '-')});
    lines.emplace_back();
    const std::vector<TableRow>& rows = *source.rows;
    for (std::size_t i = first; i < std::min(rows.size(), first + count); ++i)
        lines.push_back({kLeft, SummaryLine(rows[i], i + 1)});
    return lines;
}

int WriteCalcBook(QIODevice& device, reports::Typeface face, const CalcBookSource& source) {
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setTitle(QStringLiteral("計算書 ") + source.title);
    writer.setCreator(QStringLiteral("VARNOK_3"));
    QPainter painter;
    if (!painter.begin(&writer))
        return 0;

    const QFontMetricsF metrics(QFont(reports::PageFont(face), &writer), &writer);
    const int linesPerPage = static_cast<int>(painter.window().height() / metrics.lineSpacing());
    const auto perSummaryPage =
        static_cast<std::size_t>(std::max(1, linesPerPage - kHeadLines - kFootLines));
    const std::size_t rows = source.rows->size();
    const int summaryPages =
        static_cast<int>(std::max<std::size_t>(1, (rows + perSummaryPage - 1) / perSummaryPage));
    const int pages = summaryPages + source.beamPages;

    int page = 0;
    auto nextSheet = [&] {
        if (page > 0)
            writer.newPage();
        ++page;
    };
    for (int s = 0; s < summaryPages; ++s) {
        nextSheet();
        reports::DrawReportLines(
            painter,
            SummaryLines(source, static_cast<std::size_t>(s) * perSummaryPage, perSummaryPage),
            face);
        DrawFoot(painter, face, page, pages);
    }
    reports::ReportLines lines;
    for (int b = 0; b < source.beamPages; ++b) {
        nextSheet();
        source.nextPage(lines);
        reports::DrawReportLines(painter, lines, face);
        DrawFoot(painter, face, page, pages);
        if (source.progress)
            source.progress(page, pages);
    }
    return painter.end() ? pages : 0;
}

} // namespace varnok::batch
