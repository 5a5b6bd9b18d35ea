// Base of the program's windows: one window-procedure thunk binds the C++
// object at WM_NCCREATE and sends every message to HandleMessage. Controls
// register with their window when they are attached, and the window reflects
// their notifications (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_CTLCOLOR*) to
// the control's own object before HandleMessage sees them.
#pragma once

#include <windows.h>

#include <vector>

namespace quendrel {

class Control;

// What a top-level window is made of; the rectangle is in screen pixels.
struct WindowSpec {
    const wchar_t* className = nullptr;
    const wchar_t* caption = L"";
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    RECT rect{};
    HWND owner = nullptr;
    HICON icon = nullptr;         // the class's icon
    HBRUSH background = nullptr;  // null: the button face
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    void Destroy();

    // Controls call these from Attach and from their destructor.
    void Register(Control& control);
    void Unregister(const Control& control);

protected:
    // Registers the class on first use and creates the window.
    bool CreateNative(const WindowSpec& spec);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // True when a registered control took the message.
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    Control* Find(HWND control) const;

    HWND hwnd_ = nullptr;
    std::vector<Control*> controls_;
};

HINSTANCE ModuleInstance();

}  // namespace quendrel
