#pragma once
// The report buttons of a design sheet, after the report gate let them start:
// every document is drawn from the calculated design.

#include "beam_design.h"
#include "printed_page.h"
#include "report_services.h"

#include <string>

class QWidget;

namespace varnok::sheets {

/// "メモ帳出力": the text-report screen of the design's sheet (s_txt1/2/3) modal
/// over `sheetWindow`, the report file of `memberName` (UTF-8), then the editor
/// on it, with the editor warning when it cannot be started.
void RunTextReport(QWidget* sheetWindow, const BeamDesign& design, const std::string& memberName,
                   reports::ReportServices services);

/// The print buttons: the printer dialog of the design's sheet (s_prt1/2/3)
/// modal over `sheetWindow`, whose print button prints the page in `face`.
void RunPrinterDialog(QWidget* sheetWindow, const BeamDesign& design,
                      const std::string& memberName, reports::Typeface face,
                      reports::ReportServices services);

} // namespace varnok::sheets
