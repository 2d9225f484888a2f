#pragma once
// Answers the modal windows of a scripted session in the order the script
// expects them. Each message box, report screen or printer dialog that comes to
// the front is handed to the next step of the script, which may photograph it
// and must answer it (or open the next window over it). A window nobody
// expected is closed and counted as a fault, so a drifted program makes the
// picture run fail instead of hanging it.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace varnok::guide {

class ModalScript : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void(QWidget* modal)>;

    explicit ModalScript(QObject* parent = nullptr);

    /// The next window to come to the front is handed to `step`. A step runs
    /// from a timer: it must not block, so it answers through Later().
    void expect(Step step) { steps_.push_back(std::move(step)); }

    /// Whether every expected window came and nothing unexpected did.
    bool finishedCleanly() const { return faults_ == 0 && steps_.empty(); }
    int faults() const { return faults_; }
    std::size_t pendingSteps() const { return steps_.size(); }

    /// Runs `action` once the current step has returned (a click that opens
    /// another modal window must not run inside the step that saw this one).
    static void Later(std::function<void()> action);

private:
    void poll();
    void giveUp(QWidget* modal, const char* why);

    QTimer poller_;
    std::deque<Step> steps_;
    QPointer<QWidget> current_; // the front window last handed to a step
    int ticksInFront_ = 0;
    int faults_ = 0;
};

/// Presses OK on a message box (or accepts any other dialog), later.
void AnswerOk(QWidget* modal);

/// Clicks the named button of a window, later.
void ClickLater(QWidget* window, const char* buttonName);

} // namespace varnok::guide
