#pragma once
// The calc book: one A4 PDF for the whole list, as it goes into a building's
// calculation document. A cover, the design basis, summary pages listing every
// row of the list, then one page per checked beam drawn exactly as the print
// button prints it. Every page carries the project and the date in its top
// margin and "- n / N -" at its foot. The same source gives the same bytes.

#include "file_result.h"
#include "printed_page.h"
#include "results_table.h"

#include <QDateTime>
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
    int raised = 0; // checked on a section raised until every check passes
};

/// Who made the book, when, from which list: the cover and the margins.
struct BookHeading {
    QString project;  // 物件名; blank when not given
    QString engineer; // 設計者; blank when not given
    QString date;     // 作成日 as the book prints it
    QString list;     // the list's file name
    QString listHash; // SHA-256 of the list's bytes, in hex
};

struct CalcBookSource {
    BookHeading heading;
    QDateTime created; // the PDF's creation date (the book's date)
    BookCounts counts;
    const std::vector<TableRow>* rows = nullptr; // every row, for the summary
    int beamPages = 0;                           // checked beams
    /// Fills the printed-page lines of the next checked beam, in list order.
    std::function<void(reports::ReportLines&)> nextPage;
    /// Called after each page with the pages done and the pages in all.
    std::function<void(int, int)> progress;
};

/// Writes the book onto `device` (seekable, opened for reading and writing): the
/// number of pages, or why the PDF could not be written (the system's cause,
/// taken right after the call that failed).
FileResult<int> WriteCalcBook(QIODevice& device, reports::Typeface face,
                              const CalcBookSource& source);

/// One page of the book's own (cover, basis, summary): its lines and which of
/// them are bold.
struct BookPage {
    reports::ReportLines lines;
    std::vector<std::size_t> bold;
};

BookPage CoverPage(const CalcBookSource& source);
/// The summary, cut into pages of at most `linesPerPage` lines; each checked
/// beam's page number counts from `firstBeamPage`.
std::vector<BookPage> SummaryPages(const CalcBookSource& source, int linesPerPage,
                                   int firstBeamPage);

/// The book's date: `SOURCE_DATE_EPOCH` when set, else today; and the text
/// the cover prints for it ("2026年12月9日").
QDate BookDate();
QString DateText(QDate date);
/// The date a date text names ("2026-12-09", "2026/12/9", "2026年12月9日", in
/// half- or full-width digits); invalid for any other text.
QDate ParseDateText(const QString& text);

} // namespace varnok::batch
