#include "modal_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

namespace varnok::guide {

namespace {
constexpr int kPollMs = 10;
constexpr int kStuckTicks = 500; // 5 s with one window in front: its step never answered it

QWidget* FrontModal() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    // Offscreen, a window just shown need not be the active modal one yet.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isModal())
            return w;
    return nullptr;
}

void Dismiss(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->done(QMessageBox::Ok);
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}
} // namespace

ModalScript::ModalScript(QObject* parent)
    : QObject(parent) {
    poller_.setInterval(kPollMs);
    connect(&poller_, &QTimer::timeout, this, &ModalScript::poll);
    poller_.start();
}

void ModalScript::Later(std::function<void()> action) {
    QTimer::singleShot(0, qApp, std::move(action));
}

void ModalScript::poll() {
    QWidget* modal = FrontModal();
    if (modal == nullptr) {
        current_ = nullptr;
        return;
    }
    if (modal == current_) {
        if (++ticksInFront_ > kStuckTicks)
            giveUp(modal, "was left open by its step");
        return;
    }
    current_ = modal;
    ticksInFront_ = 0;
    if (steps_.empty()) {
        giveUp(modal, "came unexpected");
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(modal);
}

void ModalScript::giveUp(QWidget* modal, const char* why) {
    ++faults_;
    const QString title = modal->windowTitle();
    std::fprintf(stderr, "guide pictures: window %s \"%s\" %s\n", qPrintable(modal->objectName()),
                 title.toUtf8().constData(), why);
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        std::fprintf(stderr, "  its text: %s\n", box->text().toUtf8().constData());
    current_ = nullptr;
    Dismiss(modal);
}

void AnswerOk(QWidget* modal) {
    QPointer<QWidget> target = modal;
    ModalScript::Later([target] {
        if (!target)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(target.data()))
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        if (auto* dialog = qobject_cast<QDialog*>(target.data()))
            dialog->accept();
    });
}

void ClickLater(QWidget* window, const char* buttonName) {
    QPointer<QAbstractButton> button =
        window->findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
    ModalScript::Later([button] {
        if (button)
            button->click();
    });
}

} // namespace varnok::guide
