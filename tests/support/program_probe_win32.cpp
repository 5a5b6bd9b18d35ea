#include "program_probe_win32.h"

#include <thread>

namespace quendrel::test {

HWND ProgramProbe::Window(const wchar_t* className) {
    HWND application = ApplicationWindow();
    for (HWND window : ProcessWindows(GetCurrentProcessId(), className, false))
        if (application && GetWindow(window, GW_OWNER) == application) return window;
    return nullptr;
}

HWND ProgramProbe::Control(int id) {
    for (HWND child : Children(ConfigWindow()))
        if (GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

std::vector<ProgramProbe::MenuItem> ProgramProbe::UseTrayMenu(int item) {
    std::vector<MenuItem> items;
    std::thread hand([&items, item] {
        HWND menu = nullptr;
        if (!WaitUntil([&] { return (menu = FindProcessWindow(GetCurrentProcessId(), L"#32768", true)) != nullptr; },
                       3000))
            return;
        const auto handle = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(handle); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(handle, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            const UINT state = GetMenuState(handle, static_cast<UINT>(i), MF_BYPOSITION);
            items.push_back({state & MF_SEPARATOR ? L"-" : text, (state & MF_CHECKED) != 0});
        }
        for (int i = 0; i < item; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, item ? VK_RETURN : VK_ESCAPE, 0);
    });
    TrayPress(WM_RBUTTONDOWN);
    hand.join();
    return items;
}

void ProgramProbe::Slide(int id, int position) {
    HWND bar = Control(id);
    SendMessageW(bar, TBM_SETPOS, TRUE, position);
    // The bar tells its parent, which may be a group inside the window.
    for (WPARAM code : {MAKEWPARAM(TB_THUMBTRACK, position), MAKEWPARAM(TB_ENDTRACK, 0)})
        SendMessageW(GetParent(bar), WM_HSCROLL, code, reinterpret_cast<LPARAM>(bar));
}

std::wstring ProgramProbe::ItemText(int item) {
    wchar_t text[1024] = {};
    LVITEMW request{};
    request.pszText = text;
    request.cchTextMax = 1024;
    SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&request));
    return text;
}

void ProgramProbe::SelectItem(int item) {
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
}

std::wstring ProgramProbe::StatusText() {
    HWND bar = ControlOfClass(STATUSCLASSNAMEW);
    wchar_t text[1024] = {};
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return IsWindowVisible(bar) ? text : L"(hidden)";
}

std::wstring ProgramProbe::StatusTip() {
    // The bar's tool is in one of the window's tooltip controls.
    for (HWND tips : ProcessWindows(GetCurrentProcessId(), TOOLTIPS_CLASSW, false)) {
        wchar_t text[1024] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uId = reinterpret_cast<UINT_PTR>(ControlOfClass(STATUSCLASSNAMEW));
        tool.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
        if (text[0]) return text;
    }
    return {};
}

}  // namespace quendrel::test
