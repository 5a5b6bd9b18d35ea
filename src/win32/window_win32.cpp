#include "win32/window_win32.h"

#include <algorithm>

#include "win32/trace_win32.h"
#include "win32/window_timer_win32.h"

namespace quendrel {

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

Window::~Window() {
    Destroy();
    // Timers owned elsewhere may outlive the window.
    for (WindowTimer* timer : timers_) timer->Detach();
}

void Window::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void Window::Register(HWND child, Reflected& control) {
    Unregister(control);
    controls_.push_back({child, &control});
}

void Window::Unregister(const Reflected& control) {
    controls_.erase(std::remove_if(controls_.begin(), controls_.end(),
                                   [&](const Child& child) { return child.control == &control; }),
                    controls_.end());
}

UINT_PTR Window::Register(WindowTimer& timer) {
    Unregister(timer);
    UINT_PTR id = 1;
    while (std::any_of(timers_.begin(), timers_.end(), [id](const WindowTimer* other) { return other->id() == id; }))
        ++id;
    timers_.push_back(&timer);
    return id;
}

void Window::Unregister(const WindowTimer& timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

Reflected* Window::Find(HWND child) const {
    if (!child) return nullptr;
    for (const Child& candidate : controls_)
        if (candidate.hwnd == child) return candidate.control;
    return nullptr;
}

bool Window::CreateNative(const WindowSpec& spec) {
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(ModuleInstance(), spec.className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Window::Thunk;
        wc.hInstance = ModuleInstance();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = spec.background ? spec.background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = spec.className;
        wc.hIcon = spec.icon;
        wc.hIconSm = spec.icon;
        if (!RegisterClassExW(&wc)) TraceLastError(L"RegisterClassExW");
    }
    const RECT& r = spec.rect;
    if (!CreateWindowExW(spec.exStyle, spec.className, spec.caption, spec.style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, spec.owner, nullptr, ModuleInstance(), this)) {
        TraceLastError(L"CreateWindowExW");
        return false;
    }
    return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        if (Reflected* control = Find(reinterpret_cast<HWND>(lParam))) {
            result = 0;
            return control->OnCommand(HIWORD(wParam));
        }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (Reflected* control = Find(header ? header->hwndFrom : nullptr)) return control->OnNotify(*header, result);
        return false;
    }
    case WM_HSCROLL:
        if (Reflected* control = Find(reinterpret_cast<HWND>(lParam))) {
            result = 0;
            return control->OnScroll();
        }
        return false;
    case WM_TIMER:
        for (WindowTimer* timer : timers_)
            if (timer->id() == wParam) {
                timer->Tick();
                result = 0;
                return true;
            }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        if (Reflected* control = Find(reinterpret_cast<HWND>(lParam))) {
            HBRUSH brush = control->OnColor(reinterpret_cast<HDC>(wParam));
            result = reinterpret_cast<LRESULT>(brush);
            return brush != nullptr;
        }
        return false;
    default:
        return false;
    }
}

LRESULT CALLBACK Window::Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (!self->Reflect(message, wParam, lParam, result) && !self->intercept_(message, wParam, lParam, result))
        result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace quendrel
