#include "win32/window_win32.h"

#include <algorithm>

#include "win32/controls_win32.h"
#include "win32/trace_win32.h"

namespace quendrel {

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

Window::~Window() { Destroy(); }

void Window::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void Window::Register(Control& control) {
    if (std::find(controls_.begin(), controls_.end(), &control) == controls_.end()) controls_.push_back(&control);
}

void Window::Unregister(const Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

Control* Window::Find(HWND control) const {
    if (!control) return nullptr;
    for (Control* candidate : controls_)
        if (candidate->hwnd() == control) return candidate;
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
        if (Control* control = Find(reinterpret_cast<HWND>(lParam))) {
            result = 0;
            return control->OnCommand(HIWORD(wParam));
        }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (Control* control = Find(header ? header->hwndFrom : nullptr)) return control->OnNotify(*header, result);
        return false;
    }
    case WM_HSCROLL:
        if (Control* control = Find(reinterpret_cast<HWND>(lParam))) {
            result = 0;
            return control->OnScroll();
        }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        if (Control* control = Find(reinterpret_cast<HWND>(lParam))) {
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
    if (!self->Reflect(message, wParam, lParam, result)) result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace quendrel
