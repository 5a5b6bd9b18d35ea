// An edit with an up-down buddy holding a number in a range.
#pragma once

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// Every change of the text runs onChange; while typing nothing is clamped, on
// focus loss the text is clamped to the range.
class SpinEdit : public Control {
public:
    Callback<void()> onChange;
    void Setup(HWND upDown, int minimum, int maximum, int value);
    // The text as a decimal number; anything else counts as the minimum.
    int Value() const;
    // Clamps and writes the text; the text is only touched when it changes.
    void SetValue(int value);
    void Enable(bool enabled) const override;
    bool OnCommand(WORD code) override;

private:
    HWND upDown_ = nullptr;
    int minimum_ = 1, maximum_ = 100;
};

}  // namespace quendrel
