// The launcher's icon as drawn; the program shows the embedded copy of this
// drawing (embedded/launcher_icon.h), made by images/generator/embed_diagrams.
#include "diagram_images.h"

#include <QPainter>

namespace varnok::images {

QImage DrawLauncherIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0, 0, 96), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));     // the diagrams' beam blue
    p.drawRect(QRectF(6, 6, 20, 4));   // top flange
    p.drawRect(QRectF(6, 22, 20, 4));  // bottom flange
    p.drawRect(QRectF(14, 10, 4, 12)); // web
    return image;
}

} // namespace varnok::images
