#pragma once
// The calc book: one A4 PDF for the whole list. Summary pages listing every
// beam with its section and verdicts come first, then one page per checked
// beam, drawn exactly as the print button prints it; every page carries its
// number at the foot.

#include "printed_page.h"
#include "results_table.h"

#include <QString>
#include <functional>
#include <vector>

class QIODevice;

namespace varnok::batch {

struct BookCounts {
    int beams = 0;  // rows of the list
    int passed = 0; // checked, every verdict ＯＫ
    int failed = 0; // checked, some verdict ＮＧ
    int bad = 0;    // left out for their input
};

struct CalcBookSource {
    QString title; // the list's file name
    BookCounts counts;
    const std::vector<TableRow>* rows = nullptr; // every row, for the summary
    int beamPages = 0;                           // checked beams
    /// Fills the printed-page lines of the next checked beam, in list order.
    std::function<void(reports::ReportLines&)> nextPage;
    /// Called after each page with the pages done and the pages in all.
    std::function<void(int, int)> progress;
};

/// Writes the book onto `device` (opened for writing); the number of pages,
/// 0 when the PDF cannot be drawn.
int WriteCalcBook(QIODevice& device, reports::Typeface face, const CalcBookSource& source);

/// The summary's lines of one page, at the report columns, for the rows
/// [first, first + count) (exposed for the tests).
reports::ReportLines SummaryLines(const CalcBookSource& source, std::size_t first,
                                  std::size_t count);

/// How many columns a text takes on the page (full-width characters two).
int DisplayWidth(std::string_view utf8);

} // namespace varnok::batch
