#include "printer_dialog.h"

#include "fonts.h"
#include "message_box.h"
#include "panel_button.h"
#include "qt_colour.h"
#include "sheet_window_names.h"
#include "widget_style.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <array>

namespace varnok::reports {

namespace {

struct Twips {
    int left, top, width, height;
};

QRect ToPixels(Twips t) {
    using ui::TwipsToPixels;
    return {TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width),
            TwipsToPixels(t.height)};
}

constexpr int kClientWidth = 3255; // twips
constexpr int kClientHeight = 2385;

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kLightGreen{128, 255, 128};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kGreen{0, 255, 0};

const QString kNotice = QStringLiteral("下記よりプリンターを選び [OK]\n"
                                       "選んだプリンターにＡ４用紙を\n"
                                       "セットしてから印刷開始 [Enter]\n");
const QString kNoSuchPrinter = QStringLiteral("該当するプリンタがありません");
const QString kPrintFailed = QStringLiteral("出力中止！入力データを確認して下さい。");
const QString kPrintFailedTitle = QStringLiteral("エラーが発生しました。");
const QString kSwitchRefusedTitle = QStringLiteral("プリンターを切り替えられません");
const QString kPrinterFailedTitle = QStringLiteral("印刷できません");

/// Where the next page goes after the switch to `wanted` was refused.
QString SwitchRefusedMessage(const QString& wanted, const QString& stillDefault) {
    const QString refused =
        QStringLiteral("プリンター「%1」を通常使うプリンターにできませんでした。\n").arg(wanted);
    if (stillDefault.isEmpty())
        return refused +
               QStringLiteral("通常使うプリンターがないため、このままでは印刷できません。");
    return refused +
           QStringLiteral("このまま印刷すると、今の通常使うプリンター「%1」に出力されます。")
               .arg(stillDefault);
}

QString PrinterFailedMessage(const QString& printer) {
    if (printer.isEmpty())
        return QStringLiteral("通常使うプリンターがないため、印刷できませんでした。\n"
                              "何も印刷されていません。");
    return QStringLiteral("プリンター「%1」で印刷できませんでした。\n"
                          "何も印刷されていません。プリンターの状態を確認して下さい。")
        .arg(printer);
}

/// A coloured button whose caption wraps at its blanks, as the captions of
/// these tall narrow buttons are meant to.
ui::PanelButton* CaptionButton(const QString& caption, Rgb colour, QWidget* parent) {
    return new ui::PanelButton(caption, colour, parent, {.wrapCaption = true});
}

} // namespace

QString PrinterDialogName(SheetKind kind) {
    return ui::FromUtf8(WindowNamesOf(kind).printerDialog);
}

