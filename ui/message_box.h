#pragma once
// The one way the program shows a message: prompt, title, icon and an OK button;
// and, for the program's own windows, a question with a choice of buttons.

#include <QMessageBox>
#include <QString>

#include <optional>

class QWidget;

namespace varnok::ui {

enum class MessageIcon { Question, Exclamation };

/// The title a message box carries when none is given ("the program's default title").
inline const QString kProgramTitle = QStringLiteral("VARNOK_3");

/// Shows a modal message box over `parent` and returns when the user has
/// pressed OK. Returns false when `parent` went away while the box was open
/// (the caller must then touch nothing of it); true otherwise.
bool ShowMessage(QWidget* parent, const QString& prompt, const QString& title, MessageIcon icon);

/// Asks a question over `parent` with the given buttons (captions in Japanese),
/// `preferred` being the default. Returns the button pressed (Cancel when the box
/// was closed otherwise), or nothing when `parent` went away while it was open.
std::optional<QMessageBox::StandardButton> AskQuestion(QWidget* parent, const QString& prompt,
                                                       const QString& title,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton preferred);

} // namespace varnok::ui
