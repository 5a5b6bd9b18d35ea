// A progress bar painted as a percentage gauge.
#pragma once

#include <string>

#include "painted/painted_control_win32.h"

namespace quendrel {

// The bar in its colour (grey while muted) and the value followed by "%"
// centred over it.
class Gauge : public PaintedControl {
public:
    void Setup(COLORREF bar);
    int Value() const;
    void SetValue(int value) const;
    void SetMuted(bool muted);
    // "42%".
    static std::wstring Caption(int value);

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& client) override;
    COLORREF bar_ = RGB(0, 0, 255);
    bool muted_ = false;
};

}  // namespace quendrel
