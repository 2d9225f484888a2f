#pragma once
// The one way the program shows a message: prompt, title, icon and an OK button.

#include <QString>

class QWidget;

namespace varnok::ui {

enum class MessageIcon { Question, Exclamation };

/// The title a message box carries when none is given ("the program's default title").
inline const QString kProgramTitle = QStringLiteral("VARNOK_3");

/// Shows a modal message box over `parent` and returns when the user has
/// pressed OK. Returns false when `parent` went away while the box was open
/// (the caller must then touch nothing of it); true otherwise.
bool ShowMessage(QWidget* parent, const QString& prompt, const QString& title, MessageIcon icon);

} // namespace varnok::ui
