// The Windows-only code against a real Win32: the spooler's printer list, the
// default-printer switch read back from the profile together with its
// settings broadcast, and the report on the shell's desktop. These tests add
// printers and write on the desktop, so they run only inside Wine with a
// throwaway prefix (scripts/windows/test-under-wine.sh says so through
// VARNOK_WINE_SCRATCH_PREFIX) and skip anywhere else.

#include "printer_dialog.h"
#include "printer_system.h"
#include "recording_editor.h"
#include "report_flows.h"
#include "report_scenarios.h"
#include "shift_jis.h"
#include "text_report_file.h"
#include "ui_test.h"
#include "windows_default_printer_win32.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <windows.h>
// windows.h first: the shell and spooler headers build on it.
#include <shlobj.h>
#include <winspool.h>

#include <algorithm>
#include <string>
#include <vector>

namespace varnok::reports {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

bool InScratchWinePrefix() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr &&
           qEnvironmentVariableIsSet("VARNOK_WINE_SCRATCH_PREFIX");
}

const wchar_t* Wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

const QString kDriver = QStringLiteral("Wine PostScript Driver");
const QString kPort = QStringLiteral("FILE:");
// One name in Japanese: the profile holds it in the ANSI code page.
const QString kJapanesePrinter = Q("VARNOK 試験用 Ａ４");
const QString kPlainPrinter = QStringLiteral("VARNOK plain");

/// Wine's PostScript driver with a minimal description file, and the two test
/// printers on it (already there from an earlier test: fine).
bool InstallTestPrinters(const QString& scratchFolder) {
    const QString ppd = QDir(scratchFolder).filePath(QStringLiteral("varnok.ppd"));
    QFile file(ppd);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("*PPD-Adobe: \"4.3\"\n*ModelName: \"VARNOK test\"\n*NickName: \"VARNOK "
                   "test\"\n*LanguageLevel: \"2\"\n*DefaultPageSize: A4\n") < 0 ||
        !file.flush())
        return false;
    file.close();
    const QString nativePpd = QDir::toNativeSeparators(ppd);
    const QString driverFile = QStringLiteral("wineps.drv");
    const QString raw = QStringLiteral("RAW");
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<wchar_t*>(Wide(kDriver));
    driver.pDriverPath = const_cast<wchar_t*>(Wide(driverFile));
    driver.pConfigFile = const_cast<wchar_t*>(Wide(driverFile));
    driver.pDataFile = const_cast<wchar_t*>(Wide(nativePpd));
    driver.pDefaultDataType = const_cast<wchar_t*>(Wide(raw));
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES))
        return false;
    const QString processor = QStringLiteral("WinPrint");
    for (const QString& name : {kJapanesePrinter, kPlainPrinter}) {
        PRINTER_INFO_2W printer{};
        printer.pPrinterName = const_cast<wchar_t*>(Wide(name));
        printer.pPortName = const_cast<wchar_t*>(Wide(kPort));
        printer.pDriverName = const_cast<wchar_t*>(Wide(kDriver));
        printer.pPrintProcessor = const_cast<wchar_t*>(Wide(processor));
        printer.pDatatype = const_cast<wchar_t*>(Wide(raw));
        const HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
        if (added != nullptr)
            ClosePrinter(added);
        else if (GetLastError() != ERROR_PRINTER_ALREADY_EXISTS)
            return false;
    }
    return true;
}

/// The "device" entry of the profile's "windows" section, as the ANSI bytes
/// that GetProfileStringA gives.
QByteArray ProfileDevice() {
    char entry[1024] = {};
    GetProfileStringA("windows", "device", "", entry, sizeof entry);
    return QByteArray(entry);
}

/// A top-level window of our own that records the settings-change broadcasts
/// it receives.
class BroadcastListener {
public:
    BroadcastListener() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &BroadcastListener::procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VarnokBroadcastListener";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~BroadcastListener() { DestroyWindow(window_); }
    BroadcastListener(const BroadcastListener&) = delete;
    BroadcastListener& operator=(const BroadcastListener&) = delete;

    bool ready() const { return window_ != nullptr; }
    /// lParam of each WM_WININICHANGE, as text ("" for 0).
    std::vector<std::string> received;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
        auto* self = reinterpret_cast<BroadcastListener*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_WININICHANGE)
            self->received.emplace_back(l == 0 ? "" : reinterpret_cast<const char*>(l));
        return DefWindowProcW(window, message, w, l);
    }
    HWND window_ = nullptr;
};

class WindowsSpooler : public testing::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        if (!InScratchWinePrefix())
            GTEST_SKIP() << "adds printers: runs only in the throwaway Wine prefix of "
                            "scripts/windows/test-under-wine.sh";
        ASSERT_EQ(GetACP(), 932u) << "the users' Windows is Japanese (LC_ALL=ja_JP.UTF-8)";
        ASSERT_TRUE(InstallTestPrinters(scratch_.path())) << GetLastError();
    }

    std::unique_ptr<PrinterSystem> system_ = MakeSystemPrinterSystem();
    QTemporaryDir scratch_;
};

TEST_F(WindowsSpooler, ListsEveryPrinterWithDriverAndPort) {
    const std::vector<PrinterDescription> list = system_->printers();
    for (const QString& name : {kJapanesePrinter, kPlainPrinter}) {
        const auto found = std::find_if(list.begin(), list.end(),
                                        [&](const auto& p) { return p.deviceName == name; });
        ASSERT_NE(found, list.end()) << name.toStdString();
        EXPECT_EQ(found->driverName, kDriver);
        EXPECT_EQ(found->portName, kPort);
    }
}

