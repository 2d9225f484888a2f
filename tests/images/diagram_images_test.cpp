// Where the diagrams come from: the file beside the program first, the embedded
// copy of the same case otherwise, nothing for a name that is not a diagram.

#include "diagram_images.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace varnok::images {
namespace {

const QStringList kNames{"s_b1.gif", "s_b2.gif", "s_b3.gif", "s_b4.gif", "s_b5.gif", "s_cb.gif"};

// Runs a test inside an empty temporary directory and returns to where it was.
class DiagramImagesInTempDir : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // The GIF as shipped: the build copies it next to the program.
    static QByteArray shippedBytes(const QString& name) {
        QFile f(QDir(QCoreApplication::applicationDirPath()).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

QImage Rgb(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(DiagramImagesInTempDir, EveryDiagramIsEmbeddedAt110By75OnWhiteAndAllDiffer) {
    std::vector<QImage> seen;
    for (const QString& name : kNames) {
        SCOPED_TRACE(name.toStdString());
        const QPixmap p = LoadDiagram(name); // nothing beside the program here
        ASSERT_FALSE(p.isNull());
        EXPECT_EQ(p.size(), QSize(110, 75));
        const QImage img = Rgb(p);
        EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(img.pixelColor(109, 74), QColor(Qt::white));
        EXPECT_EQ(img, Rgb(EmbeddedDiagram(name)));
        for (const QImage& other : seen)
            EXPECT_NE(img, other);
        seen.push_back(img);
    }
}

TEST_F(DiagramImagesInTempDir, FileInTheCurrentDirectoryIsPreferred) {
    // The one-load picture saved under the three-load name: that file must win.
    writeFile("s_b3.gif", shippedBytes("s_b1.gif"));
    EXPECT_EQ(Rgb(LoadDiagram("s_b3.gif")), Rgb(EmbeddedDiagram("s_b1.gif")));
    // The embedded copy is not what was loaded, and the file does not change it.
    EXPECT_NE(Rgb(EmbeddedDiagram("s_b3.gif")), Rgb(LoadDiagram("s_b3.gif")));
}

TEST_F(DiagramImagesInTempDir, MissingOrBrokenFileFallsBackToTheSameCase) {
    EXPECT_EQ(Rgb(LoadDiagram("s_b4.gif")), Rgb(EmbeddedDiagram("s_b4.gif")));
    writeFile("s_cb.gif", "GIF89a this is not a picture");
    EXPECT_EQ(Rgb(LoadDiagram("s_cb.gif")), Rgb(EmbeddedDiagram("s_cb.gif")));
    writeFile("s_b5.gif", QByteArray());
    EXPECT_EQ(Rgb(LoadDiagram("s_b5.gif")), Rgb(EmbeddedDiagram("s_b5.gif")));
}

TEST_F(DiagramImagesInTempDir, NamesThatAreNotDiagramsGiveNothing) {
    writeFile("s_b6.gif", shippedBytes("s_b1.gif")); // present, but not one of the six
    for (const char* name : {"s_b6.gif", "", "s_b1", "launcher_icon.png", "../s_b1.gif",
                             "sub/s_b1.gif", "C:\\s_b1.gif"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(LoadDiagram(QString::fromLatin1(name)).isNull());
        EXPECT_TRUE(EmbeddedDiagram(QString::fromLatin1(name)).isNull());
    }
}

TEST(DiagramImages, TheIconIsABlueHSectionOnAWhiteTileWithClearCorners) {
    const QImage icon = DrawLauncherIcon();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(31, 31).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(3, 16), QColor(Qt::white));  // the tile
    EXPECT_EQ(icon.pixelColor(16, 16), QColor(0, 0, 255)); // the web
    EXPECT_EQ(icon.pixelColor(8, 7), QColor(0, 0, 255));   // a flange
    // The launcher shows the embedded copy of this drawing: it must not drift.
    EXPECT_EQ(LauncherIcon().toImage().convertToFormat(QImage::Format_ARGB32),
              icon.convertToFormat(QImage::Format_ARGB32));
}

// The embedded copies are compiled from the GIFs; this catches a GIF redrawn
// without its copy (images/generator/make_gifs.sh writes both).
TEST(DiagramImages, FilesAreCopiedNextToTheProgram) {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& name : kNames) {
        SCOPED_TRACE(name.toStdString());
        QImage beside(bin.filePath(name));
        ASSERT_FALSE(beside.isNull());
        EXPECT_EQ(beside.convertToFormat(QImage::Format_RGB32), Rgb(EmbeddedDiagram(name)));
    }
}

} // namespace
} // namespace varnok::images
