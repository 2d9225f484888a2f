#include "text_report_screen.h"

#include "fonts.h"
#include "panel_button.h"
#include "qt_colour.h"
#include "sheet_window_names.h"
#include "widget_style.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace varnok::reports {

namespace {

// The screen is laid out in twips.
constexpr int Px(int twips) {
    return ui::TwipsToPixels(twips);
}

constexpr Rgb kGround{128, 128, 128};            // dark grey
constexpr Rgb kNotice{128, 255, 128};            // light green
constexpr Rgb kStartButton = colour::kCalculate; // orange
constexpr Rgb kCancelButton{0, 255, 0};          // green

} // namespace

TextReportScreen::TextReportScreen(SheetKind kind, QWidget* parent)
    : QDialog(parent) {
    setObjectName(ui::FromUtf8(WindowNamesOf(kind).reportScreen));
    setWindowTitle(QStringLiteral(" テキストファイルに出力"));
    setModal(true);
    setFixedSize(Px(3630), Px(1635));
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, ui::ToQColor(kGround));
    setPalette(ground);

    QFont font(ui::kGothicFace);
    font.setPointSize(9);
    setFont(font);

    notice_ = new QPlainTextEdit(this);
    notice_->setObjectName(QStringLiteral("Text1"));
    notice_->setGeometry(Px(120), Px(120), Px(3375), Px(825));
    notice_->setPlainText(QStringLiteral("デスクトップに出力します。\nファイル名は「部材名.TXT」\n"
                                         "同じなら上書きします。\n"));
    notice_->setReadOnly(true);
    notice_->setTabChangesFocus(true); // Tab goes on to the buttons
    notice_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notice_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notice_->setStyleSheet(QStringLiteral("QPlainTextEdit { background-color: %1; color: black; }")
                               .arg(ui::CssColour(kNotice)));

    start_ = new ui::PanelButton(QStringLiteral("出力開始  [クリック]"), kStartButton, this);
    start_->setObjectName(QStringLiteral("Command1"));
    start_->setGeometry(Px(120), Px(1080), Px(1935), Px(450));
    start_->setDefault(true);

    cancel_ = new ui::PanelButton(QStringLiteral("中止[Esc]"), kCancelButton, this);
    cancel_->setObjectName(QStringLiteral("Command2"));
    cancel_->setGeometry(Px(2160), Px(1080), Px(1335), Px(450));

    setTabOrder(notice_, cancel_);
    setTabOrder(cancel_, start_);
    notice_->setFocus();

    connect(start_, &QPushButton::clicked, this, &QDialog::accept);
    // Esc reaches QDialog::reject by itself, like the click.
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace varnok::reports
