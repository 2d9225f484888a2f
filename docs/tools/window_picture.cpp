#include "window_picture.h"

#include <QFont>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>
#include <cstdio>
#include <vector>

namespace varnok::guide {

namespace {

constexpr int kTitleHeight = 22; // px
constexpr int kBorder = 1;       // px
const QColor kTitleGround(10, 36, 106);
const QColor kTitleText(255, 255, 255);
const QColor kBorderColour(64, 64, 64);
const QColor kDesktop(58, 110, 165);

/// Where the framed window stands on the screen: its client area grown by the frame.
QRect FrameRect(const QWidget* window) {
    const QRect client = window->geometry();
    return client.adjusted(-kBorder, -kTitleHeight - kBorder, kBorder, kBorder);
}

std::vector<QWidget*> OwnerChain(QWidget* front, int levels) {
    std::vector<QWidget*> chain; // bottom window first
    for (QWidget* w = front->window(); w != nullptr && int(chain.size()) < levels;
         w = w->parentWidget() != nullptr ? w->parentWidget()->window() : nullptr)
        chain.insert(chain.begin(), w);
    return chain;
}

/// The caption as a title bar shows it: "[*]" is the mark of unsaved changes.
QString Caption(const QWidget* window) {
    QString title = window->windowTitle();
    return title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}

} // namespace

QImage Framed(QWidget* window) {
    const QPixmap client = window->grab();
    const QRect frame(0, 0, client.width() + 2 * kBorder,
                      client.height() + kTitleHeight + 2 * kBorder);
    QImage picture(frame.size(), QImage::Format_RGB32);
    picture.fill(kBorderColour);
    QPainter painter(&picture);
    painter.fillRect(kBorder, kBorder, client.width(), kTitleHeight, kTitleGround);
    QFont caption = window->font();
    caption.setBold(true);
    caption.setPointSize(9);
    painter.setFont(caption);
    painter.setPen(kTitleText);
    painter.drawText(QRect(kBorder + 6, kBorder, client.width() - 12, kTitleHeight),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, Caption(window));
    painter.drawPixmap(kBorder, kBorder + kTitleHeight, client);
    return picture;
}

QImage Stacked(QWidget* front, int levels) {
    const std::vector<QWidget*> chain = OwnerChain(front, levels);
    QRect all;
    for (QWidget* w : chain)
        all |= FrameRect(w);
    QImage picture(all.size(), QImage::Format_RGB32);
    picture.fill(kDesktop);
    QPainter painter(&picture);
    for (QWidget* w : chain)
        painter.drawImage(FrameRect(w).topLeft() - all.topLeft(), Framed(w));
    return picture;
}

bool SavePicture(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.flush() ||
        file.error() != QFileDevice::NoError || !file.commit()) {
        std::fprintf(stderr, "guide pictures: cannot write %s\n", qPrintable(path));
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace varnok::guide
