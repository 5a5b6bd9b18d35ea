#include "real_input_win32.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>
#include <vector>

#include "base/utf8.h"
#include "win_test_support.h"

namespace quendrel::test {

namespace {

constexpr DWORD kRunLimit = 15000;

std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

std::string Number(long value) { return std::to_string(value); }

std::string FirstWord(const std::string& text) { return text.substr(0, text.find_first_of(" \r\n")); }

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
    std::wstring command = L"Z:\\bin\\sh -c \"" + Utf8ToWide(script) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const bool started =
        CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    if (info.hProcess) CloseHandle(info.hProcess);
    if (info.hThread) CloseHandle(info.hThread);
    std::string code;
    if (started) WaitUntil([&] { return !(code = ReadUntilEnd(codeFile)).empty(); }, kRunLimit);
    if (output) *output = ReadUntilEnd(outFile);
    DeleteFileW(outFile.c_str());
    DeleteFileW(codeFile.c_str());
    RemoveDirectoryW(windowsFolder.c_str());
    return !code.empty() && code[0] == '0';
}

bool Screenshot(const std::string& unixPath) { return RunUnix("import -window root " + unixPath); }

RealInput::RealInput() {
    std::string found;
    if (Run("search --name 'Wine desktop'", &found)) desktop_ = FirstWord(found);
}

bool RealInput::Run(const std::string& arguments, std::string* output) {
    return RunUnix("xdotool " + arguments, output);
}

std::string RealInput::XWindowOf(HWND window) {
    const auto known = xWindows_.find(window);
    if (known != xWindows_.end()) return known->second;
    // Its X window carries the caption, matched whole (in UTF-8, as X has it).
    std::string pattern = "^";
    for (char c : Utf8Of(WindowText(window))) {
        if (std::string_view("\\.*+?()[]{}|^$").find(c) != std::string_view::npos) pattern += '\\';
        if (c == '\'') return {};
        pattern += c;
    }
    std::string found;
    if (!Run("search --onlyvisible --limit 1 --name '" + pattern + "$'", &found)) return {};
    return xWindows_[window] = FirstWord(found);
}

bool RealInput::FollowForeground() {
    // No window manager runs on this display, so do its part: the X focus
    // goes to the X window of Wine's active window, or to the desktop's when
    // that has none. Wine moves it itself only when the active thread changes
    // its focus, and it is lost when the window that had it hides.
    if (!ready()) return false;
    HWND active = GetForegroundWindow();
    std::string target;
    if (active && IsWindowVisible(active) && GetWindowTextLengthW(active) > 0) target = XWindowOf(active);
    if (target.empty()) target = desktop_;
    std::string current;
    Run("getwindowfocus", &current);
    return FirstWord(current) == target || Run("windowfocus --sync " + target);
}

bool RealInput::Key(const std::string& combination) { return FollowForeground() && Run("key " + combination); }

bool RealInput::Type(const std::string& text) { return FollowForeground() && Run("type --delay 40 '" + text + "'"); }

bool RealInput::MoveTo(POINT point) {
    if (!Run("mousemove " + Number(point.x) + " " + Number(point.y))) return false;
    return WaitUntil(
        [&] {
            POINT cursor{};
            return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
        },
        5000);
}

namespace {
struct PressMade {
    POINT point;
    DWORD time;
};
// Recent presses, for all instances: Wine pairs presses into double clicks
// per receiving process, so a press elsewhere in between does not part two
// presses on the same spot, and neither does the end of a scenario.
std::vector<PressMade> recentPresses;

// A press near an earlier one within the double-click time would be taken as
// the second half of a double click: a separate click waits that time out,
// as two deliberate clicks of a hand do.
void KeepApartFromEarlierPresses(POINT point) {
    const DWORD wait = GetDoubleClickTime() + 50;
    for (const PressMade& press : recentPresses) {
        const DWORD since = GetTickCount() - press.time;
        if (since < wait && std::abs(point.x - press.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
            std::abs(point.y - press.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK))
            Sleep(wait - since);
    }
}
void NotePress(POINT point) {
    const DWORD now = GetTickCount(), wait = GetDoubleClickTime() + 50;
    std::vector<PressMade> kept;
    for (const PressMade& press : recentPresses)
        if (now - press.time < wait) kept.push_back(press);
    kept.push_back({point, now});
    recentPresses = kept;
}
}  // namespace

bool RealInput::PressAt(POINT point, const std::string& arguments) {
    KeepApartFromEarlierPresses(point);
    if (!MoveTo(point) || !Run(arguments)) return false;
    NotePress(point);
    return true;
}

bool RealInput::Click(POINT point, int button) { return PressAt(point, "click " + Number(button)); }

bool RealInput::DoubleClick(POINT point) { return PressAt(point, "click --repeat 2 --delay 80 1"); }

bool RealInput::Press(POINT point, int button) { return PressAt(point, "mousedown " + Number(button)); }

bool RealInput::Release(int button) { return Run("mouseup " + Number(button)); }

bool RealInput::Wheel(int notches) {
    // X buttons 4 and 5 are the wheel's two ways.
    return Run("click --repeat " + Number(std::abs(notches)) + " --delay 150 " + (notches > 0 ? "4" : "5"));
}

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

POINT TrayIconPoint() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar) return {-1, -1};
    // Later Wine gives every icon a window of its own in the taskbar; the
    // newest lies leftmost.
    HWND newest = nullptr;
    RECT newestRect{};
    for (HWND child : Children(taskbar, L"__wine_tray_icon")) {
        RECT rect{};
        if (!IsWindowVisible(child) || !GetWindowRect(child, &rect)) continue;
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
// What a control writes into memory of its own process for a message, over
// the bytes given; false when it cannot be read.
bool ReadRemote(HWND control, UINT message, WPARAM wParam, void* data, SIZE_T bytes) {
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD_PTR result = 0;
    const bool read = remote && WriteProcessMemory(process, remote, data, bytes, nullptr) &&
                      SendMessageTimeoutW(control, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                          5000, &result) &&
                      ReadProcessMemory(process, remote, data, bytes, nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return read;
}

RECT RemoteRect(HWND control, UINT message, WPARAM wParam, RECT rect) {
    if (!ReadRemote(control, message, wParam, &rect, sizeof rect)) return {};
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
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

std::wstring StatusBarText(HWND statusBar) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(statusBar, SB_GETTEXTLENGTHW, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(LOWORD(length) + 1u, L'\0');
    if (!ReadRemote(statusBar, SB_GETTEXTW, 0, text.data(), text.size() * sizeof(wchar_t))) return {};
    text.resize(LOWORD(length));
    return text;
}

}  // namespace quendrel::test
