#include "message_box.h"

#include "modal.h"

#include <QMessageBox>

namespace varnok::ui {

bool ShowMessage(QWidget* parent, const QString& prompt, const QString& title, MessageIcon icon) {
    auto* box = new QMessageBox(
        icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
        title.isEmpty() ? kProgramTitle : title, prompt, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    return ExecOwned(box).has_value();
}

} // namespace varnok::ui
