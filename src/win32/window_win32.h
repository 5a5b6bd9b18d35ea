// Base of the program's windows: one window-procedure thunk binds the C++
// object at WM_NCCREATE and sends every message to HandleMessage.
#pragma once

#include <windows.h>

namespace quendrel {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    void Destroy();

protected:
    // Registers the class on first use and creates the window.
    bool CreateNative(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption, int x, int y,
                      int width, int height, HWND owner, HICON icon = nullptr, HBRUSH background = nullptr);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

HINSTANCE ModuleInstance();

}  // namespace quendrel
