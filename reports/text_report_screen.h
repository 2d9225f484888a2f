#pragma once
// The text-report screens s_txt1, s_txt2 and s_txt3: a notice and two buttons.
// The screen only asks; the caller writes the file after it closes.

#include "sheet_access.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace varnok::reports {

class TextReportScreen final : public QDialog {
    Q_OBJECT
public:
    /// s_txt1 for the simple-beam sheet, s_txt2 the uniform-load sheet, s_txt3 the cantilever.
    explicit TextReportScreen(SheetKind kind, QWidget* parent = nullptr);

    /// exec() gives Accepted for "出力開始" (click or Enter), Rejected for
    /// "中止" (click or Esc) and the close box.

private:
    QPlainTextEdit* notice_ = nullptr; // Text1
    QPushButton* start_ = nullptr;     // Command1
    QPushButton* cancel_ = nullptr;    // Command2
};

} // namespace varnok::reports
