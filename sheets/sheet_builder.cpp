#include "sheet_builder.h"

#include "diagram_images.h"
#include "fonts.h"
#include "qt_colour.h"
#include "widget_colours.h"

#include <QFrame>
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

QFont Face(const ControlSpec& spec) {
    QFont f(ui::kGothicFace);
    int px = spec.pixels;
    if (px == 0)
        px = spec.kind == ControlKind::Exponent ? kSmallPixels : kTextPixels;
    f.setPixelSize(px);
    f.setBold(spec.bold);
    return f;
}

Qt::Alignment AlignmentOf(const ControlSpec& spec) {
    Align a = spec.align;
    if (a == Align::Default) {
        switch (spec.kind) {
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
        spec.kind == ControlKind::Exponent ? Qt::AlignTop : Qt::AlignVCenter;
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

QLineEdit* MakeEdit(const ControlSpec& spec, QWidget* parent, bool locked, Qt::FocusPolicy focus) {
    auto* edit = new QLineEdit(ui::FromUtf8(spec.text), parent);
    edit->setReadOnly(locked);
    edit->setFocusPolicy(focus);
    edit->setAlignment(AlignmentOf(spec));
    edit->setTextMargins(1, 0, 1, 0);
    return edit;
}

QWidget* Create(const ControlSpec& spec, QWidget& window,
                const std::map<std::string_view, QWidget*>& frames) {
    QWidget* parent = &window;
    if (!spec.parent.empty()) {
        if (auto it = frames.find(spec.parent); it != frames.end())
            parent = it->second;
    }
    switch (spec.kind) {
    case ControlKind::Label:
    case ControlKind::Exponent:
    case ControlKind::Fixed: {
        auto* label = new QLabel(ui::FromUtf8(spec.text), parent);
        label->setAlignment(AlignmentOf(spec));
        return label;
    }
    case ControlKind::Hint: {
        auto* hint = new QLabel(Shown(spec.text), parent);
        hint->setFrameShape(QFrame::Box);
        hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        hint->setIndent(3);
        hint->setFocusPolicy(Qt::NoFocus);
        return hint;
    }
    case ControlKind::Field:
        return MakeEdit(spec, parent, false, Qt::StrongFocus);
    case ControlKind::Total:
        return MakeEdit(spec, parent, true, Qt::StrongFocus);
    case ControlKind::Display:
        return MakeEdit(spec, parent, true, Qt::ClickFocus);
    case ControlKind::Hidden:
        return MakeEdit(spec, parent, false, Qt::NoFocus);
    case ControlKind::Button: {
        auto* button = new QPushButton(ui::FromUtf8(spec.text), parent);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::Option: {
        auto* option = new QRadioButton(ui::FromUtf8(spec.text), parent);
        option->setChecked(spec.checked);
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

void Paint(QWidget& w, const ControlSpec& spec, const SheetLayout& layout) {
    std::optional<Rgb> back = spec.back;
    if (!back) {
        switch (spec.kind) {
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
    if (spec.fore)
        PaintFore(w, *spec.fore);
}

} // namespace

void BuildSheet(QWidget& window, const SheetLayout& layout) {
    window.setObjectName(ui::FromUtf8(layout.objectName));
    window.setWindowTitle(ui::FromUtf8(layout.caption));
    QFont face(ui::kGothicFace);
    face.setPixelSize(kTextPixels);
    window.setFont(face);
    if (layout.ground)
        PaintBack(window, *layout.ground);

    std::map<std::string_view, QWidget*> frames;
    for (const Block& block : layout.blocks) {
        for (const ControlSpec& spec : block.rows) {
            QWidget* w = Create(spec, window, frames);
            if (w == nullptr)
                continue;
            w->setObjectName(ui::FromUtf8(spec.name));
            const bool inFrame = !spec.parent.empty();
            const int dx = inFrame ? 0 : block.dx;
            const int dy = inFrame ? 0 : block.dy;
            w->setGeometry(spec.rect.x + dx, spec.rect.y + dy, spec.rect.w, spec.rect.h);
            w->setFont(Face(spec));
            Paint(*w, spec, layout);
            if (spec.kind == ControlKind::Frame)
                frames.emplace(spec.name, w);
            if (spec.kind == ControlKind::Picture && spec.name == "Picture1")
                static_cast<QLabel*>(w)->setPixmap(
                    images::EmbeddedDiagram(ui::FromUtf8(spec.text)));
            w->setVisible(spec.visible);
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
