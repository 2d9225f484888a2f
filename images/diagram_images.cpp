#include "diagram_images.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace varnok::images {

namespace {

QString EmbeddedPath(const QString& bareFileName) {
    return QStringLiteral(":/diagrams/") + bareFileName;
}

// One of the six diagrams: the embedded copies are the list of known names.
bool IsKnownDiagram(const QString& bareFileName) {
    return !bareFileName.isEmpty() && bareFileName.endsWith(QLatin1String(".gif")) &&
           !bareFileName.contains(QLatin1Char('/')) && !bareFileName.contains(QLatin1Char('\\')) &&
           QFile::exists(EmbeddedPath(bareFileName));
}

QPixmap Read(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

} // namespace

QPixmap LoadDiagram(const QString& bareFileName) {
    if (!IsKnownDiagram(bareFileName))
        return {};
    const QPixmap beside = Read(QDir::current().filePath(bareFileName));
    return beside.isNull() ? Read(EmbeddedPath(bareFileName)) : beside;
}

QPixmap EmbeddedDiagram(const QString& bareFileName) {
    return IsKnownDiagram(bareFileName) ? Read(EmbeddedPath(bareFileName)) : QPixmap();
}

QPixmap LauncherIcon() {
    return Read(QStringLiteral(":/diagrams/launcher_icon.png"));
}

} // namespace varnok::images