PrinterDialog::PrinterDialog(QWidget* parent, SheetKind kind, PrinterSystem& printers,
                             PrintPage printPage)
    : QDialog(parent)
    , printers_(printers)
    , printPage_(std::move(printPage)) {
    setObjectName(PrinterDialogName(kind));
    setWindowTitle(QStringLiteral(" プリンターの準備"));
    setModal(true);
    setFont(QFont(ui::kGothicFace, 9));
    setFixedSize(ui::TwipsToPixels(kClientWidth), ui::TwipsToPixels(kClientHeight));
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, ui::ToQColor(kBlue));
    setPalette(ground);

    auto* notice = new QPlainTextEdit(kNotice, this);
    notice->setObjectName(QStringLiteral("Text1"));
    notice->setReadOnly(true);
    notice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notice->setStyleSheet(QStringLiteral("background-color: %1;").arg(ui::CssColour(kYellow)));
    notice->setGeometry(ToPixels({120, 120, 3015, 800}));

    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    // Printer names are full of "_": the field and the list rows keep room
    // below the descent, so the underscore is never cut off.
    combo_->setItemDelegate(new QStyledItemDelegate(combo_));
    combo_->setStyleSheet(
        QStringLiteral("QComboBox { background-color: %1; padding: 0px 2px; }"
                       " QComboBox QLineEdit { background-color: %1; padding: 0px; margin: 0px; }"
                       " QComboBox QAbstractItemView::item { min-height: %2px; padding: 0px 2px; }")
            .arg(ui::CssColour(kLightGreen))
            .arg(ui::RoomyTextHeight(combo_->fontMetrics())));
    combo_->setGeometry(ToPixels({120, 1035, 3015, 300}));

    auto* ok = CaptionButton(QStringLiteral("Ｏ Ｋ"), kYellow, this);
    ok->setObjectName(QStringLiteral("Command3"));
    ok->setGeometry(ToPixels({1200, 1455, 855, 840}));

    printButton_ = CaptionButton(QStringLiteral(" 印刷開始         [Enter]"), kOrange, this);
    printButton_->setObjectName(QStringLiteral("Command1"));
    printButton_->setGeometry(ToPixels({120, 1440, 975, 855}));
    printButton_->setDefault(true);
    printButton_->setVisible(false);

    auto* cancel = CaptionButton(QStringLiteral("   中 止            [Esc]"), kGreen, this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setGeometry(ToPixels({2160, 1440, 975, 855}));

    setTabOrder(ok, combo_);
    setTabOrder(combo_, printButton_);
    setTabOrder(printButton_, notice);
    setTabOrder(notice, cancel);

    connect(ok, &QPushButton::clicked, this, &PrinterDialog::choosePrinter);
    connect(printButton_, &QPushButton::clicked, this, &PrinterDialog::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    // The printer list first: adding items to an empty editable combo box
    // rewrites its text, which must end up showing the default printer.
    for (const PrinterDescription& printer : printers_.printers())
        combo_->addItem(printer.deviceName);
    const QString defaultName = printers_.defaultPrinterName();
    combo_->setCurrentIndex(
        combo_->findText(defaultName, Qt::MatchExactly | Qt::MatchCaseSensitive));
    combo_->setEditText(defaultName);
    ok->setFocus();
}

void PrinterDialog::choosePrinter() {
    printButton_->setVisible(true);
    const QString wanted = combo_->currentText();
    const std::vector<PrinterDescription> list = printers_.printers();
    const auto chosen = std::find_if(list.begin(), list.end(), [&](const PrinterDescription& p) {
        return p.deviceName == wanted;
    });
    if (chosen == list.end()) {
        // A dialog whose sheet went away under the message is gone too.
        if (ui::ShowMessage(this, kNoSuchPrinter, QString(), ui::MessageIcon::Exclamation))
            combo_->setFocus(); // to correct the name
        return;
    }
    // No print job is open between prints, so there is no document to end here.
    if (!printers_.setDefaultPrinter(*chosen)) {
        // The page would go to the old default: say so, and leave Enter on the name.
        if (ui::ShowMessage(
                this, SwitchRefusedMessage(chosen->deviceName, printers_.defaultPrinterName()),
                kSwitchRefusedTitle, ui::MessageIcon::Exclamation))
            combo_->setFocus();
        return;
    }
    // The notice promises that Enter now prints.
    printButton_->setFocus();
}

void PrinterDialog::print() {
    const PrintOutcome outcome = printPage_ ? printPage_() : PrintOutcome::PrinterFailed;
    bool stillOpen = true; // false when the sheet went away under a message, taking this dialog
    switch (outcome) {
    case PrintOutcome::Printed:
        break;
    case PrintOutcome::DataError:
        stillOpen =
            ui::ShowMessage(this, kPrintFailed, kPrintFailedTitle, ui::MessageIcon::Question);
        break;
    case PrintOutcome::PrinterFailed:
        stillOpen = ui::ShowMessage(this, PrinterFailedMessage(printers_.defaultPrinterName()),
                                    kPrinterFailedTitle, ui::MessageIcon::Exclamation);
        break;
    }
    if (stillOpen)
        accept();
}

} // namespace varnok::reports
