#include "notify/form3_win32.h"

#include "app/app_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

TForm3* Form3 = nullptr;

bool TForm3::Create(HWND applicationWindow) {
    Form3 = this;
    constexpr DWORD style = WS_POPUP;
    constexpr DWORD exStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    if (!CreateNative(L"TForm3", exStyle, style, Widen(texts::kNotifyCaption).c_str(), 0, 0, Scale(110), Scale(38),
                      applicationWindow))
        return false;
    // Exactly black is transparent: only the coloured letters show.
    SetLayeredWindowAttributes(hwnd(), RGB(0, 0, 0), 0, LWA_COLORKEY);
    return true;
}

LRESULT TForm3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
