#pragma once
// Looking into PDF files with the poppler tools, and running other commands.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace varnok::testing {

/// The standard output of a program that ran to a zero exit status.
std::optional<QString> RunTool(const QString& program, const QStringList& arguments);

struct PdfFacts {
    int pages = 0;
    double widthPt = 0;
    double heightPt = 0;
};
std::optional<PdfFacts> ReadPdfFacts(const QString& path); // pdfinfo

/// The page's text laid out by pdftotext -layout, one entry per line.
QStringList PdfTextLines(const QString& path);

/// The names of the fonts embedded in the file (pdffonts).
QString PdfFontNames(const QString& path);

struct PdfWord {
    QString text;
    double xMin = 0; // points from the page's left edge
    double yMin = 0; // points from the page's top edge
};
std::vector<PdfWord> PdfWords(const QString& path); // pdftotext -bbox

/// A text as pdftotext can give it back: every blank (half-width and
/// ideographic) removed, since pdftotext renders runs of blanks in its own way,
/// and the half-width middle dot "･" read as "·" (the face draws both with one
/// glyph, and the PDF maps that glyph back to the first).
QString Comparable(const QString& text);

} // namespace varnok::testing
