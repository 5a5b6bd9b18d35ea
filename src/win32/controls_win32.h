// The controls of the program's windows, built once: each is an object that
// takes its native control, registers with its window and receives its own
// notifications from it. They give the common controls the behaviour the
// windows rely on: a check box set from code runs its click handler when the
// state changes, a track bar set from code clamps and runs its change handler
// only when it moves, a hotkey control set from code runs nothing, a spin edit
// clamps when it loses the focus.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "win32/handles_win32.h"

namespace quendrel {

class Window;

// Any child control; by itself a label, a frame or a picture. Subclasses add
// behaviour by overriding the notifications the window reflects to them.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return hwnd_; }
    // Takes the native control and registers with the window that reflects
    // its notifications; then lets the subclass set it up.
    void Attach(Window& window, HWND control);
    void Enable(bool enabled) const;
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

    // The colours the control is drawn in (WM_CTLCOLOR*): a text colour, and
    // either an opaque background colour or a transparent one over the brush.
    void SetColors(COLORREF text, HBRUSH brush, std::optional<COLORREF> opaqueBackground = std::nullopt);
    void SetTextColor(COLORREF text);

    // The pointer shown over the control while it is enabled (IDC_HAND, IDC_IBEAM, ...).
    void SetPointer(const wchar_t* cursorId);

    // Reflected notifications; true when handled.
    virtual bool OnCommand(WORD /*code*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnScroll() { return false; }
    // The brush for WM_CTLCOLOR*, or null for the system's default.
    virtual HBRUSH OnColor(HDC dc);

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
    Control* parent = nullptr;  // null: the window; else a container made by an earlier row
};

// Creates each row's control, visible and scaled to the screen, in order,
// and attaches it; every row's style gains commonStyle (WS_CLIPSIBLINGS:
// earlier rows lie above later ones). A one-line label (SS_LEFTNOWORDWRAP)
// shows whole: it grows to its text when the face runs wider and moves left
// to stay inside its parent.
void CreateControls(Window& window, HFONT windowFont, DWORD commonStyle, std::initializer_list<ControlRow> rows);

// True when the window is a list view's in-place caption editor: its keys
// belong to the editor.
bool IsListCaptionEditor(HWND window);

// Hints of a window's controls, shown as tooltips.
class Tooltips {
public:
    Tooltips() = default;
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;
    ~Tooltips();
    void Create(HWND owner);
    void Add(std::initializer_list<const Control*> controls, std::string_view hintUtf8);

private:
    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
};

// A push button: onClick on every click (and on Enter when it is the default).
class Button : public Control {
public:
    std::function<void()> onClick;
    bool OnCommand(WORD code) override;
};

// An automatic check box. The user's click and SetChecked both run onClick,
// the latter only when the state changes.
class CheckBox : public Control {
public:
    std::function<void()> onClick;
    bool Checked() const;
    void SetChecked(bool checked);
    bool OnCommand(WORD code) override;
};

// A horizontal track bar. onChange runs whenever the position moves, by the
// user or from code; never for a position it already has.
class TrackBar : public Control {
public:
    std::function<void()> onChange;
    void Setup(int minimum, int maximum, int page, int position);
    int Position() const;
    void SetPosition(int position);
    bool OnScroll() override;

private:
    int minimum_ = 0, maximum_ = 100;
    int last_ = 0;
};

// A hotkey control holding a 16-bit hotkey value. A combination the rules
// refuse gets Shift+Ctrl with the same key. Set runs no handler; the user's
// changes run onChange.
class HotkeyControl : public Control {
public:
    std::function<void()> onChange;
    // The function keys refuse a key alone, with Shift alone or with Ctrl
    // alone; the preset key refuses only a key alone.
    static constexpr WPARAM kFunctionKeyRules = HKCOMB_NONE | HKCOMB_S | HKCOMB_C;
    static constexpr WPARAM kPresetKeyRules = HKCOMB_NONE;
    void Setup(WPARAM invalidCombinations = kFunctionKeyRules);
    std::uint16_t Value() const;
    void Set(std::uint16_t value);
    bool OnCommand(WORD code) override;

private:
    bool setting_ = false;
};

// An edit with an up-down buddy holding a number in a range. Every change of
// the text runs onChange; while typing nothing is clamped, on focus loss the
// text is clamped to the range.
class SpinEdit : public Control {
public:
    std::function<void()> onChange;
    void Setup(HWND upDown, int minimum, int maximum, int value);
    HWND upDown() const { return upDown_; }
    // The text as a decimal number; anything else counts as the minimum.
    int Value() const;
    // Clamps and writes the text; the text is only touched when it changes.
    void SetValue(int value);
    void Enable(bool enabled) const;
    bool OnCommand(WORD code) override;

private:
    HWND upDown_ = nullptr;
    int minimum_ = 1, maximum_ = 100;
};

// A flat speed button with an optional 16 x 16 glyph (a bitmap resource whose
// silver pixels are transparent) beside its caption; raised while the mouse
// is over it, sunken while pressed. It never takes the focus: a click leaves
// the focus where it was.
class FlatButton : public Button {
public:
    ~FlatButton() override;
    void Setup(const wchar_t* glyphResource = nullptr);

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc);
    HIMAGELIST glyph_ = nullptr;
    bool hot_ = false;
};

// A progress bar painted as a percentage gauge: the bar in its colour and the
// value followed by "%" centred over it.
class Gauge : public Control {
public:
    void Setup(COLORREF bar);
    int Value() const;
    void SetValue(int value) const;
    // "42%".
    static std::wstring Caption(int value);

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc);
    COLORREF bar_ = RGB(0, 0, 255);
};

// A label or picture (SS_NOTIFY) that acts when clicked, with the hand
// pointer; with hover colours, its text turns hot while the mouse is over it.
class Link : public Control {
public:
    std::function<void()> onClick;
    void SetHoverColors(COLORREF normal, COLORREF hot);
    bool OnCommand(WORD code) override;

protected:
    void OnAttached() override;

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void ShowHot(bool hot);
    std::optional<COLORREF> normal_, hot_;
    bool isHot_ = false;
};

// A group box whose controls are its own children: it paints its inside with
// the brush and passes their notifications on to its window.
class GroupBox : public Control {
public:
    void HoldChildren(HBRUSH inside);

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH inside_ = nullptr;
};

// A list view in report style with one fixed column and captions edited in
// place. The selection stays visible without the focus; keys typed in the
// caption editor are the editor's.
class ReportList : public Control {
public:
    std::function<void()> onChange;                                    // any change of an item
    std::function<void(WORD key)> onKeyDown;                           // a key while the list has the focus
    std::function<void(int item, const std::wstring& text)> onEdited;  // an accepted caption edit

    void Setup(std::string_view headingUtf8, int columnWidth, COLORREF text, COLORREF background);
    // The selected index, or -1.
    int Selected() const;
    int ItemCount() const;
    std::wstring ItemText(int item) const;
    void SetItemText(int item, const std::wstring& text);
    // The new item's index.
    int Append(const std::wstring& text);
    void Delete(int item);
    void Select(int item);
    // Opens the caption editor on the item (the list takes the focus).
    void EditCaption(int item);
    HWND Editor() const;
    // Ends an open caption edit, keeping the text, as when the list loses the
    // focus to another control.
    void FinishEdit();

    bool OnNotify(NMHDR& header, LRESULT& result) override;

protected:
    void OnAttached() override;

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace quendrel
