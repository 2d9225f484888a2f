#pragma once
// What a report looks like where it ends up: the text file as a fixed-pitch
// editor shows it, and the printed page as the page routine draws it.

#include "printed_page.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace varnok::guide {

/// The report file's Shift-JIS bytes, decoded and shown line by line in the
/// Gothic face, under a title bar naming the file as an editor does.
QImage TextFilePicture(const QByteArray& shiftJis, const QString& fileName);

/// One A4 page at 96 dots per inch, drawn by the same routine that prints it,
/// with a margin such as a printer leaves.
QImage PrintedPagePicture(const reports::ReportLines& lines, reports::Typeface face);

} // namespace varnok::guide
