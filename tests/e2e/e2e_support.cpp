#include "e2e_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdio>

#ifndef QUENDREL_EXE
#error "QUENDREL_EXE must name the program under test"
#endif

namespace quendrel::e2e {

namespace {
std::wstring ProgramUnderTest() {
    // A Unix path given at build time; Wine maps it through drive Z:.
    std::string unixPath = QUENDREL_EXE;
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}
}  // namespace

QuendrelProcess::~QuendrelProcess() {
    Kill();
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

bool QuendrelProcess::Start(const std::wstring& arguments, HANDLE output) {
    const std::wstring exe = File(L"Quendrel.exe");
    if (!test::FileExists(exe) && !CopyFileW(ProgramUnderTest().c_str(), exe.c_str(), FALSE)) return false;
    if (info_.hProcess) {
        Kill();  // a process left running would hold the mutex for every later scenario
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
        info_ = {};
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (output) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    std::wstring command = L"\"" + exe + L"\"";
    if (!arguments.empty()) command += L" " + arguments;
    return CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, output != nullptr, 0, nullptr, folder_.c_str(),
                          &startup, &info_) != 0;
}

int QuendrelProcess::WaitForExit(DWORD milliseconds) {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

bool QuendrelProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void QuendrelProcess::Kill() {
    if (Running()) {
        // The shell would keep a killed program's tray icon until it notices,
        // and the next scenario's icon would sit beside it: take it away, as
        // quitting does.
        test::RemoveTrayIcon(pid());
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

long QuendrelProcess::ResidentKiB() const {
    // Under Wine the program is a host process whose command line names the
    // exe in its own folder.
    const std::wstring entry = test::HostProcessEntry(test::Utf8Of(folder_.substr(folder_.find_last_of(L'\\') + 1)));
    if (entry.empty()) return -1;
    const std::string status = test::ReadUntilEnd(entry + L"\\status");
    const auto at = status.find("VmRSS:");
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + 6);
}

HWND WaitForWindow(DWORD pid, const wchar_t* className, DWORD milliseconds, bool visible) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(pid, className, visible)) != nullptr; }, milliseconds);
    return found;
}

std::string FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return "unknown";
    if (!info.hwndFocus) return "nothing";
    wchar_t name[64];
    GetClassNameW(info.hwndFocus, name, 64);
    const std::wstring text = WindowText(info.hwndFocus);
    return test::Utf8Of(name) + (text.empty() ? "" : " \"" + test::Utf8Of(text) + "\"") +
           (IsWindowEnabled(info.hwndFocus) ? "" : ", disabled");
}

HWND ChildWithText(HWND parent, const wchar_t* className, const wchar_t* text) {
    for (HWND child : Children(parent, className))
        if (WindowText(child) == text) return child;
    return nullptr;
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool AnswerMessageBoxes(DWORD pid, DWORD milliseconds) {
    bool any = false;
    const DWORD end = GetTickCount() + milliseconds;
    while (HWND box = FindProcessWindow(pid, L"#32770", true)) {
        any = true;
        PressButton(box, IDOK);
        WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000);
        if (static_cast<LONG>(end - GetTickCount()) <= 0) break;
    }
    return any;
}

bool WaitForHotkeys(HWND configWindow, DWORD milliseconds) {
    return WaitUntil(
        [&] {
            for (HWND box : Children(configWindow, L"Button"))
                if (WindowText(box) == L"音量をキャプチャ") return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
            return false;
        },
        milliseconds);
}

HWND StartResident(QuendrelProcess& program, const std::wstring& arguments) {
    if (!program.Start(arguments)) {
        ADD_FAILURE() << "Quendrel.exe did not start";
        return nullptr;
    }
    HWND configWindow = WaitForWindow(program.pid(), identity::kConfigClass);
    EXPECT_NE(configWindow, nullptr) << "no configuration window";
    const bool acting = configWindow && WaitForHotkeys(configWindow);
    EXPECT_TRUE(acting) << "the hotkeys never acted";
    return acting ? configWindow : nullptr;
}

bool OpenFromTray(test::RealInput& input, HWND configWindow, DWORD milliseconds) {
    // The notification lies over the taskbar's end while it shows (Wine's
    // work area is the whole screen); a click must not land on its letters.
    const POINT icon = test::TrayIconPoint();
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!WaitUntil([&] { return GetAncestor(WindowFromPoint(icon), GA_ROOT) == taskbar; }, milliseconds)) return false;
    // Shown, then brought to the front: only then do keys reach it.
    return input.Click(icon) &&
           WaitUntil([&] { return IsWindowVisible(configWindow) && GetForegroundWindow() == configWindow; },
                     milliseconds);
}

bool EscapeSaves(test::RealInput& input, const QuendrelProcess& program, HWND configWindow, SettingTable& saved,
                 DWORD milliseconds) {
    const std::wstring file = program.File(L"SndCols.ini");
    DeleteFileW(file.c_str());
    if (!input.Key("Escape") ||
        !WaitUntil([&] { return !IsWindowVisible(configWindow) && test::FileExists(file); }, milliseconds))
        return false;
    const auto bytes = test::ReadBytes(file);
    saved = SettingTable{};
    saved.LoadFromImage({bytes.begin(), bytes.end()});
    return bytes.size() % kRecordSize == 0;
}

SettingTable SaveThroughTheWindow(const QuendrelProcess& program, HWND configWindow, DWORD milliseconds) {
    SettingTable saved;
    test::RealInput input;
    EXPECT_TRUE(input.ready());
    EXPECT_TRUE(OpenFromTray(input, configWindow, milliseconds));
    EXPECT_TRUE(EscapeSaves(input, program, configWindow, saved, milliseconds))
        << "Escape left the configuration window open; focus on " << FocusOf(configWindow);
    return saved;
}

bool BalloonShown(const std::wstring& text) {
    for (HWND tip : test::ProcessWindows(0, TOOLTIPS_CLASSW, true)) {
        wchar_t shown[512] = {};
        DWORD_PTR ignored = 0;
        if (SendMessageTimeoutW(tip, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(shown), SMTO_ABORTIFHUNG, 2000,
                                &ignored) &&
            text == shown)
            return true;
    }
    return false;
}

Outcome RunWith(const test::TempFolder& folder, const std::wstring& arguments) {
    const std::wstring file = folder.File(L"output.txt");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE output = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                CREATE_ALWAYS, 0, nullptr);
    Outcome run;
    {
        QuendrelProcess process(folder.path());
        if (process.Start(arguments, output)) run.exitCode = process.WaitForExit(20000);
    }
    CloseHandle(output);
    const auto bytes = test::ReadBytes(file);
    run.output.assign(bytes.begin(), bytes.end());
    DeleteFileW(file.c_str());
    return run;
}

namespace {
constexpr wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\Quendrel.exe";
}  // namespace

ReportedAsWindows10::ReportedAsWindows10() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kAppDefaults, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
        const wchar_t version[] = L"win10";
        RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version), sizeof version);
        RegCloseKey(key);
    }
}

ReportedAsWindows10::~ReportedAsWindows10() { RegDeleteKeyW(HKEY_CURRENT_USER, kAppDefaults); }

}  // namespace quendrel::e2e
