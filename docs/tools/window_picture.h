#pragma once
// Pictures of windows as a user sees them on a desktop. The offscreen platform
// draws no window frames, so each window gets a plain title bar with its
// caption; a message box or dialog is painted over the windows beneath it at
// its real place.

#include <QImage>
#include <QString>

class QWidget;

namespace varnok::guide {

/// The window's client area under a title bar carrying its caption.
QImage Framed(QWidget* window);

/// `front` over the windows it was opened from (its owner, the owner's owner,
/// … up to `levels` windows in all), each framed and at its place on the screen.
QImage Stacked(QWidget* front, int levels = 2);

/// Writes the picture as PNG; false (with a line on stderr) when it could not.
bool SavePicture(const QImage& picture, const QString& path);

} // namespace varnok::guide
