// A hotkey control (msctls_hotkey32) holding a 16-bit hotkey value.
#pragma once

#include <cstdint>

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// A combination the rules refuse gets Shift+Ctrl with the same key. Set runs
// no handler; the user's changes run onChange, once a combination is whole
// (a key, or none at all): modifiers alone are still being typed, and left
// so (Shift+Tab passing through) the field shows its value again.
class HotkeyControl : public Control {
public:
    Callback<void()> onChange;
    // The function keys refuse a key alone, with Shift alone or with Ctrl
    // alone; the preset key refuses only a key alone.
    static constexpr WPARAM kFunctionKeyRules = HKCOMB_NONE | HKCOMB_S | HKCOMB_C;
    static constexpr WPARAM kPresetKeyRules = HKCOMB_NONE;
    void Setup(WPARAM invalidCombinations = kFunctionKeyRules);
    std::uint16_t Value() const;
    void Set(std::uint16_t value);
    bool OnCommand(WORD code) override;

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool setting_ = false;
    std::uint16_t whole_ = 0;  // the value last set or typed whole
};

}  // namespace quendrel
