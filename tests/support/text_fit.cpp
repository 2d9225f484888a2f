#include "text_fit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace varnok::testing {

namespace {

// The frame a line edit draws inside its own rectangle, per side.
int FrameOf(const QLineEdit& edit) {
    if (!edit.hasFrame() || qobject_cast<const QComboBox*>(edit.parentWidget()) != nullptr)
        return 0;
    return edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
}

bool Fits(const QLineEdit& edit) {
    const QMargins margins = edit.textMargins();
    const int room = edit.height() - 2 * FrameOf(edit) - margins.top() - margins.bottom();
    return room >= edit.fontMetrics().height();
}

bool Fits(const QLabel& label) {
    if (label.text().isEmpty())
        return true;
    const int needed =
        label.wordWrap() ? label.heightForWidth(label.width()) : label.fontMetrics().height();
    const QMargins margins = label.contentsMargins();
    return label.height() - margins.top() - margins.bottom() >= needed;
}

} // namespace

QStringList ClippedTextControls(const QWidget& window) {
    QStringList clipped;
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (edit->isVisibleTo(&window) && !Fits(*edit))
            clipped << edit->objectName() + QStringLiteral(" (") +
                           edit->parentWidget()->objectName() + ")";
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&window) && !Fits(*label))
            clipped << label->objectName();
    }
    return clipped;
}

} // namespace varnok::testing
