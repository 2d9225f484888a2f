#include "calc_book.h"

#include "design_basis_page.h"
#include "output_folder.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>

namespace varnok::batch {

namespace {

constexpr int kLeft = 1;       // the summary starts left of the report pages: it is wider
constexpr int kFootLines = 2;  // kept free above the page number
constexpr int kNameWidth = 14; // columns of the member name in the summary
constexpr int kErrorWidth = 86;

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

/// The longest start of `text` that takes at most `width` columns, and its width.
std::size_t Prefix(std::string_view text, int width, int& used) {
    used = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t next = i;
        const int w = Width(CodePoint(text, next));
        if (used + w > width)
            break;
        used += w;
        i = next;
    }
    return i;
}

/// The text cut or padded with blanks to exactly `width` columns.
std::string Fit(std::string_view text, int width) {
    int used = 0;
    std::string out(text.substr(0, Prefix(text, width, used)));
    out.append(static_cast<std::size_t>(width - used), ' ');
    return out;
}

/// The text in lines of at most `width` columns, none lost.
std::vector<std::string> Wrap(std::string_view text, int width) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        int used = 0;
        const std::size_t n = std::max<std::size_t>(1, Prefix(text, width, used));
        lines.emplace_back(text.substr(0, n));
        text.remove_prefix(std::min(n, text.size()));
    }
    return lines;
}

std::string Str(const QString& text) {
    return text.toStdString();
}

std::string SummaryHead() {
    return Fit("行", 6) + Fit("部材名", kNameWidth + 1) + Fit("荷重形式", 13) + Fit("期間", 5) +
           Fit("断面", 19) + Fit("応力比/許容", 12) + Fit("判定", 5) + Fit("L/δ", 6) +
           Fit("判定", 5) + Fit("溶接部", 7) + Fit("判定", 5) + Fit("総合", 5) + "頁";
}

/// A row's summary lines: one for a checked beam, one or more for a bad row,
/// whose whole reason is given.
std::vector<std::string> SummaryRow(const TableRow& row, int page) {
    std::string line = Fit(std::to_string(row.line), 6) + Fit(row.memberName, kNameWidth + 1);
    if (!row.result) {
        std::vector<std::string> lines = Wrap("入力エラー（" + row.errors + "）", kErrorWidth);
        lines.front() = line + lines.front();
        for (std::size_t i = 1; i < lines.size(); ++i)
            lines[i] = std::string(6 + kNameWidth + 1, ' ') + lines[i];
        return lines;
    }
    auto text = [&](ResultCell cell) { return std::string(ResultText(*row.result, cell)); };
    line += Fit(row.arrangement, 13) + Fit(row.duration, 5);
    line += Fit((row.raised ? "↑" : "") + text(ResultCell::Section), 19);
    line += Fit(text(ResultCell::StressRatio) + "/" + text(ResultCell::Limit), 12) +
            Fit(text(ResultCell::BendingVerdict), 5);
    line +=
        Fit(text(ResultCell::SpanOverDeflection), 6) + Fit(text(ResultCell::DeflectionVerdict), 5);
    line += Fit(text(ResultCell::WeldRatio), 7) + Fit(text(ResultCell::WeldVerdict), 5);
    line += Fit(row.overall(), 5) + std::to_string(page);
    return {line};
}

void DrawPage(QPainter& painter, const BookPage& page, reports::Typeface face) {
    reports::DrawReportLines(painter, page.lines, face, page.bold);
}

/// The project and the date in the top margin, the page number at the foot.
void DrawMargins(QPainter& painter, reports::Typeface face, const BookHeading& heading,
                 qreal topMargin, int page, int pages) {
    painter.setFont(QFont(reports::PageFont(face), painter.device()));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF area = painter.window();
    // Centred in the top margin, above the printable area the beam page fills.
    const qreal top = -(topMargin - metrics.height()) / 2 - metrics.descent();
    if (!heading.project.isEmpty())
        painter.drawText(QPointF(0, top), heading.project);
    painter.drawText(QPointF(area.width() - metrics.horizontalAdvance(heading.date), top),
                     heading.date);
    const QString number = QStringLiteral("- %1 / %2 -").arg(page).arg(pages);
    const qreal x = (area.width() - metrics.horizontalAdvance(number)) / 2;
    painter.drawText(QPointF(x, area.height() - metrics.descent() - metrics.lineSpacing()), number);
}

/// QPdfWriter stamps the time of writing into the document information and
/// has no setter for it: the stamp is replaced in place by the book's date
/// (same length, so the cross-reference offsets stay right).
bool StampCreationDate(QIODevice& file, const QDateTime& created) {
    const QByteArray key = "/CreationDate (D:";
    if (!file.seek(0))
        return false;
    const QByteArray head = file.read(64 * 1024);
    const qsizetype at = head.indexOf(key);
    if (at < 0)
        return true; // nothing stamped
    const QByteArray stamp =
        created.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z";
    const qsizetype start = at + key.size();
    if (head.size() < start + stamp.size() || head.at(start + stamp.size()) != ')')
        return true; // not the form written by this Qt: left as it is
    return file.seek(start) && file.write(stamp) == stamp.size() && file.seek(file.size());
}

/// The book could not be written: `error` is the errno the failing call left.
FileResult<int> Unwritten(int error) {
    return FileResult<int>::Failed(SystemErrorReason(error));
}

} // namespace

QDate BookDate() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date();
    return QDate::currentDate();
}

