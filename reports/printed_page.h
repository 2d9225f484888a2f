#pragma once
// The printed report: report lines laid out by columns and lines on one A4
// page, in the Gothic or the Mincho face at 10 points. One drawing routine
// serves every device: the printer, a PDF file, a test's recording device.

#include "report_lines.h"

#include <QFont>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace varnok::reports {

enum class Typeface { Gothic, Mincho };

/// The page's font: "ＭＳ ゴシック" or "ＭＳ 明朝" (the IPA faces stand in where the
/// MS faces are absent), 10 points.
QFont PageFont(Typeface face);

/// Draws the lines on a painter whose origin is the top left of the printable
/// area: line i (from 0) one font line spacing below line i − 1, starting at the
/// top; its text (column − 1) half-width character widths right of the left edge,
/// both measured in the painter's device resolution. Empty lines draw nothing.
void DrawReportLines(QPainter& painter, const ReportLines& lines, Typeface face);
/// The same with the lines at `boldLines` (indices, ascending) in bold.
void DrawReportLines(QPainter& painter, const ReportLines& lines, Typeface face,
                     const std::vector<std::size_t>& boldLines);

/// One portrait A4 page on a paged device (a QPrinter, a QPdfWriter): paper size,
/// the lines, end of document. False when the device cannot be opened or fails.
bool RenderReportPage(QPagedPaintDevice& device, const ReportLines& lines, Typeface face);

/// The page on the printer `printerName` (the system's default printer when
/// empty), as a print job called `documentName`. False when that printer does
/// not exist or the job fails.
bool PrintReportPage(const ReportLines& lines, Typeface face, const QString& printerName,
                     const QString& documentName);

} // namespace varnok::reports
