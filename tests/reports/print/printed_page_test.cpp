// The printed page's layout: columns, lines, typeface, paper and page count,
// through a recording paint device and through PDF files that QPrinter writes.
#include "pdf_tools.h"
#include "printed_page.h"
#include "sample_page.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace varnok::reports {
namespace {

using testing::ColumnsOf;
using testing::SampleSimpleBeamPage;

constexpr int kDpi = 1200;
constexpr double kPointsPerInch = 72.0;
// A half-width character of a 10-point fixed-pitch Japanese face is half an em.
// The font engine rounds the face's pixel size (166.67 → 167 px at 1200 dpi), so
// a column may be that much wider; what matters is that every character keeps
// to it.
constexpr double kColumnPt = 5.0;
constexpr double kColumnPx = kColumnPt * kDpi / kPointsPerInch;
constexpr double kSizeRounding = 0.005;

/// The columns taken by the blanks (half-width and ideographic) a text starts with.
int LeadingBlankColumns(const std::string& text) {
    const QString q = QString::fromStdString(text);
    qsizetype n = 0;
    while (n < q.size() && (q[n] == u' ' || q[n] == u'\u3000'))
        ++n;
    return ColumnsOf(q.left(n).toStdString());
}

/// Records the text a painter draws, with its baseline origin in device pixels.
class RecordingEngine final : public QPaintEngine {
public:
    struct Run {
        QPointF origin;
        QString text;
        QFont font;
    };
    std::vector<Run> runs;

    RecordingEngine()
        : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        runs.push_back({p, item.text(), item.font()});
    }
    Type type() const override { return User; }
};

