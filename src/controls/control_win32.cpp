#include "controls/control_win32.h"

#include <algorithm>
#include <string>

#include "win32/text_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

// The one subclass every control that needs one carries.
constexpr UINT_PTR kControlSubclass = 1;

int TextWidth(HFONT font, const std::wstring& text) {
    WindowDC screen(nullptr);
    SelectedObject selected(screen.get(), font);
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

}  // namespace

Control::~Control() {
    if (subclassed_ && hwnd_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, SubclassProc, kControlSubclass);
    if (window_) window_->Unregister(*this);
}

void Control::Subclass() {
    if (subclassed_ || !hwnd_) return;
    subclassed_ = SetWindowSubclass(hwnd_, SubclassProc, kControlSubclass, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void Control::SetPointer(const wchar_t* cursorId) {
    pointer_ = cursorId;
    Subclass();
}

void Control::SetAccessibleName(std::string_view utf8) {
    if (!accessible_) accessible_.emplace();
    accessible_->text = Widen(utf8);
    accessible_->label = nullptr;
    Subclass();
}

void Control::SetAccessibleLabel(const Control& label) {
    if (!accessible_) accessible_.emplace();
    accessible_->label = label.hwnd();
    Subclass();
}

void Control::SetAccessibleRole(AccessibleRole role) {
    if (!accessible_) accessible_.emplace();
    // The window's own text until a name is given.
    if (accessible_->text.empty() && !accessible_->label) accessible_->label = hwnd_;
    accessible_->role = role;
    Subclass();
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self) {
    auto* control = reinterpret_cast<Control*>(self);
    if (message == WM_SETCURSOR && control->pointer_ && LOWORD(lParam) == HTCLIENT && IsWindowEnabled(window)) {
        ::SetCursor(LoadCursorW(nullptr, control->pointer_));
        return TRUE;
    }
    if (message == WM_GETOBJECT && control->accessible_) {
        if (const LRESULT answer = AnswerGetObject(window, wParam, lParam, *control->accessible_)) return answer;
    }
    LRESULT result = 0;
    if (control->OnOwnMessage(message, wParam, lParam, result)) return result;
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, id);
        control->subclassed_ = false;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

bool Control::MarkFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        result = Default(message, wParam, lParam);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return true;
    case WM_PAINT:
        result = Default(message, wParam, lParam);
        if (ShowsFocus(hwnd_)) {
            WindowDC dc(hwnd_);
            RECT client{};
            GetClientRect(hwnd_, &client);
            DrawFocusMark(dc.get(), client);
        }
        return true;
    default:
        return false;
    }
}

void Control::Attach(Window& window, HWND control) {
    if (window_) window_->Unregister(*this);
    window_ = &window;
    hwnd_ = control;
    window.Register(control, *this);
    OnAttached();
}

void Control::Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

void Control::SetColors(COLORREF text, HBRUSH brush, std::optional<COLORREF> opaqueBackground) {
    colors_ = Colors{text, brush, opaqueBackground};
}

void Control::SetTextColor(COLORREF text) {
    if (colors_ && colors_->text == text) return;
    if (colors_)
        colors_->text = text;
    else
        colors_ = Colors{text, GetSysColorBrush(COLOR_BTNFACE), std::nullopt};
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Control::OnColor(HDC dc) {
    if (!colors_) return nullptr;
    ::SetTextColor(dc, colors_->text);
    if (colors_->background)
        SetBkColor(dc, *colors_->background);
    else
        SetBkMode(dc, TRANSPARENT);
    return colors_->brush;
}

void CreateControls(Window& window, HFONT windowFont, DWORD commonStyle, std::initializer_list<ControlRow> rows) {
    for (const ControlRow& row : rows) {
        HWND parent = row.parent ? row.parent->hwnd() : window.hwnd();
        HFONT font = row.font ? row.font : windowFont;
        const std::wstring text = row.text ? Widen(row.text) : std::wstring();
        int x = Scale(row.x);
        const int y = Scale(row.y);
        // Scaled edges rather than scaled sizes, so neighbours still meet.
        int width = Scale(row.x + row.width) - x;
        const int height = Scale(row.y + row.height) - y;
        const bool oneLine = (row.style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP && lstrcmpiW(row.className, L"Static") == 0;
        if (row.width == 0 || oneLine) width = std::max(width, TextWidth(font, text));
        if (oneLine) {
            RECT inside{};
            GetClientRect(parent, &inside);
            const int right = inside.right - Scale(2);
            if (x + width > right) x = std::max(0, right - width);
        }
        HWND control = CreateWindowExW(
            row.exStyle, row.className, text.c_str(), WS_CHILD | WS_VISIBLE | commonStyle | row.style, x, y, width,
            height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), ModuleInstance(), nullptr);
        if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (row.control) row.control->Attach(window, control);
    }
}

}  // namespace quendrel
