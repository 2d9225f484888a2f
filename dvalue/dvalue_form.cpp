#include "dvalue_form.h"

#include "colour.h"
#include "display_mask.h"
#include "fonts.h"
#include "message_box.h"
#include "panel_button.h"
#include "qt_colour.h"
#include "read_number.h"
#include "widget_style.h"

#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>
#include <string_view>

namespace varnok::dvalue {

namespace {

// ---- Layout: positions and sizes in twips ---------------------------------

constexpr int Px(int twips) {
    return ui::TwipsToPixels(twips);
}

struct Place {
    std::string_view name;
    int left, top, width, height; // twips
};

constexpr int kClientWidth = 4095;
constexpr int kClientHeight = 3270;
constexpr int kFieldWidth = 900;
constexpr int kFieldHeight = 300;
constexpr int kOptionWidth = 1100;
constexpr int kOptionHeight = 300;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 360;
constexpr int kLineWidth = 45; // 3 pixels

// Text1..Text5 (k1, k2, k3, k4, kc), then Text6..Text8 (k-bar, a, D).
constexpr std::array<Place, 8> kFields{{
    {"Text1", 240, 480, kFieldWidth, kFieldHeight},
    {"Text2", 1440, 480, kFieldWidth, kFieldHeight},
    {"Text3", 240, 2040, kFieldWidth, kFieldHeight},
    {"Text4", 1440, 2040, kFieldWidth, kFieldHeight},
    {"Text5", 360, 1440, kFieldWidth, kFieldHeight},
    {"Text6", 1800, 960, kFieldWidth, kFieldHeight},
    {"Text7", 1800, 1320, kFieldWidth, kFieldHeight},
    {"Text8", 1800, 1680, kFieldWidth, kFieldHeight},
}};

struct OptionPlace {
    Place place;
    std::string_view caption;
};

// In StoreyCondition order.
constexpr std::array<OptionPlace, 4> kOptions{{
    {{"Option1", 3000, 360, kOptionWidth, kOptionHeight}, "一般階"},
    {{"Option2", 3000, 840, kOptionWidth, kOptionHeight}, "柱脚固定"},
    {{"Option3", 3000, 1320, kOptionWidth, kOptionHeight}, "柱脚ピン"},
    // Two lines high: its caption wraps after "ﾍﾞｰｽﾊﾟｯｸ".
    {{"Option4", 3000, 1800, kOptionWidth, 2 * kOptionHeight}, "ﾍﾞｰｽﾊﾟｯｸ   ( I 型)"},
}};

enum class LabelStyle { Title, Version, Hint, Marker };

struct LabelPlace {
    Place place;
    std::string_view caption;
    LabelStyle style;
};

constexpr std::array<LabelPlace, 7> kLabels{{
    {{"Label1", 240, 75, 1350, 390}, "Ｄ値計算", LabelStyle::Title},
    {{"Label7", 1800, 120, 840, 255}, "Vol." VARNOK_VERSION, LabelStyle::Version},
    // Two lines, left of the column, so that neither the column line nor "k="
    // runs through it.
    {{"Label9", 240, 880, 1020, 510}, "↑入力後　Enterキー", LabelStyle::Hint},
    {{"Label5", 120, 1470, 240, 255}, "柱", LabelStyle::Marker},
    {{"Label2", 1515, 1005, 285, 255}, "k=", LabelStyle::Marker},
    {{"Label3", 1515, 1365, 285, 255}, "a=", LabelStyle::Marker},
    {{"Label4", 1515, 1725, 285, 255}, "D=", LabelStyle::Marker},
}};

// The column sketch: Line1 the upper beam, Line2 the column, Line3 the lower beam.
// Each is centred on its line through the sketch's coordinates.
constexpr std::array<Place, 3> kLines{{
    {"Line1", 120, 840 - kLineWidth / 2, 2520 - 120, kLineWidth},
    {"Line2", 1320 - kLineWidth / 2, 840, kLineWidth, 2400 - 840},
    {"Line3", 120, 2400 - kLineWidth / 2, 2520 - 120, kLineWidth},
}};

constexpr Place kCalculatePlace{"Command2", 1440, 2560, kButtonWidth, kButtonHeight};
constexpr Place kClosePlace{"Command3", 2760, 2560, kButtonWidth, kButtonHeight};

// ---- Colours and typefaces ------------------------------------------------

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kTitleBlue{0, 0, 192};
constexpr Rgb kVersionGreen{128, 255, 128};
constexpr Rgb kLineGrey{64, 64, 64};
constexpr Rgb kCalculateYellow{255, 255, 0};
constexpr Rgb kCloseRed{255, 128, 128};

constexpr double kFieldPoints = 9.75;
constexpr double kTitlePoints = 14.25;
constexpr double kLabelPoints = 9.75;
constexpr double kControlPoints = 9.0;
constexpr double kHintPoints = 8.25;

// Proportional faces for the captions; fonts.cpp maps them onto the IPA faces.
const QString kProportionalMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString kProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");

constexpr std::string_view kResultMask = "0.0000";
const QString kInitialText = QStringLiteral("0");

QFont Face(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void PlaceWidget(QWidget* w, const Place& p) {
    w->setObjectName(ui::FromUtf8(p.name));
    w->setGeometry(Px(p.left), Px(p.top), Px(p.width), Px(p.height));
}

void PaintText(QWidget* w, Rgb text) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, ui::ToQColor(text));
    pal.setColor(QPalette::WindowText, ui::ToQColor(text));
    w->setPalette(pal);
}

/// `role` is Base for a text field, Window for a label or a line.
void PaintGround(QWidget* w, QPalette::ColorRole role, Rgb ground) {
    QPalette pal = w->palette();
    pal.setColor(role, ui::ToQColor(ground));
    w->setPalette(pal);
    if (role == QPalette::Window)
        w->setAutoFillBackground(true);
}

/// An option button whose caption wraps onto further lines when its width
/// is too narrow for it, instead of being cut off.
class WrappingOption final : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        opt.state &= ~QStyle::State_HasFocus; // the focus frame goes round the caption below
        painter.drawControl(QStyle::CE_RadioButton, opt);
        const QRect caption = style()
                                  ->subElementRect(QStyle::SE_RadioButtonContents, &opt, this)
                                  .adjusted(2, 0, 0, 0);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        painter.drawText(caption, flags, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = painter.boundingRect(caption, flags, text()).adjusted(-1, 0, 1, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    // The whole button answers clicks, the second caption line too.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QString ResultText(double value) {
    return ui::FromUtf8(FormatMask(value, kResultMask));
}

double ReadField(const QLineEdit* field) {
    return ReadNumber(field->text().toUtf8().toStdString());
}

} // namespace

DValueForm::DValueForm(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ｄ値計算"));
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    setFont(Face(kProportionalGothic, kControlPoints, false));
    buildControls();
}

void DValueForm::buildControls() {
    // The sketch first, so every other control lies above it.
    for (const Place& p : kLines) {
        auto* line = new QFrame(this);
        PlaceWidget(line, p);
        PaintGround(line, QPalette::Window, kLineGrey);
    }

    for (const LabelPlace& l : kLabels) {
        auto* label = new QLabel(ui::FromUtf8(l.caption), this);
        PlaceWidget(label, l.place);
        switch (l.style) {
        case LabelStyle::Title:
            label->setFont(Face(ui::kMinchoFace, kTitlePoints, true));
            label->setAlignment(Qt::AlignCenter);
            PaintText(label, kYellow);
            PaintGround(label, QPalette::Window, kTitleBlue);
            break;
        case LabelStyle::Version:
            label->setFont(Face(ui::kMinchoFace, kLabelPoints, false));
            label->setAlignment(Qt::AlignCenter);
            PaintText(label, kBlack);
            PaintGround(label, QPalette::Window, kVersionGreen);
            break;
        case LabelStyle::Hint:
            label->setFont(Face(kProportionalGothic, kHintPoints, true));
            label->setWordWrap(true); // at the blank between its two parts
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            PaintText(label, kRed);
            break;
        case LabelStyle::Marker:
            label->setFont(Face(kProportionalMincho, kLabelPoints, true));
            break;
        }
    }

    for (std::size_t i = 0; i < kFields.size(); ++i) {
        auto* field = new QLineEdit(this);
        PlaceWidget(field, kFields[i]);
        const bool isInput = i < inputs_.size();
        field->setFont(Face(ui::kGothicFace, kFieldPoints, !isInput));
        if (isInput) {
            PaintText(field, kYellow);
            PaintGround(field, QPalette::Base, kBlack);
            field->installEventFilter(this);
            inputs_[i] = field;
        } else {
            PaintText(field, kBlack);
            PaintGround(field, QPalette::Base, kYellow);
            results_[i - inputs_.size()] = field;
        }
    }

    // Auto-exclusive siblings: exactly one of the four is selected.
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        auto* option = new WrappingOption(ui::FromUtf8(kOptions[i].caption), this);
        PlaceWidget(option, kOptions[i].place);
        options_[i] = option;
    }

