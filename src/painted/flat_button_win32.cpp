#include "painted/flat_button_win32.h"

#include <windowsx.h>

#include <string>

#include "win32/handles_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

constexpr COLORREF kGlyphTransparent = RGB(192, 192, 192);

// Silver pixels become transparent; the glyph is scaled to the screen.
HIMAGELIST LoadGlyph(const wchar_t* resource) {
    UniqueBitmap source(static_cast<HBITMAP>(LoadImageW(ModuleInstance(), resource, IMAGE_BITMAP, 0, 0, 0)));
    if (!source) return nullptr;
    BITMAP info{};
    GetObjectW(source.get(), sizeof info, &info);
    const int size = Scale(16);
    WindowDC screen(nullptr);
    UniqueBitmap scaled(CreateCompatibleBitmap(screen.get(), size, size));
    {
        UniqueMemoryDC from(CreateCompatibleDC(screen.get()));
        UniqueMemoryDC to(CreateCompatibleDC(screen.get()));
        SelectedObject a(from.get(), source.get());
        SelectedObject b(to.get(), scaled.get());
        SetStretchBltMode(to.get(), COLORONCOLOR);  // keeps the transparent colour exact
        StretchBlt(to.get(), 0, 0, size, size, from.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0);
    ImageList_AddMasked(list, scaled.get(), kGlyphTransparent);
    return list;
}

void DrawEmbossedText(HDC dc, const std::wstring& text, RECT rect, bool enabled) {
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
    if (enabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, text.c_str(), -1, &rect, kFormat);
        return;
    }
    OffsetRect(&rect, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), -1, &rect, kFormat);
    OffsetRect(&rect, -1, -1);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), -1, &rect, kFormat);
}

}  // namespace

void FlatButton::Setup(const wchar_t* glyphResource) {
    if (glyphResource) glyph_.reset(LoadGlyph(glyphResource));
    takesFocus_ = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_TABSTOP) != 0;
    Subclass();
}

bool FlatButton::OnCommand(WORD code) {
    if (code == BN_CLICKED) onClick();
    return true;
}

bool FlatButton::Pressed() const { return (SendMessageW(hwnd_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

void FlatButton::Click() const {
    SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd_));
}

bool FlatButton::OnKey(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter is its own, not the default button's.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        result = Default(message, wParam, lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
        return true;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) Click();
        if (wParam == VK_SPACE && !Pressed()) SendMessageW(hwnd_, BM_SETSTATE, TRUE, 0);
        return wParam == VK_RETURN || wParam == VK_SPACE;
    case WM_KEYUP:
        if (wParam != VK_SPACE) return false;
        if (Pressed()) {
            SendMessageW(hwnd_, BM_SETSTATE, FALSE, 0);
            Click();
        }
        return true;
    case WM_CHAR:
        return wParam == L'\r' || wParam == L' ';
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        Repaint();
        return false;
    default:
        return false;
    }
}

bool FlatButton::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (PaintedControl::OnOwnMessage(message, wParam, lParam, result)) return true;
    if (takesFocus_ && OnKey(message, wParam, lParam, result)) return true;
    HWND window = hwnd_;
    switch (message) {
    // The press is tracked here rather than by the button, which would focus
    // itself: a speed button never takes the focus.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (takesFocus_) SetFocus(window);
        SetCapture(window);
        SendMessageW(window, BM_SETSTATE, TRUE, 0);
        return true;
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            const bool pressed = Pressed();
            ReleaseCapture();
            if (pressed) Click();
        }
        return true;
    case WM_MOUSEMOVE:
        if (GetCapture() == window) {
            // Pressed while the mouse is over it, as a button shows it.
            RECT client;
            GetClientRect(window, &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const bool inside = PtInRect(&client, at) != FALSE;
            if (inside != Pressed()) SendMessageW(window, BM_SETSTATE, inside, 0);
            return true;
        }
        if (!hot_) {
            hot_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            Repaint();
        }
        return false;
    case WM_MOUSELEAVE:
        hot_ = false;
        Repaint();
        return false;
    case WM_CAPTURECHANGED:
        if (Pressed()) SendMessageW(window, BM_SETSTATE, FALSE, 0);
        Repaint();
        return true;
    case BM_SETSTATE:
    case BM_CLICK:
    case WM_ENABLE:
    case WM_SETTEXT:
        // The button paints its state changes through WM_DRAWITEM, which
        // nobody answers; repaint here instead.
        result = Default(message, wParam, lParam);
        if (message == WM_ENABLE && !wParam) hot_ = false;
        Repaint();
        return true;
    default:
        return false;
    }
}

void FlatButton::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const bool pressed = Pressed();
    RECT edge = client;
    if (enabled && pressed)
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (enabled && hot_)
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);

    SelectedObject selectFont(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = GetText(hwnd_);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int glyph = glyph_ ? Scale(16) : 0;
    const int gap = glyph_ && !text.empty() ? Scale(4) : 0;
    const int shift = enabled && pressed ? 1 : 0;
    int x = (client.right - (glyph + gap + extent.cx)) / 2 + shift;
    if (glyph_) {
        const int y = (client.bottom - glyph) / 2 + shift;
        if (enabled) {
            ImageList_Draw(glyph_.get(), 0, dc, x, y, ILD_TRANSPARENT);
        } else {
            UniqueIcon icon(ImageList_GetIcon(glyph_.get(), 0, ILD_NORMAL));
            DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, x, y, glyph, glyph,
                       DST_ICON | DSS_DISABLED);
        }
        x += glyph + gap;
    }
    RECT textRect{x, client.top + shift, client.right, client.bottom + shift};
    DrawEmbossedText(dc, text, textRect, enabled);
    if (ShowsFocus(hwnd_)) {
        RECT mark = client;
        InflateRect(&mark, -Scale(3), -Scale(3));
        DrawFocusMark(dc, mark);
    }
}

}  // namespace quendrel
