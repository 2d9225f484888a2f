// The Windows printer system: the printer list with device, driver and port
// names from the spooler, and the default switched through the profile entry
// that Windows itself reads. Only a Windows build compiles this file.
#ifdef _WIN32

#include "windows_default_printer_win32.h"

#include "printer_system.h"

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

namespace varnok::reports {

namespace {

constexpr DWORD kNotNtBit = 0x80000000u; // GetVersion: set on Windows 95/98/Me
const HWND kBroadcast = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0xFFFF));
constexpr UINT kWinIniChange = 0x001A;     // WM_WININICHANGE
constexpr UINT kBroadcastTimeoutMs = 5000; // per window

/// The text in the ANSI code page; empty when it cannot be written there
/// exactly (a replaced character would name another printer).
std::string ToAnsi(const QString& text) {
    const std::wstring wide = text.toStdWString();
    if (wide.empty())
        return {};
    BOOL replaced = FALSE;
    // The UTF-8 code page takes no replacement flag, and replaces nothing.
    BOOL* replacedFlag = GetACP() == CP_UTF8 ? nullptr : &replaced;
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, replacedFlag);
    if (size <= 0 || replaced)
        return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size,
                        nullptr, nullptr);
    return ansi;
}

QString FromWide(const wchar_t* text) {
    return text == nullptr ? QString() : QString::fromWCharArray(text);
}

class WindowsPrinterSystem final : public PrinterSystem {
public:
    std::vector<PrinterDescription> printers() override {
        constexpr DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
        DWORD needed = 0;
        DWORD count = 0;
        EnumPrintersW(flags, nullptr, 2, nullptr, 0, &needed, &count);
        if (needed == 0)
            return {};
        std::vector<BYTE> buffer(needed);
        if (!EnumPrintersW(flags, nullptr, 2, buffer.data(), needed, &needed, &count))
            return {};
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        std::vector<PrinterDescription> result;
        for (DWORD i = 0; i < count; ++i) {
            result.push_back({FromWide(info[i].pPrinterName), FromWide(info[i].pDriverName),
                              FromWide(info[i].pPortName)});
        }
        return result;
    }

    QString defaultPrinterName() override {
        DWORD size = 0;
        GetDefaultPrinterW(nullptr, &size);
        if (size == 0)
            return {};
        std::wstring name(size, L'\0');
        if (!GetDefaultPrinterW(name.data(), &size))
            return {};
        return FromWide(name.c_str());
    }

    bool setDefaultPrinter(const PrinterDescription& printer) override {
        return SetWindowsDefaultPrinter(printer.deviceName, printer.driverName, printer.portName);
    }
};

} // namespace

bool isWindowsNT() {
    return (GetVersion() & kNotNtBit) == 0;
}

bool SetWindowsDefaultPrinter(const QString& deviceName, const QString& driverName,
                              const QString& portName) {
    const QString entry = deviceName + u',' + driverName + u',' + portName;
    const std::string ansi = ToAnsi(entry);
    // A name the ANSI code page cannot hold would name another printer.
    if (ansi.empty() || !WriteProfileStringA("windows", "device", ansi.c_str()))
        return false;
    const bool nt = isWindowsNT();
    static const char kSection[] = "windows";
    // A window that does not answer is skipped after the timeout, so one hung
    // program cannot freeze the dialog; the profile entry is already written.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(kBroadcast, kWinIniChange, 0, nt ? 0 : reinterpret_cast<LPARAM>(kSection),
                        SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, &ignored);
    return true;
}

std::unique_ptr<PrinterSystem> MakeSystemPrinterSystem() {
    return std::make_unique<WindowsPrinterSystem>();
}

} // namespace varnok::reports

#endif // _WIN32
