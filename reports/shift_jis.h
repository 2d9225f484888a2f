#pragma once
// Shift-JIS as Windows writes it (code page 932, Windows-31J): the one place
// where text becomes report bytes. The Linux build asks Qt's ICU converter,
// the Windows build the system's own code page; both give the same bytes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace varnok::reports {

/// The Shift-JIS bytes of `text`; nothing when a character has no code there
/// (no look-alike is put in its place).
std::optional<QByteArray> ToShiftJis(QStringView text);

/// The text of Shift-JIS bytes; nothing when they are not Shift-JIS (a byte
/// sequence that is no character).
std::optional<QString> FromShiftJis(QByteArrayView bytes);

} // namespace varnok::reports
