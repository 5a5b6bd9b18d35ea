#include "controls/buttons_win32.h"

namespace quendrel {

bool Button::OnCommand(WORD code) {
    if (code == BN_CLICKED) onClick();
    return true;
}

bool CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    if (Checked() == checked) return;
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    onClick();
}

bool CheckBox::OnCommand(WORD code) {
    if (code == BN_CLICKED) onClick();
    return true;
}

}  // namespace quendrel
