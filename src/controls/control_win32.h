// The base of every child control: an object that takes its native control,
// registers with its window and receives its own notifications from it; and
// the rows of a table from which a window builds its controls.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <optional>
#include <string_view>

#include "win32/accessible_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

// Any child control; by itself a label, a frame or a picture. Subclasses add
// behaviour by overriding the notifications the window reflects to them.
class Control : public Reflected {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return hwnd_; }
    // Takes the native control and registers with the window that reflects
    // its notifications; then lets the subclass set it up.
    void Attach(Window& window, HWND control);
    // A control made of two windows enables both.
    virtual void Enable(bool enabled) const;

    // The colours the control is drawn in (WM_CTLCOLOR*): a text colour, and
    // either an opaque background colour or a transparent one over the brush.
    void SetColors(COLORREF text, HBRUSH brush, std::optional<COLORREF> opaqueBackground = std::nullopt);
    void SetTextColor(COLORREF text);

    // The pointer shown over the control while it is enabled (IDC_HAND, IDC_IBEAM, ...).
    void SetPointer(const wchar_t* cursorId);

    // What screen readers read for it: the text a sighted user reads, given
    // here or the current text of the label beside it; a link is a link.
    void SetAccessibleName(std::string_view utf8);
    void SetAccessibleLabel(const Control& label);
    void SetAccessibleRole(AccessibleRole role);

    // The colours given above, if any.
    HBRUSH OnColor(HDC dc) override;

protected:
    virtual void OnAttached() {}
    // The control's own messages before its class sees them, once Subclass
    // ran; true when handled, with the result.
    virtual bool OnOwnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }
    void Subclass();
    // The control's class's own handling of a message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // For a control whose class paints it without a mark of the keyboard
    // focus: the mark drawn over its painting while it has the focus. For
    // OnOwnMessage; true when the message was one of it.
    bool MarkFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    struct Colors {
        COLORREF text;
        HBRUSH brush;
        std::optional<COLORREF> background;
    };
    Window* window_ = nullptr;
    std::optional<Colors> colors_;
    std::optional<AccessibleName> accessible_;
    const wchar_t* pointer_ = nullptr;
    bool subclassed_ = false;
};

// One control of a window's layout; the rectangle is in design pixels
// (96 DPI) of the parent's client area. Width 0: as wide as its text.
struct ControlRow {
    Control* control;
    int id;
    const wchar_t* className;
    int x, y, width, height;
    const char* text;  // UTF-8, may be null
    DWORD style;
    DWORD exStyle = 0;
    HFONT font = nullptr;       // null: the window's font
    Control* parent = nullptr;  // null: the window; else a container made by an earlier row (a GroupBox)
};

// Creates each row's control, visible and scaled to the screen, in order,
// and attaches it; every row's style gains commonStyle (WS_CLIPSIBLINGS:
// earlier rows lie above later ones). A one-line label (SS_LEFTNOWORDWRAP)
// shows whole: it grows to its text when the face runs wider and moves left
// to stay inside its parent.
void CreateControls(Window& window, HFONT windowFont, DWORD commonStyle, std::initializer_list<ControlRow> rows);

}  // namespace quendrel
