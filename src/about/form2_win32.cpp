#include "about/form2_win32.h"

#include "app/app_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

TForm2* Form2 = nullptr;

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
}  // namespace

TForm2::TForm2(Mixer& mixer) : mixer_(mixer) {}

bool TForm2::Create(HWND applicationWindow) {
    Form2 = this;
    const RECT rect = WindowRectForClient(525, 216, 362, 335, kStyle, kExStyle);
    if (!CreateNative(L"TForm2", kExStyle, kStyle, Widen(texts::kAboutCaption).c_str(), rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top, applicationWindow, nullptr,
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    font_ = MakeFont("ＭＳ Ｐゴシック", 13);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    FormCreate();
    return true;
}

void TForm2::FormCreate() {}

void TForm2::ShowModal() {
    HWND owner = GetWindow(hwnd(), GW_OWNER);
    EnableWindow(owner, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    modal_ = true;
    MSG message;
    while (modal_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (modal_ && message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
    modal_ = false;
    EnableWindow(owner, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
}

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // Closing hides the window and ends the modal show.
            modal_ = false;
            ShowWindow(hwnd(), SW_HIDE);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                PostMessageW(hwnd(), WM_CLOSE, 0, 0);
                return 0;
            }
            break;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
