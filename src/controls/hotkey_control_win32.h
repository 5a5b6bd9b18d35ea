// A hotkey control (msctls_hotkey32) holding a 16-bit hotkey value.
#pragma once

#include <cstdint>

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// A combination the rules refuse gets Shift+Ctrl with the same key. Set runs
// no handler; the user's changes run onChange.
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
    bool setting_ = false;
};

}  // namespace quendrel
