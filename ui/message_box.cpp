#include "message_box.h"

#include "modal.h"

#include <algorithm>

#include <QFontMetrics>
#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace varnok::ui {

namespace {

/// A message box centred on the window it belongs to. The dialog's own placing
/// happens before the box has taken its final size, which leaves it off-centre;
/// here it is moved once its size is known and before it appears.
class CentredMessageBox final : public QMessageBox {
    Q_OBJECT
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event); // settles the size
        if (event->spontaneous() || parentWidget() == nullptr)
            return;
        const QRect owner = parentWidget()->window()->geometry();
        QRect placed(QPoint(), size());
        placed.moveCenter(owner.center());
        if (const QScreen* screen = parentWidget()->window()->screen()) {
            // Never out of reach: keep the box on the owner's screen.
            const QRect area = screen->availableGeometry();
            placed.moveLeft(std::clamp(placed.left(), area.left(),
                                       std::max(area.left(), area.right() - placed.width())));
            placed.moveTop(std::clamp(placed.top(), area.top(),
                                      std::max(area.top(), area.bottom() - placed.height())));
        }
        move(placed.topLeft());
    }
};

/// A short prompt under a long title ("各欄データの入力方法") made a box so
/// narrow that the title bar cut the title off: the box is kept at least as
/// wide as its title plus the title bar's icon and buttons.
void KeepTitleWhole(QMessageBox& box) {
    constexpr int kTitleBarExtras = 140; // px: window icon, three buttons, margins
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true); // title bars mostly draw in bold
    const int wanted =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

bool ShowMessage(QWidget* parent, const QString& prompt, const QString& title, MessageIcon icon) {
    auto* box = new CentredMessageBox(
        icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
        title.isEmpty() ? kProgramTitle : title, prompt, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    KeepTitleWhole(*box);
    return ExecOwned(box).has_value();
}

std::optional<QMessageBox::StandardButton> AskQuestion(QWidget* parent, const QString& prompt,
                                                       const QString& title,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton preferred) {
    auto* box = new CentredMessageBox(
        QMessageBox::Question, title.isEmpty() ? kProgramTitle : title, prompt, buttons, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setDefaultButton(preferred);
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, QStringLiteral("はい(&Y)")},
        {QMessageBox::No, QStringLiteral("いいえ(&N)")},
        {QMessageBox::Save, QStringLiteral("保存する(&S)")},
        {QMessageBox::Discard, QStringLiteral("保存しない(&N)")},
        {QMessageBox::Cancel, QStringLiteral("キャンセル")}};
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* b = box->button(button))
            b->setText(caption);
    }
    KeepTitleWhole(*box);
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [&answer, box](QAbstractButton* b) { answer = box->standardButton(b); });
    if (!ExecOwned(box))
        return std::nullopt;
    return answer;
}

} // namespace varnok::ui

#include "message_box.moc"
