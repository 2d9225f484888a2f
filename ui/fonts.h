#pragma once
// Japanese typefaces: the sheets and reports name the MS faces; where those are
// absent the IPA faces stand in for them.

#include <QString>

namespace varnok::ui {

inline const QString kGothicFace = QStringLiteral("ＭＳ ゴシック");
inline const QString kMinchoFace = QStringLiteral("ＭＳ 明朝");

/// Maps the MS face names (full-width and ASCII spellings, proportional ones too)
/// onto the installed IPA faces. Call once after the QApplication exists.
void InstallFontSubstitutions();

/// Makes the Japanese UI Gothic ("ＭＳ Ｐゴシック", 9 pt) the face of every control
/// that names none, and lets no face borrow glyphs from others: the IPA faces
/// hold every character the program shows, and skipping the search for
/// fallback faces saves a good part of the start-up. Call after
/// InstallFontSubstitutions().
void UseProgramDefaultFont();

} // namespace varnok::ui
