// A control that paints itself whole, background included, off screen so
// that a repaint never flickers.
#pragma once

#include "controls/control_win32.h"

namespace quendrel {

class PaintedControl : public Control {
protected:
    // Subclasses that handle more messages call this first.
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // dc is the off-screen picture of the client area, copied on screen after.
    virtual void Paint(HDC dc, const RECT& client) = 0;
    // The state changed: paint it all again.
    void Repaint() const { InvalidateRect(hwnd_, nullptr, FALSE); }
    HFONT Font() const { return reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)); }
};

}  // namespace quendrel
