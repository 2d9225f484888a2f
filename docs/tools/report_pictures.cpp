#include "report_pictures.h"

#include "fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

namespace varnok::guide {

namespace {
constexpr int kTitleHeight = 22; // px
constexpr int kPadding = 8;      // px around the text
constexpr double kA4WidthInch = 210.0 / 25.4;
constexpr double kA4HeightInch = 297.0 / 25.4;
constexpr int kDotsPerInch = 96;
constexpr int kPrinterMarginPx = 24; // a quarter inch, about what a printer cannot reach
} // namespace

QImage TextFilePicture(const QByteArray& shiftJis, const QString& fileName) {
    QStringDecoder decoder("windows-31j");
    QString text = decoder.decode(shiftJis);
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    const QStringList lines = text.split(QStringLiteral("\r\n"));

    const QFont font(ui::kGothicFace, 10);
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QSize size(width + 2 * kPadding,
                     kTitleHeight + int(lines.size()) * metrics.lineSpacing() + 2 * kPadding);

    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(0, 0, size.width(), kTitleHeight, QColor(10, 36, 106));
    QFont title = font;
    title.setBold(true);
    title.setPointSize(9);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(6, 0, size.width() - 12, kTitleHeight), Qt::AlignVCenter,
                     fileName + QStringLiteral(" - メモ帳"));
    painter.setFont(font);
    painter.setPen(Qt::black);
    int baseline = kTitleHeight + kPadding + metrics.ascent();
    for (const QString& line : lines) {
        painter.drawText(kPadding, baseline, line);
        baseline += metrics.lineSpacing();
    }
    return picture;
}

QImage PrintedPagePicture(const reports::ReportLines& lines, reports::Typeface face) {
    QImage page(int(kA4WidthInch * kDotsPerInch), int(kA4HeightInch * kDotsPerInch),
                QImage::Format_RGB32);
    const int dotsPerMeter = int(kDotsPerInch / 0.0254 + 0.5);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(page.rect().adjusted(0, 0, -1, -1)); // the paper's edge
    painter.translate(kPrinterMarginPx, kPrinterMarginPx);
    reports::DrawReportLines(painter, lines, face);
    return page;
}

} // namespace varnok::guide
