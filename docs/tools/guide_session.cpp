#include "guide_session.h"

#include "window_picture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>
#include <cstdio>

namespace varnok::guide {

namespace {
constexpr int kSettleLimitMs = 10000;
constexpr int kSettleStepMs = 20;

bool AnyModalShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isModal())
            return true;
    return false;
}
} // namespace

std::vector<reports::PrinterDescription> OfficePrinters::printers() {
    return {
        {QStringLiteral("VARNOK_PDF"), QStringLiteral("CUPS-PDF"), QStringLiteral("cups-pdf:/")},
        {QStringLiteral("Office_A3_Color"), QStringLiteral("Generic PCL"),
         QStringLiteral("socket://printer-2f")},
        {QStringLiteral("設計室_A4"), QStringLiteral("Generic PostScript"),
         QStringLiteral("ipp://printer-3f")},
    };
}

bool OfficePrinters::setDefaultPrinter(const reports::PrinterDescription& printer) {
    default_ = printer.deviceName;
    return true;
}

GuideSession::GuideSession(QString pictureFolder, QString reportFolder)
    : folder_(std::move(pictureFolder))
    , reportFolder_(std::move(reportFolder))
    , flow_(state_, {&editor_, &printers_, reportFolder_}) {}

QWidget* GuideSession::mainWindow() const {
    if (flow_.sheet() != nullptr)
        return flow_.sheet();
    return flow_.launcher();
}

bool GuideSession::settle(const std::function<bool()>& ready) {
    QElapsedTimer clock;
    clock.start();
    auto calm = [&] {
        return !AnyModalShown() && script_.pendingSteps() == 0 && (!ready || ready());
    };
    while (!calm()) {
        if (clock.elapsed() > kSettleLimitMs) {
            fail("the program did not come to rest");
            return false;
        }
        QTest::qWait(kSettleStepMs);
    }
    if (QWidget* window = mainWindow())
        QApplication::setActiveWindow(window);
    QTest::qWait(kSettleStepMs);
    return true;
}

void GuideSession::type(const QString& text, QWidget* window) {
    QWidget* target = window != nullptr ? window : mainWindow();
    QApplication::setActiveWindow(target); // as the desktop gives it to the window in front
    QWidget* focus = target->focusWidget();
    if (focus == nullptr)
        return;
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(focus, char(c.unicode()));
        } else {
            // Japanese text arrives from the input method, committed a character at a time.
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(focus, &commit);
        }
    }
}

void GuideSession::press(Qt::Key key, QWidget* window, Qt::KeyboardModifiers modifiers) {
    QWidget* target = window != nullptr ? window : mainWindow();
    QApplication::setActiveWindow(target);
    if (QWidget* focus = target->focusWidget())
        QTest::keyClick(focus, key, modifiers);
    if (window == nullptr)
        settle();
}

void GuideSession::click(QWidget* window, const char* name) {
    QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (control == nullptr) {
        fail(qPrintable(window->objectName() + QStringLiteral(" has no control ") +
                        QString::fromLatin1(name)));
        return;
    }
    QTest::mouseClick(control, Qt::LeftButton);
    settle();
}

void GuideSession::fail(const char* what) {
    std::fprintf(stderr, "guide pictures: %s\n", what);
    ++failures_;
}

void GuideSession::save(const QString& name, const QImage& picture) {
    if (!SavePicture(picture, QDir(folder_).filePath(name + QStringLiteral(".png"))))
        ++failures_;
}

} // namespace varnok::guide