QString DateText(QDate date) {
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QDate ParseDateText(const QString& text) {
    QString t = text.trimmed();
    for (QChar& c : t) {
        if (c >= QChar(u'０') && c <= QChar(u'９'))
            c = QChar(c.unicode() - u'０' + u'0');
    }
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})\\s*[-/.年]\\s*(\\d{1,2})\\s*[-/.月]\\s*(\\d{1,2})\\s*日?$"));
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

BookPage CoverPage(const CalcBookSource& source) {
    const BookHeading& h = source.heading;
    const BookCounts& n = source.counts;
    BookPage page;
    auto& lines = page.lines;
    lines.resize(10);
    lines.push_back({45, "構　造　計　算　書"});
    lines.emplace_back();
    lines.push_back({38, "Ｓ造小梁の断面計算（許容応力度）"});
    lines.resize(lines.size() + 8);
    constexpr int kLabel = 20, kValue = 36;
    auto item = [&](std::string_view label, const std::string& value) {
        lines.push_back({kLabel, Fit(label, kValue - kLabel) + value});
        lines.emplace_back();
    };
    item("物件名", Str(h.project));
    item("設計者", Str(h.engineer));
    item("作成日", Str(h.date));
    lines.resize(lines.size() + 4);
    item("プログラム", "VARNOK_3 Ver." VARNOK_VERSION);
    item("梁リスト", Str(h.list));
    item("SHA-256", Str(h.listHash));
    item("梁の数", std::to_string(n.beams) + " 本");
    item("内訳", "ＯＫ " + std::to_string(n.passed) + " 本　ＮＧ " + std::to_string(n.failed) +
                     " 本　入力エラー " + std::to_string(n.bad) + " 本");
    if (n.raised > 0)
        item("全検定", "自動選定より断面を上げた梁 " + std::to_string(n.raised) + " 本");
    return page;
}

std::vector<BookPage> SummaryPages(const CalcBookSource& source, int linesPerPage,
                                   int firstBeamPage) {
    const BookCounts& n = source.counts;
    reports::ReportLines head(2);
    head.push_back({kLeft, "一覧　梁 " + std::to_string(n.beams) + " 本　　ＯＫ " +
                               std::to_string(n.passed) + "　　ＮＧ " + std::to_string(n.failed) +
                               "　　入力エラー " + std::to_string(n.bad) +
                               "　　（行：梁リストの行、↑：全検定で断面を上げた梁）"});
    head.emplace_back();
    head.push_back({kLeft, SummaryHead()});
    head.push_back({kLeft, std::string(105, '-')});

    std::vector<BookPage> pages;
    int beamPage = firstBeamPage;
    for (const TableRow& row : *source.rows) {
        const bool checked = row.result.has_value();
        const std::vector<std::string> lines = SummaryRow(row, beamPage);
        if (checked)
            ++beamPage;
        const auto room = static_cast<std::size_t>(std::max(1, linesPerPage - kFootLines));
        if (pages.empty() || pages.back().lines.size() + lines.size() > room)
            pages.push_back({head, {}});
        BookPage& page = pages.back();
        for (const std::string& text : lines) {
            if (checked && !row.result->passes())
                page.bold.push_back(page.lines.size());
            page.lines.push_back({kLeft, text});
        }
    }
    if (pages.empty())
        pages.push_back({head, {}});
    return pages;
}

FileResult<int> WriteCalcBook(QIODevice& file, reports::Typeface face,
                              const CalcBookSource& source) {
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setTitle(QStringLiteral("計算書 ") + source.heading.list);
        writer.setCreator(QStringLiteral("VARNOK_3"));
        QPainter painter;
        errno = 0;
        if (!painter.begin(&writer))
            return Unwritten(errno);

        const QPageLayout layout = writer.pageLayout();
        const QRect paint = layout.paintRectPixels(writer.resolution());
        const QRect full = layout.fullRectPixels(writer.resolution());
        const qreal topMargin = paint.top() - full.top();

        const QFontMetricsF metrics(QFont(reports::PageFont(face), &writer), &writer);
        const int linesPerPage =
            static_cast<int>(painter.window().height() / metrics.lineSpacing());
        std::vector<BookPage> own{CoverPage(source), {DesignBasisLines(), {}}};
        const int summaryStart = static_cast<int>(own.size()) + 1;
        // The summary's length decides where the beams' pages begin: one more
        // pass when the first guess was short.
        std::vector<BookPage> summary = SummaryPages(source, linesPerPage, summaryStart + 1);
        summary =
            SummaryPages(source, linesPerPage, summaryStart + static_cast<int>(summary.size()));
        std::move(summary.begin(), summary.end(), std::back_inserter(own));
        summary.clear();
        pages = static_cast<int>(own.size()) + source.beamPages;

        int page = 0;
        auto margins = [&] {
            DrawMargins(painter, face, source.heading, topMargin, page, pages);
            if (source.progress)
                source.progress(page, pages);
        };
        for (const BookPage& p : own) {
            if (page++ > 0)
                writer.newPage();
            DrawPage(painter, p, face);
            margins();
        }
        own.clear();
        reports::ReportLines lines;
        for (int b = 0; b < source.beamPages; ++b) {
            writer.newPage();
            ++page;
            source.nextPage(lines);
            reports::DrawReportLines(painter, lines, face);
            margins();
        }
        errno = 0;
        if (!painter.end())
            return Unwritten(errno);
    }
    errno = 0;
    if (!StampCreationDate(file, source.created))
        return Unwritten(errno);
    return pages;
}

} // namespace varnok::batch
