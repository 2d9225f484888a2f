#pragma once
// The one way the program shows a message: prompt, title, icon and an OK button.

#include <QString>

class QWidget;

namespace varnok::ui {

enum class MessageIcon { Question, Exclamation };

/// The title a message box carries when none is given ("the program's default title").
inline const QString kProgramTitle = QStringLiteral("VARNOK_3");

/// Shows a modal message box and returns when the user has pressed OK.
void ShowMessage(QWidget* parent, const QString& prompt, const QString& title, MessageIcon icon);

} // namespace varnok::ui
