#include "diagram_images.h"

#include <QDir>
#include <QImageReader>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace varnok::images {

namespace {

// A picture of at most 256 colours as a table of palette indices, each row
// padded to a 32-bit boundary.
struct EmbeddedPicture {
    int width;
    int height;
    int stride;                                   // bytes a row
    std::initializer_list<std::uint32_t> colours; // 0xAARRGGBB
    std::initializer_list<std::uint8_t> pixels;
};

// Written from the GIFs and the icon's drawing by images/generator/embed_diagrams.
// Turning a table into a picture needs no image plug-in and no painter, so the
// launcher's buttons and icon cost next to nothing at start-up.
#include "embedded/launcher_icon.h"
#include "embedded/s_b1.h"
#include "embedded/s_b2.h"
#include "embedded/s_b3.h"
#include "embedded/s_b4.h"
#include "embedded/s_b5.h"
#include "embedded/s_cb.h"

QPixmap ToPixmap(const EmbeddedPicture& picture) {
    QImage image(std::data(picture.pixels), picture.width, picture.height, picture.stride,
                 QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(picture.colours.begin(), picture.colours.end()));
    return QPixmap::fromImage(image);
}

struct EmbeddedCopy {
    std::string_view fileName;
    const EmbeddedPicture* picture;
};

constexpr std::array<EmbeddedCopy, 6> kEmbedded{{
    {"s_b1.gif", &s_b1_picture},
    {"s_b2.gif", &s_b2_picture},
    {"s_b3.gif", &s_b3_picture},
    {"s_b4.gif", &s_b4_picture},
    {"s_b5.gif", &s_b5_picture},
    {"s_cb.gif", &s_cb_picture},
}};

// One of the six diagrams, named bare; null for anything else.
const EmbeddedCopy* Find(const QString& bareFileName) {
    for (const EmbeddedCopy& copy : kEmbedded)
        if (bareFileName == QLatin1StringView(copy.fileName.data(), copy.fileName.size()))
            return &copy;
    return nullptr;
}

QPixmap ReadFile(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

} // namespace

QPixmap LoadDiagram(const QString& bareFileName) {
    const EmbeddedCopy* copy = Find(bareFileName);
    if (!copy)
        return {};
    const QPixmap beside = ReadFile(QDir::current().filePath(bareFileName));
    return beside.isNull() ? ToPixmap(*copy->picture) : beside;
}

QPixmap EmbeddedDiagram(const QString& bareFileName) {
    const EmbeddedCopy* copy = Find(bareFileName);
    return copy ? ToPixmap(*copy->picture) : QPixmap();
}

QPixmap LauncherIcon() {
    return ToPixmap(launcher_icon_picture);
}

} // namespace varnok::images
