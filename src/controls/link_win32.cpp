#include "controls/link_win32.h"

namespace quendrel {

void Link::OnAttached() {
    SetPointer(IDC_HAND);
    SetAccessibleRole(AccessibleRole::kLink);
}

void Link::SetHoverColors(COLORREF normal, COLORREF hot) {
    normal_ = normal;
    hot_ = hot;
    SetTextColor(normal);
}

bool Link::OnCommand(WORD code) {
    if (code == STN_CLICKED) onClick();
    return true;
}

void Link::ShowHot(bool hot) {
    if (!normal_ || isHot_ == hot) return;
    isHot_ = hot;
    SetTextColor(hot ? *hot_ : *normal_);
}

bool Link::OnKey(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool press = wParam == VK_RETURN || wParam == VK_SPACE;
    if (message == WM_GETDLGCODE) {
        // Enter and Space are its own, not the default button's.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        result = Default(message, wParam, lParam);
        if (key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE))
            result |= DLGC_WANTMESSAGE;
        return true;
    }
    if (message == WM_KEYDOWN && press) {
        onClick();
        return true;
    }
    return message == WM_CHAR && (wParam == L'\r' || wParam == L' ');
}

bool Link::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (OnKey(message, wParam, lParam, result) || MarkFocus(message, wParam, lParam, result)) return true;
    if (message == WM_MOUSEMOVE && normal_) {
        // The leave notice comes once per tracking request.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
        ShowHot(true);
    } else if (message == WM_MOUSELEAVE) {
        ShowHot(false);
    }
    return false;
}

}  // namespace quendrel