    calculateButton_ = new ui::PanelButton(QStringLiteral("計　算"), kCalculateYellow, this);
    PlaceWidget(calculateButton_, kCalculatePlace);
    closeButton_ = new ui::PanelButton(QStringLiteral("終　了"), kCloseRed, this);
    PlaceWidget(closeButton_, kClosePlace);
    for (QPushButton* b : {calculateButton_, closeButton_}) {
        b->setFont(Face(kProportionalGothic, kControlPoints, true));
        b->setAutoDefault(true); // Enter on the focused button presses it
    }
    connect(calculateButton_, &QPushButton::clicked, this, &DValueForm::calculate);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    // Tab order: the inputs, three options, k-bar, the last option, the
    // buttons, then a and D.
    const std::array<QWidget*, 14> tabOrder{
        inputs_[0],       inputs_[1],   inputs_[2],  inputs_[3],  inputs_[4],
        options_[0],      options_[1],  options_[2], results_[0], options_[3],
        calculateButton_, closeButton_, results_[1], results_[2]};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void DValueForm::setUp() {
    for (QLineEdit* field : inputs_)
        field->setText(kInitialText);
    for (QLineEdit* field : results_)
        field->setText(kInitialText);
    options_[0]->setChecked(true);
    inputs_[0]->setFocus();
    inputs_[0]->selectAll();
}

void DValueForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        setUp();
    QDialog::showEvent(event);
}

