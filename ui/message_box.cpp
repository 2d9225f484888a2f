#include "message_box.h"

#include <QMessageBox>

namespace varnok::ui {

void ShowMessage(QWidget* parent, const QString& prompt, const QString& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    title.isEmpty() ? kProgramTitle : title, prompt, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace varnok::ui
