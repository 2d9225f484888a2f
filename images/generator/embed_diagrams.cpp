// Writes the embedded copies of the six diagram GIFs and the launcher's icon as
// C++ tables of palette indices (images/embedded/*.h). The program turns them
// into pictures without an image plug-in or a painter, so the launcher's
// buttons and icon cost next to nothing at start-up; the tables keep every
// pixel of the GIF (or of the drawn icon) exactly.
//
//   embed_diagrams IMAGES_DIR     (reads IMAGES_DIR/s_*.gif, writes IMAGES_DIR/embedded/)

#include "diagram_images.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>

namespace {

constexpr int kRowAlignment = 4; // QImage wants each row on a 32-bit boundary

// The table of a picture, or an empty text when it has more than 256 colours.
QByteArray Table(const QImage& picture, const QByteArray& stem, const QByteArray& source) {
    // Our own palette of the exact colours, alpha included: Qt's conversion to
    // Indexed8 would fall back to a fixed palette for a picture with alpha.
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> colours;
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            qsizetype index = colours.indexOf(from[x]);
            if (index < 0) {
                if (colours.size() == 256)
                    return {};
                index = colours.size();
                colours.append(from[x]);
            }
            to[x] = static_cast<uchar>(index);
        }
    }
    const int stride = (indexed.width() + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    QByteArray out;
    out += "// Written by images/generator/embed_diagrams from " + source + "; do not edit.\n";
    out += "constexpr EmbeddedPicture " + stem + "_picture{\n";
    out += "    " + QByteArray::number(indexed.width()) + ", " +
           QByteArray::number(indexed.height()) + ", " + QByteArray::number(stride) + ",\n";
    out += "    {";
    for (qsizetype i = 0; i < colours.size(); ++i)
        out += (i % 8 == 0 ? "\n        " : " ") + QByteArray("0x") +
               QByteArray::number(colours[i], 16).rightJustified(8, '0') + "u,";
    out += "\n    },\n    {";
    for (int y = 0; y < indexed.height(); ++y) {
        out += "\n        ";
        const uchar* row = indexed.constScanLine(y);
        for (int x = 0; x < stride; ++x)
            out += QByteArray::number(x < indexed.width() ? row[x] : 0) + ",";
    }
    out += "\n    }};\n";
    return out;
}

bool Write(const QDir& dir, const QByteArray& stem, const QByteArray& text, QTextStream& err) {
    QSaveFile out(dir.filePath(QString::fromLatin1(stem + ".h")));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        err << "cannot write " << out.fileName() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: embed_diagrams IMAGES_DIR\n";
        return 2;
    }
    const QDir images(QString::fromLocal8Bit(argv[1]));
    if (!images.mkpath(QStringLiteral("embedded"))) {
        err << "cannot create " << images.filePath(QStringLiteral("embedded")) << "\n";
        return 1;
    }
    const QDir embedded(images.filePath(QStringLiteral("embedded")));
    for (const char* stem : {"s_b1", "s_b2", "s_b3", "s_b4", "s_b5", "s_cb"}) {
        const QByteArray source = QByteArray(stem) + ".gif";
        const QImage gif(images.filePath(QString::fromLatin1(source)));
        const QByteArray table = Table(gif, stem, source);
        if (table.isEmpty()) {
            err << "cannot read " << source << " as a picture of at most 256 colours\n";
            return 1;
        }
        if (!Write(embedded, stem, table, err))
            return 1;
    }
    const QByteArray icon =
        Table(varnok::images::DrawLauncherIcon(), "launcher_icon", "DrawLauncherIcon()");
    if (icon.isEmpty()) {
        err << "the icon has more than 256 colours\n";
        return 1;
    }
    return Write(embedded, "launcher_icon", icon, err) ? 0 : 1;
}
