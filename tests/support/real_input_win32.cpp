#include "real_input_win32.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "win_test_support.h"

namespace quendrel::test {

namespace {

constexpr DWORD kRunLimit = 15000;

std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!condition()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
        Sleep(10);
    }
    return true;
}

std::string Number(long value) { return std::to_string(value); }

}  // namespace

bool RunUnix(const std::string& commandLine, std::string* output) {
    static int serial = 0;
    const std::string folder =
        "/tmp/quendrel-unix-" + Number(static_cast<long>(GetCurrentProcessId())) + "-" + Number(++serial);
    const std::wstring windowsFolder = WindowsPath(folder);
    const std::wstring outFile = WindowsPath(folder + "/out"), codeFile = WindowsPath(folder + "/rc");
    CreateDirectoryW(windowsFolder.c_str(), nullptr);
    // Wine hands a Unix child neither a process handle to wait on nor our
    // pipes, so a shell leaves the output and, last, the exit code in files.
    // timeout ends a program that hangs.
    const std::string script = "timeout 10 " + commandLine + " >" + folder + "/out 2>&1; echo $? >" + folder +
                               "/rc.part; mv " + folder + "/rc.part " + folder + "/rc";
    std::wstring command = L"Z:\\bin\\sh -c \"";
    for (char c : script) command += static_cast<wchar_t>(c);
    command += L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const bool started =
        CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    if (info.hProcess) CloseHandle(info.hProcess);
    if (info.hThread) CloseHandle(info.hThread);
    std::string code;
    if (started) WaitFor([&] { return !(code = ReadUntilEnd(codeFile)).empty(); }, kRunLimit);
    if (output) *output = ReadUntilEnd(outFile);
    DeleteFileW(outFile.c_str());
    DeleteFileW(codeFile.c_str());
    RemoveDirectoryW(windowsFolder.c_str());
    return !code.empty() && code[0] == '0';
}

bool Screenshot(const std::string& unixPath) { return RunUnix("import -window root " + unixPath); }

RealInput::RealInput() {
    std::string found;
    if (!Run("search --name 'Wine desktop'", &found)) return;
    const auto end = found.find_first_not_of("0123456789");
    desktop_ = found.substr(0, end);
}

bool RealInput::Run(const std::string& arguments, std::string* output) {
    return RunUnix("xdotool " + arguments, output);
}

bool RealInput::FocusDesktop() { return ready() && Run("windowfocus --sync " + desktop_); }

bool RealInput::Key(const std::string& combination) { return Run("key " + combination); }

bool RealInput::Type(const std::string& text) { return Run("type --delay 40 '" + text + "'"); }

bool RealInput::MoveTo(POINT point) {
    if (!Run("mousemove " + Number(point.x) + " " + Number(point.y))) return false;
    return WaitFor(
        [&] {
            POINT cursor{};
            return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
        },
        5000);
}

bool RealInput::Click(POINT point, int button) { return MoveTo(point) && Run("click " + Number(button)); }

bool RealInput::Press(POINT point, int button) { return MoveTo(point) && Run("mousedown " + Number(button)); }

bool RealInput::Release(int button) { return Run("mouseup " + Number(button)); }

bool RealInput::Drag(POINT from, POINT to) {
    if (!Press(from)) return false;
    // In steps, as a hand moves: the control follows every move.
    constexpr int kSteps = 6;
    for (int i = 1; i <= kSteps; ++i) {
        const POINT step{from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps};
        if (!MoveTo(step)) {
            Release();
            return false;
        }
    }
    return Release();
}

POINT Center(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

POINT CenterOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return Center(rect);
}

namespace {
BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}
}  // namespace

POINT TrayIconPoint() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar) return {-1, -1};
    // Later Wine gives every icon a window of its own in the taskbar; the
    // newest lies leftmost.
    std::vector<HWND> children;
    EnumChildWindows(taskbar, CollectChild, reinterpret_cast<LPARAM>(&children));
    HWND newest = nullptr;
    RECT newestRect{};
    for (HWND child : children) {
        wchar_t name[64];
        GetClassNameW(child, name, 64);
        RECT rect{};
        if (lstrcmpW(name, L"__wine_tray_icon") != 0 || !IsWindowVisible(child) || !GetWindowRect(child, &rect))
            continue;
        if (!newest || rect.left < newestRect.left) {
            newest = child;
            newestRect = rect;
        }
    }
    if (newest) return Center(newestRect);
    // Wine 8 paints the icons into the taskbar itself, from its right end
    // leftwards, each in a cell of a small icon with a 2-pixel border.
    RECT bar{};
    GetWindowRect(taskbar, &bar);
    const int cell = GetSystemMetrics(SM_CXSMICON) + 4;
    return {bar.right - cell / 2, (bar.top + bar.bottom) / 2};
}

POINT CloseBoxPoint(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int y = rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int right = -1, left = -1;
    for (int x = rect.right - 1; x > rect.left; --x) {
        DWORD_PTR hit = 0;
        if (!SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit)) break;
        if (hit == HTCLOSE) {
            if (right < 0) right = x;
            left = x;
        } else if (right >= 0) {
            break;
        }
    }
    if (right < 0) return {-1, -1};
    return {(left + right) / 2, y};
}

namespace {
// A rectangle that a control writes into memory of its own process.
RECT RemoteRect(HWND control, UINT message, WPARAM wParam, const RECT& input) {
    RECT rect{};
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return rect;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote && WriteProcessMemory(process, remote, &input, sizeof input, nullptr)) {
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(control, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                &result) &&
            ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr)) {
            MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        } else {
            rect = {};
        }
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rect;
}
}  // namespace

RECT ListItemRect(HWND list, int item) {
    RECT which{};
    which.left = LVIR_BOUNDS;
    return RemoteRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), which);
}

RECT TrackBarThumbRect(HWND trackBar) { return RemoteRect(trackBar, TBM_GETTHUMBRECT, 0, {}); }

RECT TrackBarChannelRect(HWND trackBar) { return RemoteRect(trackBar, TBM_GETCHANNELRECT, 0, {}); }

}  // namespace quendrel::test
