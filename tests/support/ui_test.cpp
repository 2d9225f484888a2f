#include "ui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace varnok::testing {

namespace {
constexpr int kPollMs = 10;
constexpr int kStrayLimitTicks = 500; // 5 s in a dialog nobody answers fails the test
} // namespace

void UiTest::SetUp() {
    messages_.clear();
    poller_.setInterval(kPollMs);
    QObject::connect(&poller_, &QTimer::timeout, &poller_, [this] { poll(); });
    poller_.start();
}

void UiTest::TearDown() {
    poller_.stop();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->close();
    }
    processEvents();
}

void UiTest::processEvents(int rounds) {
    for (int i = 0; i < rounds; ++i)
        QApplication::processEvents();
}

void UiTest::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        // Under the offscreen platform a freshly shown dialog may not be the
        // active modal widget yet; look for a visible modal dialog ourselves.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->isModal()) {
                modal = w;
                break;
            }
        }
    }
    if (modal == nullptr) {
        strayDialog_ = nullptr;
        strayTicks_ = 0;
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        RecordedMessage m{box->windowTitle(), box->text(), box->icon()};
        messages_.push_back(m);
        const QPointer<QMessageBox> alive = box;
        if (messageHook_)
            messageHook_(m);
        if (alive.isNull()) // the hook took the box's window away, and the box with it
            return;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->done(QMessageBox::Ok);
        return;
    }
    if (dialogHandler_ && dialogHandler_(modal)) {
        strayDialog_ = nullptr;
        strayTicks_ = 0;
        return;
    }
    if (modal != strayDialog_) {
        strayDialog_ = modal;
        strayTicks_ = 0;
    }
    if (++strayTicks_ > kStrayLimitTicks) {
        ADD_FAILURE() << "a modal dialog was left open: " << modal->objectName().toStdString()
                      << " \"" << modal->windowTitle().toStdString() << "\"";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        strayDialog_ = nullptr;
        strayTicks_ = 0;
    }
}

} // namespace varnok::testing
