#include "modal.h"

#include <QDialog>
#include <QPointer>

namespace varnok::ui {

std::optional<int> ExecOwned(QDialog* dialog) {
    const bool hasParent = dialog->parentWidget() != nullptr;
    const QPointer<QWidget> parent = dialog->parentWidget();
    const QPointer<QDialog> alive = dialog;
    // exec() itself notices a dialog deleted under it and answers Rejected.
    const int result = dialog->exec();
    delete alive.data(); // still ours when the parent (if any) is still there
    if (hasParent && parent.isNull())
        return std::nullopt;
    return result;
}

} // namespace varnok::ui
