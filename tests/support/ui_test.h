#pragma once
// Fixture for window tests: offscreen platform, message boxes answered and
// recorded, other modal dialogs answered by the test, and a watchdog that fails
// a test left hanging in a stray modal dialog instead of blocking the suite.

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

class QWidget;

namespace varnok::testing {

struct RecordedMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Message boxes shown so far, each already answered with OK.
    const std::vector<RecordedMessage>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }

    /// Answers the next modal dialogs that are not message boxes: the handler
    /// gets the dialog and returns true once it has dealt with it.
    void onDialog(std::function<bool(QWidget*)> handler) { dialogHandler_ = std::move(handler); }

    /// Runs a callback on every message box before it is answered (to inspect
    /// the window beneath it, for instance).
    void onMessage(std::function<void(const RecordedMessage&)> hook) {
        messageHook_ = std::move(hook);
    }

    /// Lets queued events run (focus changes, deferred slots).
    static void processEvents(int rounds = 3);

private:
    void poll();

    QTimer poller_;
    std::vector<RecordedMessage> messages_;
    std::function<bool(QWidget*)> dialogHandler_;
    std::function<void(const RecordedMessage&)> messageHook_;
    QWidget* strayDialog_ = nullptr;
    int strayTicks_ = 0;
};

} // namespace varnok::testing
