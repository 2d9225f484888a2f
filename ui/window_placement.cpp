#include "window_placement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace varnok::ui {

void PlaceCentredOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    QRect placed(QPoint(), window->size());
    placed.moveCenter(area.center());
    // A window larger than the screen keeps its top-left corner in reach.
    window->move(std::max(placed.left(), area.left()), std::max(placed.top(), area.top()));
}

} // namespace varnok::ui
