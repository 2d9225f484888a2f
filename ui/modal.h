#pragma once
// Modal dialogs over windows that delete themselves on close. A dialog on the
// stack with such a window as parent is deleted twice when the window goes away
// while the dialog is open: once with the window, once at the end of its scope.
// Here the dialog lives on the heap under its window and is deleted once, by
// whichever goes first.

#include <optional>

class QDialog;

namespace varnok::ui {

/// Runs `dialog` (made with new, its window as parent, or no parent) as a
/// modal window and deletes it afterwards. Returns the dialog's result, or
/// nothing when its parent went away meanwhile: the caller must then touch
/// nothing of that window any more.
std::optional<int> ExecOwned(QDialog* dialog);

} // namespace varnok::ui
