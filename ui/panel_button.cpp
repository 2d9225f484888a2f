#include "panel_button.h"

#include "qt_colour.h"

#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <qdrawutil.h>

namespace varnok::ui {

namespace {

// A raised frame lit from the top left: the top and left edges in a lighter
// shade, the bottom and right in the frame's colour itself; sunk swaps them.
void DrawBevel(QPainter& p, const QRect& r, int width, const QColor& frame, bool sunk) {
    const QColor light = frame.lighter(150);
    const int w = r.width(), h = r.height();
    const QPolygon topLeft{QPoint(0, 0),
                           QPoint(w, 0),
                           QPoint(w - width, width),
                           QPoint(width, width),
                           QPoint(width, h - width),
                           QPoint(0, h)};
    const QPolygon bottomRight{QPoint(w, h),
                               QPoint(0, h),
                               QPoint(width, h - width),
                               QPoint(w - width, h - width),
                               QPoint(w - width, width),
                               QPoint(w, 0)};
    p.setPen(Qt::NoPen);
    p.setBrush(sunk ? frame : light);
    p.drawPolygon(topLeft.translated(r.topLeft()));
    p.setBrush(sunk ? light : frame);
    p.drawPolygon(bottomRight.translated(r.topLeft()));
}

} // namespace

PanelButton::PanelButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

PanelButton::PanelButton(const QString& caption, Rgb face, QWidget* parent, const ButtonLook& look)
    : QPushButton(caption, parent)
    , look_(look) {
    setColours(face);
}

void PanelButton::setColours(Rgb face, Rgb caption) {
    face_ = face;
    QPalette p = palette();
    p.setColor(QPalette::Button, ToQColor(face));
    p.setColor(QPalette::ButtonText, ToQColor(caption));
    setPalette(p);
    update();
}

void PanelButton::paintEvent(QPaintEvent* event) {
    if (!face_) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QColor face = ToQColor(*face_);
    p.fillRect(rect(), face);
    const int border = look_.borderPixels;
    if (hasFocus())
        qDrawPlainRect(&p, rect(), ToQColor(look_.focusBorder), border);
    else
        DrawBevel(p, rect(), border, ToQColor(look_.frame.value_or(*face_)),
                  isDown() || isChecked());

    const QRect inside = rect().adjusted(border + 1, border + 1, -border - 1, -border - 1);
    if (!icon().isNull()) {
        const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatio(),
                                              isEnabled() ? QIcon::Normal : QIcon::Disabled);
        style()->drawItemPixmap(&p, inside, Qt::AlignCenter, picture);
    }
    if (!text().isEmpty()) {
        const int flags =
            Qt::AlignCenter | Qt::TextShowMnemonic | (look_.wrapCaption ? Qt::TextWordWrap : 0);
        style()->drawItemText(&p, inside, flags, palette(), isEnabled(), text(),
                              QPalette::ButtonText);
    }
}

} // namespace varnok::ui
