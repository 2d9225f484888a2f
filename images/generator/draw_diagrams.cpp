// Draws the six loading diagrams (110 × 75 px, white ground) as PNG files.
// Qt writes no GIF, so make_gifs.sh converts them afterwards.
//
//   draw_diagrams OUTPUT_DIR
//
// Layout of a diagram, top to bottom: the point loads' arrows marked "P", the
// row of small boxes standing for the uniform load w, the blue beam, the
// supports (or the cantilever's wall), the dimension line marked "L".

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <array>
#include <string_view>

namespace {

constexpr int kWidth = 110;
constexpr int kHeight = 75;

const QColor kBeamBlue(0, 0, 255);
const QColor kLoadRed(230, 0, 0);
const QColor kBoxGrey(96, 96, 96);
const QColor kInk(0, 0, 0);

enum class Support { SimpleBeam, Cantilever };

struct Diagram {
    std::string_view fileName; // PNG, converted to the GIF of the same stem
    int pointLoads;            // equal loads at equal spacing (span / (n + 1))
    Support support;
};

constexpr std::array<Diagram, 6> kDiagrams{{
    {"s_b1.png", 1, Support::SimpleBeam},
    {"s_b2.png", 2, Support::SimpleBeam},
    {"s_b3.png", 3, Support::SimpleBeam},
    {"s_b4.png", 4, Support::SimpleBeam},
    {"s_b5.png", 0, Support::SimpleBeam},
    {"s_cb.png", 1, Support::Cantilever},
}};

// Vertical bands (pixel rows).
constexpr int kArrowTop = 3;
constexpr int kBoxTop = 21;
constexpr int kBoxBottom = 27; // the boxes sit on the beam
constexpr int kBeamTop = 28;
constexpr int kBeamBottom = 32;
constexpr int kDimensionY = 53;

QFont LetterFont(int pixelSize) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixelSize);
    f.setItalic(true);
    f.setBold(true);
    return f;
}

void DrawLetter(QPainter& p, const QRect& box, const QString& letter, const QColor& colour,
                int pixelSize = 12) {
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(LetterFont(pixelSize));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, letter);
    p.restore();
}

void DrawBeam(QPainter& p, int left, int right) {
    p.fillRect(QRect(QPoint(left, kBeamTop), QPoint(right, kBeamBottom)), kBeamBlue);
}

// The uniform load: a row of small boxes along the beam, "w" at its left end.
void DrawUniformLoad(QPainter& p, int left, int right) {
    p.save();
    p.setPen(kBoxGrey);
    p.setBrush(QColor(235, 235, 235));
    constexpr int pitch = 6;
    const int count = (right - left + 1) / pitch;
    const int start = left + ((right - left + 1) - count * pitch) / 2;
    for (int i = 0; i < count; ++i)
        p.drawRect(start + i * pitch, kBoxTop, pitch - 2, kBoxBottom - kBoxTop - 1);
    p.restore();
}

// A red downward arrow whose tip touches the boxes at x, "P" to its right.
void DrawPointLoad(QPainter& p, int x) {
    p.save();
    p.fillRect(QRect(QPoint(x, kArrowTop), QPoint(x + 1, kBoxTop - 5)), kLoadRed);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kLoadRed);
    const double mid = x + 1.0;
    const QPointF head[] = {
        {mid - 4, kBoxTop - 6.0}, {mid + 4, kBoxTop - 6.0}, {mid, kBoxTop - 0.5}};
    p.drawPolygon(head, 3);
    p.restore();
    DrawLetter(p, QRect(x + 3, kArrowTop - 3, 9, 14), QStringLiteral("P"), kLoadRed, 11);
}

// A pin at the left end, a roller at the right end.
void DrawSupports(QPainter& p, int left, int right) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    for (int x : {left, right}) {
        const QPointF tri[] = {{x + 0.5, kBeamBottom + 1.5},
                               {x - 4.5, kBeamBottom + 8.5},
                               {x + 5.5, kBeamBottom + 8.5}};
        p.drawPolygon(tri, 3);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    // Ground under the pin, a line under the roller's gap.
    p.drawLine(left - 7, kBeamBottom + 10, left + 7, kBeamBottom + 10);
    p.drawLine(right - 7, kBeamBottom + 11, right + 7, kBeamBottom + 11);
    p.restore();
}

// The cantilever's fixed end: a red wall, hatched.
void DrawWall(QPainter& p, int faceX) {
    const QRect wall(QPoint(faceX - 8, kArrowTop + 6), QPoint(faceX - 1, kDimensionY - 9));
    p.save();
    p.fillRect(wall, QColor(255, 215, 215));
    p.setClipRect(wall);
    p.setPen(QPen(kLoadRed, 1));
    for (int y = wall.top() - wall.width(); y <= wall.bottom(); y += 4)
        p.drawLine(wall.left(), y + wall.width(), wall.right() + 1, y);
    p.setClipping(false);
    p.setPen(QPen(kLoadRed, 2));
    p.drawLine(faceX, wall.top(), faceX, wall.bottom());
    p.restore();
}

// The dimension line between the span's ends, "L" under its middle.
void DrawDimension(QPainter& p, int left, int right) {
    p.save();
    p.setPen(kInk);
    p.drawLine(left, kDimensionY - 5, left, kDimensionY + 4);
    p.drawLine(right, kDimensionY - 5, right, kDimensionY + 4);
    p.drawLine(left, kDimensionY, right, kDimensionY);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(kInk);
    const double y = kDimensionY + 0.5;
    const QPointF leftHead[] = {{left + 0.5, y}, {left + 6.5, y - 2.5}, {left + 6.5, y + 2.5}};
    const QPointF rightHead[] = {{right + 0.5, y}, {right - 5.5, y - 2.5}, {right - 5.5, y + 2.5}};
    p.drawPolygon(leftHead, 3);
    p.drawPolygon(rightHead, 3);
    p.restore();
    const int mid = (left + right) / 2;
    DrawLetter(p, QRect(mid - 8, kDimensionY + 4, 17, 16), QStringLiteral("L"), kInk, 13);
}

QImage DrawDiagram(const Diagram& d) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);

    const bool cantilever = d.support == Support::Cantilever;
    const int left = cantilever ? 14 : 12;
    const int right = 99;

    if (cantilever)
        DrawWall(p, left);
    DrawUniformLoad(p, left + 1, right);
    DrawBeam(p, left, right);
    if (!cantilever)
        DrawSupports(p, left, right);
    // "w" left of the boxes; the cantilever's wall stands there, so above them.
    const QRect wBox =
        cantilever ? QRect(left + 2, kBoxTop - 14, 12, 14) : QRect(0, kBoxTop - 14, 12, 14);
    DrawLetter(p, wBox, QStringLiteral("w"), kInk, 12);

    if (cantilever) {
        DrawPointLoad(p, right - 3);
    } else {
        const double spacing = double(right - left) / (d.pointLoads + 1);
        for (int i = 1; i <= d.pointLoads; ++i)
            DrawPointLoad(p, int(left + i * spacing + 0.5) - 1);
    }
    DrawDimension(p, left, right);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: draw_diagrams OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    for (const Diagram& d : kDiagrams) {
        const QString name = QString::fromLatin1(d.fileName.data(), qsizetype(d.fileName.size()));
        if (!DrawDiagram(d).save(out.filePath(name))) {
            err << "cannot write " << out.filePath(name) << "\n";
            return 1;
        }
    }
    return 0;
}
