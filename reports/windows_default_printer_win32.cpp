// The Windows printer system: the printer list with device, driver and port
// names from the spooler, and the default switched through the profile entry
// that Windows itself reads. Only a Windows build compiles this file.
#ifdef _WIN32

#include "windows_default_printer_win32.h"

#include "printer_system.h"

#include <windows.h>
#include <winspool.h>

#include <optional>
#include <string>
#include <vector>

namespace varnok::reports {

namespace {

constexpr DWORD kNotNtBit = 0x80000000u; // GetVersion: set on Windows 95/98/Me
const HWND kBroadcast = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0xFFFF));
constexpr UINT kWinIniChange = 0x001A;     // WM_WININICHANGE
constexpr UINT kBroadcastTimeoutMs = 5000; // per window

} // namespace

std::optional<std::string> ToAnsiExactly(const QString& text) {
    const std::wstring wide = text.toStdWString();
    if (wide.empty())
        return std::string();
    const int length = static_cast<int>(wide.size());
    // Without WC_NO_BEST_FIT_CHARS the conversion silently writes a look-alike
    // ("Café" as "Cafe", "¥" as a backslash) and reports no replacement. The
    // UTF-8 code page takes neither the flag nor the replacement report, and
    // replaces nothing.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL replaced = FALSE;
    BOOL* replacedFlag = utf8 ? nullptr : &replaced;
    const int size =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, replacedFlag);
    if (size <= 0 || replaced)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, wide.data(), length, ansi.data(), size, nullptr,
                            replacedFlag) != size ||
        replaced)
        return std::nullopt;
    // And back: only bytes that read as the very same name may name the printer.
    const int back = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), size, nullptr, 0);
    std::wstring again(static_cast<std::size_t>(back > 0 ? back : 0), L'\0');
    if (back <= 0 ||
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), size, again.data(), back) !=
            back ||
        again != wide)
        return std::nullopt;
    return ansi;
}

namespace {

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
    // A name the ANSI code page cannot hold exactly would name another printer.
    const std::optional<std::string> ansi = ToAnsiExactly(entry);
    if (!ansi || !WriteProfileStringA("windows", "device", ansi->c_str()))
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
