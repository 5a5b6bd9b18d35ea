#include "notify/form3_win32.h"

#include "notify/notify_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

TForm3* Form3 = nullptr;

bool TForm3::Create(HWND applicationWindow) {
    Form3 = this;
    constexpr DWORD style = WS_POPUP;
    constexpr DWORD exStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    const std::wstring caption = Widen(texts::kNotifyCaption);
    WindowSpec spec;
    spec.className = L"TForm3";
    spec.caption = caption.c_str();
    spec.style = style;
    spec.exStyle = exStyle;
    spec.rect = {0, 0, Scale(110), Scale(38)};
    spec.owner = applicationWindow;
    if (!CreateNative(spec)) return false;
    // Exactly black is transparent: only the coloured letters show.
    SetLayeredWindowAttributes(hwnd(), RGB(0, 0, 0), 0, LWA_COLORKEY);
    SetFont(NotifyFontSpec{});
    backgroundColor_ = GetSysColor(COLOR_BTNFACE);
    background_.reset(CreateSolidBrush(backgroundColor_));
    return true;
}

void TForm3::SetFont(const NotifyFontSpec& spec) {
    const bool sameFace = font_ && spec_.SameFace(spec);
    spec_ = spec;
    if (sameFace) return;
    const LOGFONTW lf = NotifyLogFont(spec);
    font_.reset(CreateFontIndirectW(&lf));
}

void TForm3::LoadNotifyFont() { SetFont(profile_.ReadFont(spec_)); }

void TForm3::SetNotifyText(const std::string& textCp932) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (!background_ || backgroundColor_ != spec_.color) {
        background_.reset(CreateSolidBrush(spec_.color));
        backgroundColor_ = spec_.color;
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    const std::wstring text = FromCp932(textCp932);
    if (shape_ && shape_->text == text && shape_->font.SameFace(spec_) && EqualRect(&shape_->work, &work)) return;
    shape_ = Shape{text, spec_, work};
    WindowDC dc(hwnd());
    SelectedObject selected(dc.get(), font_.get());
    BeginPath(dc.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    SetBkMode(dc.get(), TRANSPARENT);
    ExtTextOutW(dc.get(), 0, 0, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    EndPath(dc.get());
    UniqueRegion region(PathToRegion(dc.get()));
    RECT box{};
    hasOutline_ = region && GetRgnBox(region.get(), &box) != NULLREGION;
    // No outline (empty text, a raster font): show nothing rather than a
    // rectangle over the screen.
    if (!hasOutline_) region.reset(CreateRectRgn(0, 0, 0, 0));
    // The system owns the region once it is the window's.
    if (SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();
    // Placed on top in the same call: a window already shown then needs
    // nothing more from ShowOnTop.
    SetWindowPos(hwnd(), HWND_TOPMOST, work.right - extent.cx, work.bottom - extent.cy, work.right, work.bottom,
                 SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void TForm3::ShowOnTop() {
    // Shown and ahead of every other window is where this call would put it.
    if (IsWindowVisible(hwnd()) && !GetWindow(hwnd(), GW_HWNDPREV)) return;
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT TForm3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
    }
    case WM_SETCURSOR: {
        // The drag pointer over the letters.
        static const HCURSOR drag = LoadCursorW(ModuleInstance(), L"DRAGCURSOR");
        SetCursor(drag ? drag : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    }
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
