#pragma once
// The Windows default-printer switch: the "device" entry of the profile's
// "windows" section ("device,driver,port"), then the settings-change broadcast
// that tells every top-level window about it.

#ifdef _WIN32

#include <QString>

namespace varnok::reports {

/// True on an NT-family Windows: the top bit (0x80000000) of GetVersion is clear.
bool isWindowsNT();

/// Writes "device,driver,port" (in the ANSI code page) as the default printer
/// and broadcasts WM_WININICHANGE (a hung window is skipped after a timeout).
/// False when the profile entry could not be written: the default is unchanged.
bool SetWindowsDefaultPrinter(const QString& deviceName, const QString& driverName,
                              const QString& portName);

} // namespace varnok::reports

#endif // _WIN32
