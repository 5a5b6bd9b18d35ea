#include "controls/status_bar_win32.h"

#include <commctrl.h>

#include "win32/handles_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

void StatusBar::Create(Window& window, HFONT font) {
    // No size grip: the window has a fixed size.
    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | CCS_BOTTOM, 0, 0, 0, 0, window.hwnd(), nullptr,
                               ModuleInstance(), nullptr);
    Attach(window, bar);
    SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    tips_.Create(window.hwnd());
    tips_.Add({this}, "");
}

bool StatusBar::Fits(const std::wstring& text) const {
    RECT client{};
    GetClientRect(GetParent(hwnd_), &client);
    // The part's borders and the room the bar leaves around its text.
    int borders[3] = {};
    SendMessageW(hwnd_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int room = client.right - 2 * borders[0] - 2 * borders[2] - Scale(8);
    WindowDC dc(hwnd_);
    SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx <= room;
}

void StatusBar::GrowParent(int by) const {
    HWND parent = GetParent(hwnd_);
    RECT rect{};
    GetWindowRect(parent, &rect);
    SetWindowPos(parent, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top + by,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The bar takes its height from its font and sits at the client's bottom.
    SendMessageW(hwnd_, WM_SIZE, 0, 0);
}

void StatusBar::SetStatus(const std::wstring& text, const std::wstring& whole) {
    if (!hwnd_) return;
    SendMessageW(hwnd_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    tips_.SetText(*this, whole == text ? std::wstring() : whole);
    if (text.empty() != shown_) return;
    shown_ = !text.empty();
    if (!shown_) {
        ShowWindow(hwnd_, SW_HIDE);
        GrowParent(-height_);
        return;
    }
    SendMessageW(hwnd_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(hwnd_, &bar);
    height_ = bar.bottom - bar.top;
    GrowParent(height_);
    ShowWindow(hwnd_, SW_SHOW);
}

}  // namespace quendrel
