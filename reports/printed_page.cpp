#include "printed_page.h"

#include "fonts.h"
#include "printer_system.h"
#include "qt_colour.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace varnok::reports {

namespace {
constexpr int kPointSize = 10;
// Any half-width character will do: both faces are fixed-pitch.
constexpr char16_t kHalfWidthSample = u'0';
} // namespace

QFont PageFont(Typeface face) {
    QFont font(face == Typeface::Gothic ? ui::kGothicFace : ui::kMinchoFace, kPointSize);
    font.setStyleHint(QFont::TypeWriter);
    // Unhinted outlines keep the advances of the design: a full-width character
    // stays exactly two columns at any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void DrawReportLines(QPainter& painter, const ReportLines& lines, Typeface face) {
    DrawReportLines(painter, lines, face, {});
}

void DrawReportLines(QPainter& painter, const ReportLines& lines, Typeface face,
                     const std::vector<std::size_t>& boldLines) {
    const QFont regular(PageFont(face), painter.device());
    QFont bold = regular;
    bold.setBold(true);
    painter.setFont(regular);
    painter.setPen(Qt::black);
    // The regular face's metrics place every line, bold ones too.
    const QFontMetricsF metrics(regular, painter.device());
    const qreal column = metrics.horizontalAdvance(QChar(kHalfWidthSample));
    const qreal lineSpacing = metrics.lineSpacing();
    qreal baseline = metrics.ascent();
    auto nextBold = boldLines.begin();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ReportLine& line = lines[i];
        const bool isBold = nextBold != boldLines.end() && *nextBold == i;
        if (isBold)
            ++nextBold;
        if (!line.text.empty()) {
            if (isBold)
                painter.setFont(bold);
            painter.drawText(QPointF((line.column - 1) * column, baseline),
                             ui::FromUtf8(line.text));
            if (isBold)
                painter.setFont(regular);
        }
        baseline += lineSpacing;
    }
}

bool RenderReportPage(QPagedPaintDevice& device, const ReportLines& lines, Typeface face) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    DrawReportLines(painter, lines, face);
    return painter.end();
}

bool PrintReportPage(const ReportLines& lines, Typeface face, const QString& printerName,
                     const QString& documentName) {
    const QString name = printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : printerName;
    if (name.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(name))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return false;
    printer.setDocName(documentName);
    printer.setFullPage(false); // position 0, 0 is the top left of the printable area
    const bool rendered = RenderReportPage(printer, lines, face);
    return rendered && printer.printerState() != QPrinter::Error;
}

bool PrinterSystem::printPage(const ReportLines& lines, Typeface face,
                              const QString& documentName) {
    return PrintReportPage(lines, face, defaultPrinterName(), documentName);
}

} // namespace varnok::reports
