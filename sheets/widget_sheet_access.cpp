#include "widget_sheet_access.h"

#include "qt_colour.h"
#include "widget_colours.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace varnok::sheets {

QWidget* WidgetSheetAccess::control(std::string_view name) const {
    auto it = found_.find(name);
    if (it == found_.end()) {
        QWidget* w = window_.objectName() == ui::FromUtf8(name)
                         ? &window_
                         : window_.findChild<QWidget*>(ui::FromUtf8(name));
        it = found_.emplace(std::string(name), w).first;
        if (w == nullptr)
            misses_.emplace(name);
    }
    return it->second.data();
}

void WidgetSheetAccess::missWired(std::string_view name, const char* type) const {
    const std::string miss = std::string(name) + " (" + type + ")";
    Q_ASSERT_X(
        false, "WidgetSheetAccess::wired",
        qPrintable(
            QStringLiteral("no control %1 on %2").arg(ui::FromUtf8(miss), window_.objectName())));
    misses_.insert(miss);
}

std::string WidgetSheetAccess::text(std::string_view name) const {
    QWidget* w = control(name);
    QString t;
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        t = edit->text();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        t = plain->toPlainText();
    else if (auto* label = qobject_cast<QLabel*>(w))
        t = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        t = button->text();
    return t.toStdString();
}

void WidgetSheetAccess::setText(std::string_view name, std::string_view text) {
    QWidget* w = control(name);
    const QString t = ui::FromUtf8(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(t);
        // A result wider than its field shows its beginning, like the form's boxes.
        if (!edit->hasFocus())
            edit->setCursorPosition(0);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->setPlainText(t);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(t);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(t);
    }
}

void WidgetSheetAccess::setCaption(std::string_view name, std::string_view caption) {
    setText(name, caption);
}

void WidgetSheetAccess::setForeColour(std::string_view name, Rgb colour) {
    if (QWidget* w = control(name))
        PaintFore(*w, colour);
}

void WidgetSheetAccess::setBackColour(std::string_view name, Rgb colour) {
    if (QWidget* w = control(name))
        PaintBack(*w, colour);
}

bool WidgetSheetAccess::isSelected(std::string_view name) const {
    auto* button = qobject_cast<QAbstractButton*>(control(name));
    return button != nullptr && button->isChecked();
}

void WidgetSheetAccess::setVisible(std::string_view name, bool visible) {
    if (QWidget* w = control(name))
        w->setVisible(visible);
}

void WidgetSheetAccess::setFocus(std::string_view name) {
    if (QWidget* w = control(name))
        w->setFocus(Qt::OtherFocusReason);
}

std::optional<Rgb> WidgetSheetAccess::backColour(std::string_view name) const {
    const QWidget* w = control(name);
    return w != nullptr ? BackOf(*w) : std::nullopt;
}

std::optional<Rgb> WidgetSheetAccess::foreColour(std::string_view name) const {
    const QWidget* w = control(name);
    return w != nullptr ? ForeOf(*w) : std::nullopt;
}

} // namespace varnok::sheets
