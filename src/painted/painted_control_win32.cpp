#include "painted/painted_control_win32.h"

#include "win32/handles_win32.h"

namespace quendrel {

bool PaintedControl::OnOwnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = BeginPaint(hwnd_, &paint);
        RECT client;
        GetClientRect(hwnd_, &client);
        {
            OffscreenCanvas canvas(target, client);
            Paint(canvas.get(), client);
        }
        EndPaint(hwnd_, &paint);
        return true;
    }
    case WM_ERASEBKGND:
        result = TRUE;  // the picture covers it
        return true;
    default:
        return false;
    }
}

}  // namespace quendrel
