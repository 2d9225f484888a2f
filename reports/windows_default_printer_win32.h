#pragma once
// The Windows default-printer switch: the "device" entry of the profile's
// "windows" section ("device,driver,port"), then the settings-change broadcast
// that tells every top-level window about it.

#ifdef _WIN32

#include <QString>

#include <optional>
#include <string>

namespace varnok::reports {

/// True on an NT-family Windows: the top bit (0x80000000) of GetVersion is clear.
bool isWindowsNT();

/// The text in the ANSI code page, only when those bytes read back as exactly
/// this text; none when a character would be dropped or replaced by a
/// look-alike ("Café" by "Cafe", "¥" by "\\").
std::optional<std::string> ToAnsiExactly(const QString& text);

/// Writes "device,driver,port" (in the ANSI code page) as the default printer
/// and broadcasts WM_WININICHANGE (a hung window is skipped after a timeout).
/// False when the entry cannot be written exactly (a name the code page cannot
/// hold) or at all: the default is unchanged.
bool SetWindowsDefaultPrinter(const QString& deviceName, const QString& driverName,
                              const QString& portName);

} // namespace varnok::reports

#endif // _WIN32
