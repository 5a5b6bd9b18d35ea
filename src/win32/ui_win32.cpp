#include "win32/ui_win32.h"

#include <set>

#include "base/screen_fit.h"
#include "win32/text_win32.h"

namespace quendrel {
namespace {
HWND g_messageOwner = nullptr;
HWND g_messageDialog = nullptr;
std::wstring g_messageCaption;
}  // namespace

bool RunningUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

FARPROC FindSystemFunction(const wchar_t* module, const char* name) {
    HMODULE loaded = GetModuleHandleW(module);
    if (!loaded) loaded = LoadLibraryW(module);
    return loaded ? GetProcAddress(loaded, name) : nullptr;
}

int ScreenDpi() {
    // Read once: the program does not follow a DPI change while it runs.
    static const int dpi = [] {
        WindowDC screen(nullptr);
        const int pixels = GetDeviceCaps(screen.get(), LOGPIXELSY);
        return pixels > 0 ? pixels : 96;
    }();
    return dpi;
}

int Scale(int designPixels) { return MulDiv(designPixels, ScreenDpi(), 96); }

UniqueFont MakeFont(std::string_view faceUtf8, int height, int weight, bool italic, bool underline, BYTE charset) {
    LOGFONTW lf{};
    lf.lfHeight = -Scale(height);
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfCharSet = charset;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Widen(faceUtf8);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&lf));
}

RECT WindowRectForClient(int x, int y, int clientWidth, int clientHeight, DWORD style, DWORD exStyle) {
    RECT rect{0, 0, Scale(clientWidth), Scale(clientHeight)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    OffsetRect(&rect, Scale(x) - rect.left, Scale(y) - rect.top);
    return rect;
}

void KeepOnWorkArea(HWND window) {
    RECT rect{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(window, &rect) || !GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor) ||
        IsRectEmpty(&monitor.rcWork))
        return;
    const RECT& work = monitor.rcWork;
    const ScreenRect fitted =
        FitWithin({rect.left, rect.top, rect.right, rect.bottom}, {work.left, work.top, work.right, work.bottom});
    if (fitted.left != rect.left || fitted.top != rect.top)
        SetWindowPos(window, nullptr, fitted.left, fitted.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrawFocusMark(HDC dc, RECT rect) {
    UniquePen dots(CreatePen(PS_DOT, 1, GetSysColor(COLOR_WINDOWTEXT)));
    SelectedObject pen(dc, dots.get());
    SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
    const int mode = SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SetBkMode(dc, mode);
}

bool ShowsFocus(HWND window) {
    return GetFocus() == window && !(SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void SetText(HWND window, std::string_view utf8) { SetWindowTextW(window, Widen(utf8).c_str()); }

std::wstring GetText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetMessageBoxes(std::string_view captionUtf8, HWND owner, HWND dialog) {
    g_messageCaption = Widen(captionUtf8);
    g_messageOwner = owner;
    g_messageDialog = dialog;
}

void ShowMessage(std::string_view utf8) {
    // A message box's loop keeps dispatching hotkeys; a key held down must not
    // stack the same message box upon itself.
    static std::set<std::string, std::less<>> open;
    if (open.count(utf8)) return;
    const auto entry = open.emplace(utf8).first;
    HWND owner = g_messageDialog && IsWindowVisible(g_messageDialog) ? g_messageDialog : g_messageOwner;
    MessageBoxW(owner, Widen(utf8).c_str(), g_messageCaption.c_str(), MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
    open.erase(entry);
}

void ShowError(std::string_view utf8) {
    std::string text(utf8);
    text += ".";
    ShowMessage(text);
}

std::string FormatText(std::string_view templateUtf8, std::wstring_view argument) {
    std::string text(templateUtf8);
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, Narrow(argument));
    return text;
}

}  // namespace quendrel
