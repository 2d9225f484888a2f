#pragma once
// The loading diagrams "s_b1.gif" … "s_b5.gif" and "s_cb.gif" (110 × 75 px),
// and the launcher's icon. Each diagram is a file beside the program and an
// embedded copy; the icon is drawn.

#include <QImage>
#include <QPixmap>
#include <QString>

namespace varnok::images {

/// The diagram named by a bare file name ("s_b2.gif"), read from the current
/// directory; when that file is missing or unreadable, the embedded copy of the
/// same case, so a sheet never shows another case's picture. A name that is not
/// one of the six diagrams (or carries a directory) gives a null pixmap.
QPixmap LoadDiagram(const QString& bareFileName);

/// The embedded copy of a diagram only; null for an unknown name.
QPixmap EmbeddedDiagram(const QString& bareFileName);

/// The launcher's 32 × 32 icon: an H-section in blue on a white tile, with
/// transparent corners.
QImage DrawLauncherIcon();
QPixmap LauncherIcon();

} // namespace varnok::images
