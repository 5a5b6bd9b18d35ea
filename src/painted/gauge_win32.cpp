#include "painted/gauge_win32.h"

#include <algorithm>

#include "base/decimal.h"
#include "win32/handles_win32.h"

namespace quendrel {

void Gauge::Setup(COLORREF bar) {
    bar_ = bar;
    SendMessageW(hwnd_, PBM_SETRANGE32, 0, 100);
    SendMessageW(hwnd_, PBM_SETPOS, 0, 0);
    Subclass();
}

int Gauge::Value() const { return static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0)); }

void Gauge::SetValue(int value) const { SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(value), 0); }

void Gauge::SetMuted(bool muted) {
    if (muted_ == muted) return;
    muted_ = muted;
    Repaint();
}

std::wstring Gauge::Caption(int value) { return FormatDecimalW(value) + L"%"; }

bool Gauge::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (PaintedControl::OnOwnMessage(message, wParam, lParam, result)) return true;
    switch (message) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
    case WM_ENABLE:
        // The bar repaints only the part that moved; the text needs all.
        result = Default(message, wParam, lParam);
        Repaint();
        return true;
    default:
        return false;
    }
}

void Gauge::Paint(HDC dc, const RECT& client) {
    RECT inner = client;
    DrawEdge(dc, &inner, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    FillRect(dc, &inner, GetSysColorBrush(COLOR_WINDOW));
    const int low = static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, TRUE, 0));
    const int high = static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, FALSE, 0));
    const int value = std::clamp(Value(), low, high);
    RECT filled = inner;
    if (high > low) filled.right = inner.left + MulDiv(inner.right - inner.left, value - low, high - low);
    UniqueBrush brush(CreateSolidBrush(muted_ ? GetSysColor(COLOR_GRAYTEXT) : bar_));
    FillRect(dc, &filled, brush.get());

    // Dark text over the empty part, white text over the bar.
    SelectedObject selectFont(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = Caption(value);
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX;
    UniqueRegion emptyPart(CreateRectRgn(filled.right, inner.top, inner.right, inner.bottom));
    SelectClipRgn(dc, emptyPart.get());
    ::SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), -1, &inner, kFormat);
    UniqueRegion barPart(CreateRectRgn(filled.left, filled.top, filled.right, filled.bottom));
    SelectClipRgn(dc, barPart.get());
    ::SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, text.c_str(), -1, &inner, kFormat);
    SelectClipRgn(dc, nullptr);
}

}  // namespace quendrel
