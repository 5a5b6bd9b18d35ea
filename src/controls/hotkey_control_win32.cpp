#include "controls/hotkey_control_win32.h"

#include "base/hotkey_value.h"

namespace quendrel {

void HotkeyControl::Setup(WPARAM invalidCombinations) {
    SendMessageW(hwnd_, HKM_SETRULES, invalidCombinations, MAKELPARAM(HOTKEYF_SHIFT | HOTKEYF_CONTROL, 0));
    Subclass();
}

std::uint16_t HotkeyControl::Value() const {
    return HotkeyFromControl(static_cast<std::uint16_t>(SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0) & 0xFFFF));
}

void HotkeyControl::Set(std::uint16_t value) {
    whole_ = value;
    setting_ = true;
    SendMessageW(hwnd_, HKM_SETHOTKEY, HotkeyToControl(value), 0);
    setting_ = false;
}

namespace {

// No key yet while modifiers are held: the control reads them, or nothing.
bool BeingTyped(std::uint16_t value) {
    if (HotkeyVirtualKey(value) != 0) return false;
    return IsHalfTyped(value) || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

}  // namespace

bool HotkeyControl::OnCommand(WORD code) {
    if (code != EN_CHANGE || setting_) return true;
    const std::uint16_t value = Value();
    if (BeingTyped(value)) return true;
    whole_ = value;
    onChange();
    return true;
}

bool HotkeyControl::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_KILLFOCUS && BeingTyped(Value())) Set(whole_);
    return MarkFocus(message, wParam, lParam, result);
}

}  // namespace quendrel
