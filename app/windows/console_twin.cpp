// varnok3.com, the console twin of varnok3.exe. A command prompt prefers
// NAME.com to NAME.exe when the user types "varnok3": this small console
// program starts varnok3.exe beside it on the same console with the same
// arguments, waits for it and returns its exit status, so that a calc book
// run from a prompt or a batch file behaves as a console program (the prompt
// waits, %ERRORLEVEL% is the batch's status, progress and messages appear in
// order). The arguments are passed on as the wide command line holds them,
// never through a code page; the console's code pages are put back afterwards,
// whatever the program set them to.
#include <windows.h>

#include <string>

namespace {

/// The command line after the program's own name, as CommandLineToArgvW
/// splits it: a quoted name ends at its closing quote, else at a blank.
const wchar_t* ArgumentsOf(const wchar_t* line) {
    const wchar_t* p = line;
    if (*p == L'"') {
        ++p;
        while (*p != L'\0' && *p != L'"')
            ++p;
        if (*p == L'"')
            ++p;
    } else {
        while (*p != L'\0' && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}

/// varnok3.exe in this program's own folder.
std::wstring ProgramBeside() {
    std::wstring path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    const std::wstring::size_type dot = path.find_last_of(L'.');
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash))
        path.resize(dot);
    return path + L".exe";
}

void Say(const wchar_t* text) {
    DWORD written = 0;
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (!WriteConsoleW(err, text, static_cast<DWORD>(wcslen(text)), &written, nullptr)) {
        // Not a console (a file or a pipe): UTF-8, as the program writes.
        char bytes[1024];
        const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
        if (n > 1)
            WriteFile(err, bytes, static_cast<DWORD>(n - 1), &written, nullptr);
    }
}

} // namespace

int wmain() {
    const UINT outputPage = GetConsoleOutputCP();
    const UINT inputPage = GetConsoleCP();
    const std::wstring program = ProgramBeside();
    std::wstring command = L"\"" + program + L"\" " + ArgumentsOf(GetCommandLineW());

    // The program writes UTF-8; the console shows it as such until we are done.
    SetConsoleOutputCP(CP_UTF8);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // On the console itself the program attaches to it (as it does when a
    // prompt starts it); output sent to a file or a pipe is handed over.
    const HANDLE handles[] = {GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
                              GetStdHandle(STD_ERROR_HANDLE)};
    bool redirected = false;
    for (const HANDLE h : handles)
        redirected = redirected || GetFileType(h) != FILE_TYPE_CHAR;
    if (redirected) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = handles[0];
        startup.hStdOutput = handles[1];
        startup.hStdError = handles[2];
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process)) {
        Say(L"varnok3: varnok3.exe を起動できません（varnok3.com と同じフォルダに置いて下さい）。\n");
        return 3;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 3;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    if (outputPage != 0)
        SetConsoleOutputCP(outputPage);
    if (inputPage != 0)
        SetConsoleCP(inputPage);
    return static_cast<int>(status);
}
