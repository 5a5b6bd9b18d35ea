#include "controls/spin_edit_win32.h"

#include <algorithm>
#include <string>

#include "base/decimal.h"
#include "win32/ui_win32.h"

namespace quendrel {

void SpinEdit::Setup(HWND upDown, int minimum, int maximum, int value) {
    upDown_ = upDown;
    minimum_ = minimum;
    maximum_ = maximum;
    SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
    SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    SetValue(value);
}

int SpinEdit::Value() const {
    int value = minimum_;
    return ParseDecimal(GetText(hwnd_), value) ? value : minimum_;
}

void SpinEdit::SetValue(int value) {
    const int clamped = std::clamp(value, minimum_, maximum_);
    const std::wstring text = FormatDecimalW(clamped);
    if (GetText(hwnd_) != text) SetWindowTextW(hwnd_, text.c_str());
    SendMessageW(upDown_, UDM_SETPOS32, 0, clamped);
}

void SpinEdit::Enable(bool enabled) const {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    EnableWindow(upDown_, enabled ? TRUE : FALSE);
}

bool SpinEdit::OnCommand(WORD code) {
    if (code == EN_CHANGE) {
        onChange();
    } else if (code == EN_KILLFOCUS) {
        const int value = Value();
        if (std::clamp(value, minimum_, maximum_) != value) SetValue(value);
    }
    return true;
}

}  // namespace quendrel
