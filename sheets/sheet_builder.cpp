#include "sheet_builder.h"

#include "diagram_images.h"
#include "fonts.h"
#include "panel_button.h"
#include "qt_colour.h"
#include "widget_colours.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <map>

namespace varnok::sheets {

namespace {

constexpr Rgb kBarColour{0, 0, 0};

QFont Face(const ControlRow& control) {
    QFont f(ui::kGothicFace);
    int px = control.pixels;
    if (px == 0)
        px = control.kind == ControlKind::Exponent ? kSmallPixels : kTextPixels;
    f.setPixelSize(px);
    f.setBold(control.bold);
    return f;
}

Qt::Alignment AlignmentOf(const ControlRow& control) {
    Align a = control.align;
    if (a == Align::Default) {
        switch (control.kind) {
        case ControlKind::Field:
        case ControlKind::Total:
        case ControlKind::Display:
            a = Align::Right;
            break;
        case ControlKind::Fixed:
            a = Align::Centre;
            break;
        default:
            a = Align::Left;
        }
    }
    const Qt::Alignment vertical =
        control.kind == ControlKind::Exponent ? Qt::AlignTop : Qt::AlignVCenter;
    switch (a) {
    case Align::Centre:
        return Qt::AlignHCenter | vertical;
    case Align::Right:
        return Qt::AlignRight | vertical;
    default:
        return Qt::AlignLeft | vertical;
    }
}

// Hint texts are written with CR LF line breaks; a label breaks on LF alone.
QString Shown(std::string_view text) {
    QString t = ui::FromUtf8(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    return t;
}

QLineEdit* MakeEdit(const ControlRow& control, QWidget* parent, bool locked,
                    Qt::FocusPolicy focus) {
    auto* edit = new QLineEdit(ui::FromUtf8(control.text), parent);
    edit->setReadOnly(locked);
    edit->setFocusPolicy(focus);
    edit->setAlignment(AlignmentOf(control));
    edit->setTextMargins(1, 0, 1, 0);
    return edit;
}

QWidget* Create(const ControlRow& control, QWidget& window,
                const std::map<std::string_view, QWidget*>& frames) {
    QWidget* parent = &window;
    if (!control.parent.empty()) {
        if (auto it = frames.find(control.parent); it != frames.end())
            parent = it->second;
    }
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::Exponent:
    case ControlKind::Fixed: {
        auto* label = new QLabel(ui::FromUtf8(control.text), parent);
        label->setAlignment(AlignmentOf(control));
        return label;
    }
    case ControlKind::Hint: {
        auto* hint = new QLabel(Shown(control.text), parent);
        hint->setFrameShape(QFrame::Box);
        hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        hint->setIndent(3);
        hint->setFocusPolicy(Qt::NoFocus);
        return hint;
    }
    case ControlKind::Field:
        return MakeEdit(control, parent, false, Qt::StrongFocus);
    case ControlKind::Total:
        return MakeEdit(control, parent, true, Qt::StrongFocus);
    case ControlKind::Display:
        return MakeEdit(control, parent, true, Qt::ClickFocus);
    case ControlKind::Hidden:
        return MakeEdit(control, parent, false, Qt::NoFocus);
    case ControlKind::Button: {
        auto* button = new ui::PanelButton(ui::FromUtf8(control.text), parent);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::Option: {
        auto* option = new QRadioButton(ui::FromUtf8(control.text), parent);
        option->setChecked(control.checked);
        return option;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(parent);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::Box);
        return picture;
    }
    case ControlKind::Line: {
        auto* bar = new QFrame(parent);
        return bar;
    }
    }
    return nullptr;
}

void Paint(QWidget& w, const ControlRow& control, const SheetLayout& layout) {
    std::optional<Rgb> back = control.back;
    if (!back) {
        switch (control.kind) {
        case ControlKind::Field:
            back = colour::kIdle;
            break;
        case ControlKind::Total:
            back = colour::kTotal;
            break;
        case ControlKind::Display:
            back = layout.displayBack;
            break;
        case ControlKind::Hint:
            back = colour::kHint;
            break;
        case ControlKind::Line:
            back = kBarColour;
            break;
        default:
            break;
        }
    }
    if (back)
        PaintBack(w, *back);
    if (control.fore)
        PaintFore(w, *control.fore);
    if (control.shadowed) {
        // The shadow follows what the control paints: the glyphs only, on a
        // ground that is the sheet's own colour.
        w.setAutoFillBackground(false);
        auto* shadow = new QGraphicsDropShadowEffect(&w);
        shadow->setOffset(1, 1);
        shadow->setBlurRadius(0);
        shadow->setColor(QColor(64, 64, 64));
        w.setGraphicsEffect(shadow);
    }
}

} // namespace

void BuildSheet(QWidget& window, const SheetLayout& layout) {
    window.setWindowTitle(ui::FromUtf8(layout.caption));
    QFont face(ui::kGothicFace);
    face.setPixelSize(kTextPixels);
    window.setFont(face);
    if (layout.ground)
        PaintBack(window, *layout.ground);

    std::map<std::string_view, QWidget*> frames;
    for (const Block& block : layout.blocks) {
        for (const ControlRow& control : block.rows) {
            QWidget* w = Create(control, window, frames);
            if (w == nullptr)
                continue;
            w->setObjectName(ui::FromUtf8(control.name));
            const bool inFrame = !control.parent.empty();
            const int dx = inFrame ? 0 : block.dx;
            const int dy = inFrame ? 0 : block.dy;
            w->setGeometry(control.rect.x + dx, control.rect.y + dy, control.rect.w,
                           control.rect.h);
            w->setFont(Face(control));
            Paint(*w, control, layout);
            if (control.kind == ControlKind::Frame)
                frames.emplace(control.name, w);
            if (control.kind == ControlKind::Picture && control.name == "Picture1")
                static_cast<QLabel*>(w)->setPixmap(
                    images::EmbeddedDiagram(ui::FromUtf8(control.text)));
            w->setVisible(control.visible);
        }
    }

    QWidget* previous = nullptr;
    for (std::string_view name : layout.tabOrder) {
        auto* w = window.findChild<QWidget*>(ui::FromUtf8(name));
        if (w == nullptr)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    window.setFixedSize(layout.width, layout.height);
}

} // namespace varnok::sheets
