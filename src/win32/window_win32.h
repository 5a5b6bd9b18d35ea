// Base of the program's windows: one window-procedure thunk binds the C++
// object at WM_NCCREATE and sends every message to HandleMessage. Controls
// and timers register with their window when they are attached, and the
// window reflects their notifications (WM_COMMAND, WM_NOTIFY, WM_HSCROLL,
// WM_CTLCOLOR*, WM_TIMER) to their own objects before HandleMessage sees them.
#pragma once

#include <windows.h>

#include <vector>

#include "base/callback.h"

namespace quendrel {

class WindowTimer;

// What a window hands its child controls' notifications back to (the
// controls' own objects).
class Reflected {
public:
    // True when handled.
    virtual bool OnCommand(WORD /*code*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnScroll() { return false; }
    // The brush for WM_CTLCOLOR*, or null for the system's default.
    virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }

protected:
    ~Reflected() = default;
};

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

// Takes a message: true when it did, with the result.
using MessageHandler = Callback<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    void Destroy();

    // Controls and timers call these from Attach and from their destructor.
    void Register(HWND child, Reflected& control);
    void Unregister(const Reflected& control);
    // A timer's identifier: the lowest that no other timer of the window has.
    UINT_PTR Register(WindowTimer& timer);
    void Unregister(const WindowTimer& timer);

    // Another object's share of the window's messages (the resident's, on the
    // configuration window): it sees each that no control or timer took,
    // before HandleMessage, which never sees those it takes.
    void Intercept(MessageHandler handler) { intercept_ = handler; }

protected:
    // Registers the class on first use and creates the window.
    bool CreateNative(const WindowSpec& spec);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // True when a registered control took the message.
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    Reflected* Find(HWND child) const;

    HWND hwnd_ = nullptr;
    MessageHandler intercept_;
    struct Child {
        HWND hwnd;
        Reflected* control;
    };
    std::vector<Child> controls_;
    std::vector<WindowTimer*> timers_;
};

HINSTANCE ModuleInstance();

}  // namespace quendrel
