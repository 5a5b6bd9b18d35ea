#include "win32/message_window_win32.h"

namespace quendrel {

bool MessageWindow::Create() {
    WindowSpec spec;
    spec.className = L"QuendrelMessages";
    spec.style = 0;
    spec.owner = HWND_MESSAGE;
    return CreateNative(spec);
}

LRESULT MessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handler_(message, wParam, lParam, result)) return result;
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
