#include "controls/group_box_win32.h"

namespace quendrel {

void GroupBox::HoldChildren(HBRUSH inside) {
    inside_ = inside;
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    Subclass();
}

bool GroupBox::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, inside_);
        result = 1;
        return true;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        // Its window reflects them to the controls.
        result = SendMessageW(GetParent(hwnd_), message, wParam, lParam);
        return true;
    default:
        return false;
    }
}

}  // namespace quendrel
