#pragma once
// Bridging the engine's colours and texts to Qt.

#include "colour.h"

#include <QColor>
#include <QString>
#include <string_view>

namespace varnok::ui {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

inline QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace varnok::ui
