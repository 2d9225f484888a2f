#pragma once
// Finds text that a window cuts off: a line too low for its font loses the
// bottom of "_", "g" and "ｇ" first, which reads as a blank or another letter.

#include <QStringList>

class QWidget;

namespace varnok::testing {

/// Object names of the visible text controls of `window` whose text does not
/// fit in height: fields (line edits, the edit part of combo boxes) and labels
/// with text (a word-wrapped label with all its lines).
QStringList ClippedTextControls(const QWidget& window);

} // namespace varnok::testing
