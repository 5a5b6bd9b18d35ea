#include "controls/link_win32.h"

namespace quendrel {

void Link::OnAttached() { SetPointer(IDC_HAND); }

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

bool Link::OnOwnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
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