TEST_F(WindowsSpooler, OkInTheDialogWritesTheProfileAndTellsEveryWindow) {
    ASSERT_TRUE(isWindowsNT()) << "Wine answers GetVersion as an NT-family Windows";
    BroadcastListener listener;
    ASSERT_TRUE(listener.ready()) << "CreateWindowExW: " << GetLastError();
    PrinterDialog dialog(nullptr, SheetKind::kei3_b1, *system_,
                         [] { return PrintOutcome::Printed; });
    dialog.show();
    processEvents();
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Command3"));
    ASSERT_TRUE(combo != nullptr && ok != nullptr);
    EXPECT_GE(combo->findText(kJapanesePrinter), 0);

    for (const QString& name : {kJapanesePrinter, kPlainPrinter, kJapanesePrinter}) {
        combo->setCurrentIndex(combo->findText(name));
        ok->click();
        processEvents();
        const std::optional<QByteArray> entry =
            ToShiftJis(name + u',' + kDriver + u',' + kPort); // code page 932 is the ANSI one
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(ProfileDevice(), *entry) << name.toStdString();
        EXPECT_EQ(system_->defaultPrinterName(), name);
    }
    // An NT-family Windows gets lParam 0, each time.
    EXPECT_EQ(listener.received, std::vector<std::string>(3, ""));
    EXPECT_TRUE(messages().empty());
}

// The conversion to the ANSI code page must not pick a look-alike: "Café Drucker"
// written as "Cafe Drucker" would switch to another printer without a word.
TEST_F(WindowsSpooler, ANameTheCodePageCannotHoldExactlyIsRefusedNotSwitchedToALookAlike) {
    EXPECT_FALSE(ToAnsiExactly(Q("Café Drucker")));
    EXPECT_FALSE(ToAnsiExactly(Q("¥ Drucker"))); // would become a backslash
    EXPECT_EQ(ToAnsiExactly(kJapanesePrinter), ToShiftJis(kJapanesePrinter)->toStdString());

    ASSERT_TRUE(system_->setDefaultPrinter({kPlainPrinter, kDriver, kPort}));
    const QByteArray before = ProfileDevice();
    EXPECT_FALSE(system_->setDefaultPrinter({Q("Café Drucker"), kDriver, kPort}));
    EXPECT_EQ(ProfileDevice(), before);
    EXPECT_EQ(system_->defaultPrinterName(), kPlainPrinter);
}

TEST_F(WindowsSpooler, ANameNotInTheListLeavesTheProfileAsItWas) {
    const QByteArray before = ProfileDevice();
    PrinterDialog dialog(nullptr, SheetKind::kei3_cg, *system_,
                         [] { return PrintOutcome::Printed; });
    dialog.show();
    processEvents();
    dialog.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(Q("VARNOK 試験用"));
    dialog.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    processEvents();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, Q("該当するプリンタがありません"));
    EXPECT_EQ(ProfileDevice(), before);
}

using testing::RecordingEditor;

QString ShellDesktop() {
    PWSTR path = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_DONT_VERIFY, nullptr, &path) != S_OK)
        return {};
    const QString desktop = QString::fromWCharArray(path);
    CoTaskMemFree(path);
    return desktop;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class WindowsDesktop : public testing::UiTest {};

// A viewer or editor holding the old report open without delete sharing makes
// the replacement fail with access denied: the message says the file may be
// open in another program, and the old report stays.
TEST_F(WindowsDesktop, AReportHeldOpenByAnotherProgramIsKeptAndToldSo) {
    QTemporaryDir folder;
    const QString report = folder.filePath(QStringLiteral("B1.TXT"));
    {
        QFile old(report);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old report\r\n");
    }
    const HANDLE held = CreateFileW(Wide(QDir::toNativeSeparators(report)), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << GetLastError();
    const FileOutcome outcome = WriteReportFile(report, "new report\r\n");
    CloseHandle(held);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.reason(),
              Q("同じ名前のファイルがほかのプログラムで開かれている可能性があります。"
                "そのプログラムで閉じてから、もう一度出力して下さい。"));
    EXPECT_EQ(Read(report), QByteArray("old report\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("B1.TXT")})
        << "no temporary file is left";
    EXPECT_TRUE(WriteReportFile(report, "new report\r\n").ok()) << "once the program let go";
}

TEST_F(WindowsDesktop, ReportGoesToTheShellsDesktopInTheLinuxBuildsBytes) {
    if (!InScratchWinePrefix())
        GTEST_SKIP() << "writes on the desktop: runs only in the throwaway Wine prefix";
    const QString desktop = ShellDesktop();
    ASSERT_FALSE(desktop.isEmpty());
    RecordingEditor editor;
    for (testing::Scenario s : {testing::TwoPointsLongPass(), testing::UniformOneRowShortFail(),
                                testing::CantileverWeldFailLong()}) {
        onDialog([](QWidget* screen) {
            screen->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            return true;
        });
        sheets::RunTextReport(nullptr, s.design, s.memberName,
                              ReportServices{&editor, nullptr, {}});
        const QString report =
            QDir(desktop).filePath(QString::fromStdString(s.memberName) + ".TXT");
        EXPECT_EQ(Read(report),
                  Read(QStringLiteral(VARNOK_GOLDEN_DIR "/") + QString::fromStdString(s.golden)))
            << s.golden;
        ASSERT_FALSE(editor.started.empty());
        EXPECT_EQ(QDir::toNativeSeparators(editor.started.back()),
                  QDir::toNativeSeparators(report));
        QFile::remove(report);
    }
    EXPECT_TRUE(messages().empty());
}

} // namespace
} // namespace varnok::reports
