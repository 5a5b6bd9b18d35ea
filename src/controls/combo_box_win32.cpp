#include "controls/combo_box_win32.h"

#include <algorithm>

#include "win32/handles_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

void ComboBox::SetItems(const std::vector<std::wstring>& items) {
    if (items == items_) return;
    items_ = items;
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    shown_ = -1;
    WindowDC dc(hwnd_);
    SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::wstring& item : items_) {
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SIZE extent{};
        GetTextExtentPoint32W(dc.get(), item.c_str(), static_cast<int>(item.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    // Room for the list's borders and its scroll bar.
    const int room = widest + GetSystemMetrics(SM_CXVSCROLL) + Scale(8);
    SendMessageW(hwnd_, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(room), 0);
}

int ComboBox::Selected() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

void ComboBox::Select(int item) {
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    shown_ = Selected();
}

bool ComboBox::OnCommand(WORD code) {
    // While the list is open the selection follows the arrows and is taken
    // back by Escape; what the box shows once it closes is the choice.
    if (code != CBN_SELCHANGE && code != CBN_CLOSEUP) return true;
    if (code == CBN_SELCHANGE && SendMessageW(hwnd_, CB_GETDROPPEDSTATE, 0, 0)) return true;
    const int item = Selected();
    if (item == shown_) return true;
    shown_ = item;
    onChange();
    return true;
}

bool IsDroppedDownList(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpiW(name, L"ComboBox") == 0 && SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

}  // namespace quendrel