StoreyCondition DValueForm::condition() const {
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (options_[i]->isChecked())
            return static_cast<StoreyCondition>(i + 1);
    }
    return StoreyCondition::GeneralStorey;
}

void DValueForm::calculate() {
    const double kc = ReadField(inputs_[4]);
    if (kc == 0.0) {
        // "0", "0.0", "00", an empty field or a text without a number alike.
        ui::ShowMessage(this, QStringLiteral("柱の剛比を入力して下さい"),
                        QStringLiteral("未入力のデータがあります"), ui::MessageIcon::Question);
        return;
    }
    const StoreyCondition c = condition();
    const double k1 = ReadField(inputs_[0]);
    const double k2 = ReadField(inputs_[1]);
    // The lower beams count only in a general storey.
    const bool general = c == StoreyCondition::GeneralStorey;
    const double k3 = general ? ReadField(inputs_[2]) : 0.0;
    const double k4 = general ? ReadField(inputs_[3]) : 0.0;
    const DValueResult r = ComputeDValue(c, k1, k2, k3, k4, kc);
    results_[0]->setText(ResultText(r.kBar));
    results_[1]->setText(ResultText(r.a));
    results_[2]->setText(ResultText(r.D));
}

void DValueForm::advanceFrom(int index) {
    const auto next = static_cast<std::size_t>(index) + 1;
    QWidget* target =
        next < inputs_.size() ? static_cast<QWidget*>(inputs_[next]) : calculateButton_;
    target->setFocus(Qt::TabFocusReason);
}

bool DValueForm::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(inputs_.begin(), inputs_.end(), watched);
    if (found == inputs_.end())
        return QDialog::eventFilter(watched, event);
    QLineEdit* field = *found;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            advanceFrom(static_cast<int>(found - inputs_.begin()));
            return true;
        }
    } else if (event->type() == QEvent::FocusIn && field != inputs_[0]) {
        // Arriving from the keyboard (Enter, Tab, Backtab): the whole text is
        // selected with the caret at its start, so typing replaces it. A click
        // places the caret as usual.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            const auto length = static_cast<int>(field->text().size());
            field->setSelection(length, -length);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DValueForm::keyPressEvent(QKeyEvent* event) {
    // No default and no cancel button: Enter away from a button and Esc do
    // nothing (the buttons take Enter themselves).
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace varnok::dvalue

#include "dvalue_form.moc"