/// An A4 page at printer resolution that only records.
class RecordingDevice final : public QPaintDevice {
public:
    RecordingEngine* paintEngine() const override { return &engine_; }
    const std::vector<RecordingEngine::Run>& runs() const { return engine_.runs; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return 9921; // 210 mm
        case PdmHeight:
            return 14031; // 297 mm
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable RecordingEngine engine_;
};

/// One recorded line: its runs joined, where it starts and its baseline.
struct DrawnLine {
    QString text;
    double x = 0;
    double baseline = 0;
};

std::vector<DrawnLine> Record(const ReportLines& lines, Typeface face, RecordingDevice& device,
                              double column) {
    QPainter painter(&device);
    DrawReportLines(painter, lines, face);
    painter.end();
    std::map<double, DrawnLine> byBaseline;
    for (const auto& run : device.runs()) {
        auto [it, fresh] =
            byBaseline.try_emplace(run.origin.y(), DrawnLine{{}, run.origin.x(), run.origin.y()});
        // Each run must start where the columns of the text before it end.
        const int before = ColumnsOf(it->second.text.toStdString());
        EXPECT_NEAR(run.origin.x(), it->second.x + before * column, 0.01)
            << "run \"" << run.text.toStdString() << "\" after \"" << it->second.text.toStdString()
            << "\"";
        it->second.text += run.text;
        (void)fresh;
    }
    std::vector<DrawnLine> drawn;
    for (auto& [y, line] : byBaseline)
        drawn.push_back(line);
    return drawn;
}

TEST(PrintedPage, FacesAreFixedPitchAtPrinterResolution) {
    RecordingDevice device;
    for (Typeface face : {Typeface::Gothic, Typeface::Mincho}) {
        const QFont font(PageFont(face), &device);
        EXPECT_EQ(QFontInfo(font).family(), face == Typeface::Gothic ? QStringLiteral("IPAGothic")
                                                                     : QStringLiteral("IPAMincho"));
        EXPECT_EQ(QFontInfo(font).pointSize(), 10);
        const QFontMetricsF metrics(font, &device);
        const double column = metrics.horizontalAdvance(u'0');
        EXPECT_NEAR(column, kColumnPx, kColumnPx * kSizeRounding);
        // Every line of a real page is exactly as wide as its columns say: a
        // full-width character two columns, every half-width one column.
        for (const ReportLine& line : SampleSimpleBeamPage()) {
            const QString text = QString::fromStdString(line.text);
            EXPECT_NEAR(metrics.horizontalAdvance(text), ColumnsOf(line.text) * column, 0.01)
                << line.text;
        }
    }
}

TEST(PrintedPage, LinesStandAtTheirColumnsOneLineSpacingApart) {
    for (Typeface face : {Typeface::Gothic, Typeface::Mincho}) {
        RecordingDevice device;
        const ReportLines page = SampleSimpleBeamPage();
        const QFontMetricsF metrics(QFont(PageFont(face), &device), &device);
        const double column = metrics.horizontalAdvance(u'0');
        ASSERT_NEAR(column, kColumnPx, kColumnPx * kSizeRounding);
        const std::vector<DrawnLine> drawn = Record(page, face, device, column);

        const double spacing = metrics.lineSpacing();
        EXPECT_GT(spacing, 10.0 * kDpi / kPointsPerInch * 0.95); // at least the 10-point size
        EXPECT_LT(spacing, 10.0 * kDpi / kPointsPerInch * 1.6);

        std::size_t next = 0;
        for (std::size_t i = 0; i < page.size(); ++i) {
            if (page[i].text.empty())
                continue;
            ASSERT_LT(next, drawn.size());
            const DrawnLine& line = drawn[next++];
            EXPECT_EQ(line.text.toStdString(), page[i].text);
            EXPECT_NEAR(line.x, (page[i].column - 1) * column, 0.01) << page[i].text;
            // Line i (from 0) stands i line spacings below the top of the printable area.
            EXPECT_NEAR(line.baseline, metrics.ascent() + static_cast<double>(i) * spacing, 1.0)
                << page[i].text;
        }
        EXPECT_EQ(next, drawn.size()) << "empty lines draw nothing";
        for (const auto& run : device.runs())
            EXPECT_EQ(QFontInfo(run.font).family(),
                      face == Typeface::Gothic ? "IPAGothic" : "IPAMincho");
    }
}

class PrintedPdf : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString write(const ReportLines& lines, Typeface face, const QString& name) {
        const QString path = dir_.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        EXPECT_TRUE(RenderReportPage(printer, lines, face));
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(PrintedPdf, OneA4PageWithTheLinesInOrderAndInTheirColumns) {
    const ReportLines page = SampleSimpleBeamPage();
    const QString path = write(page, Typeface::Gothic, QStringLiteral("gothic.pdf"));
    const auto facts = testing::ReadPdfFacts(path);
    ASSERT_TRUE(facts.has_value()) << "pdfinfo could not read " << path.toStdString();
    EXPECT_EQ(facts->pages, 1);
    EXPECT_NEAR(facts->widthPt, 595.3, 1.0);
    EXPECT_NEAR(facts->heightPt, 841.9, 1.0);

    // The text comes back line by line in the page's order.
    QStringList text = testing::PdfTextLines(path);
    text.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
    QStringList expected;
    for (const ReportLine& line : page) {
        if (!line.text.empty())
            expected << testing::Comparable(QString::fromStdString(line.text));
    }
    ASSERT_EQ(text.size(), expected.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        EXPECT_EQ(testing::Comparable(text[i]).toStdString(), expected[i].toStdString());

    // Where a line begins with a character, its first word stands at its column:
    // five points a column from the left edge of the printable area.
    const std::vector<testing::PdfWord> words = testing::PdfWords(path);
    ASSERT_FALSE(words.empty());
    std::map<int, double> firstX; // by rounded top
    for (const auto& w : words) {
        const int top = static_cast<int>(std::lround(w.yMin));
        if (!firstX.contains(top))
            firstX[top] = w.xMin;
    }
    std::vector<double> starts;
    for (const auto& [top, x] : firstX)
        starts.push_back(x);
    std::vector<int> columns;
    for (const ReportLine& line : page) {
        if (!line.text.empty())
            columns.push_back(line.column + LeadingBlankColumns(line.text));
    }
    ASSERT_EQ(starts.size(), columns.size());
    // The member name stands at column 20; everything else relative to it.
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const double expected = (columns[i] - columns[0]) * kColumnPt;
        EXPECT_NEAR(starts[i] - starts[0], expected, 0.2 + std::abs(expected) * kSizeRounding) << i;
    }
}

TEST_F(PrintedPdf, GothicAndMinchoEmbedTheirFace) {
    const ReportLines page = SampleSimpleBeamPage();
    const QString gothic =
        testing::PdfFontNames(write(page, Typeface::Gothic, QStringLiteral("g.pdf")));
    const QString mincho =
        testing::PdfFontNames(write(page, Typeface::Mincho, QStringLiteral("m.pdf")));
    EXPECT_TRUE(gothic.contains(QStringLiteral("IPAGothic"))) << gothic.toStdString();
    EXPECT_FALSE(gothic.contains(QStringLiteral("IPAMincho")));
    EXPECT_TRUE(mincho.contains(QStringLiteral("IPAMincho"))) << mincho.toStdString();
    EXPECT_FALSE(mincho.contains(QStringLiteral("IPAGothic")));
}

TEST(PrintReportPage, FailsOnAPrinterThatDoesNotExist) {
    EXPECT_FALSE(PrintReportPage(SampleSimpleBeamPage(), Typeface::Gothic,
                                 QStringLiteral("VARNOK_NO_SUCH_PRINTER"), QStringLiteral("x")));
}

} // namespace
} // namespace varnok::reports
