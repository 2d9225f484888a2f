#pragma once
// Where a window appears. A window manager places a new window only after it
// is mapped, so a message box opened at once (the sheet's instructions) knew
// no place of its window yet and opened at the screen's corner. Placing the
// window ourselves before showing it gives its messages a window to centre on.

class QWidget;

namespace varnok::ui {

/// Moves the top-level `window` so that it stands in the middle of the
/// available area of its screen (the primary screen when it has none yet).
void PlaceCentredOnScreen(QWidget* window);

} // namespace varnok::ui
