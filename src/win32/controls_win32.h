// Control helpers of the program's windows: controls built from a table of
// rows, and thin wrappers that give the common controls the behaviour the
// windows rely on: a check box set from code runs its click handler when the
// state changes, a track bar set from code clamps and runs its change handler
// only when it moves, a hotkey control set from code runs nothing, a spin edit
// clamps when it loses the focus.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "win32/handles_win32.h"

namespace quendrel {

// One control of a window's layout; the rectangle is in design pixels
// (96 DPI) of the parent's client area.
struct ControlRow {
    const char* name;
    int id;
    const wchar_t* className;
    int x, y, width, height;
    const char* text;  // UTF-8, may be null
    DWORD style;
    DWORD exStyle = 0;
};

// Creates a visible child (scaled to the screen) with the given font.
HWND CreateControl(HWND parent, const ControlRow& row, HFONT font);

// The cursor shown over a control (IDC_HAND, IDC_IBEAM, ...).
void SetControlCursor(HWND control, const wchar_t* cursorId);

// The list view's columns keep their widths: no dragging, no auto-size.
void FixListViewColumns(HWND list);

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
    void Add(HWND control, std::string_view hintUtf8);
    HWND hwnd() const { return tips_; }

private:
    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
};

class Control {
public:
    HWND hwnd() const { return hwnd_; }
    void Attach(HWND control) { hwnd_ = control; }
    void Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    bool Is(HWND control) const { return control != nullptr && control == hwnd_; }

protected:
    HWND hwnd_ = nullptr;
};

// An automatic check box. The user's click and SetChecked both run onClick,
// the latter only when the state changes.
class CheckBox : public Control {
public:
    std::function<void()> onClick;
    bool Checked() const;
    void SetChecked(bool checked);
    // BN_CLICKED from the box.
    void OnCommand(WORD code);
};

// A horizontal track bar. onChange runs whenever the position moves, by the
// user or from code; never for a position it already has.
class TrackBar : public Control {
public:
    std::function<void()> onChange;
    void Setup(int minimum, int maximum, int page, int position);
    int Position() const;
    void SetPosition(int position);
    // WM_HSCROLL from the bar.
    void OnScroll();

private:
    int minimum_ = 0, maximum_ = 100;
    int last_ = 0;
};

// A hotkey control holding a 16-bit hotkey value. A key with no modifier,
// with Shift alone or Ctrl alone gets Shift+Ctrl. Set runs no handler; the
// user's changes run onChange.
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
    // EN_CHANGE from the control.
    void OnCommand(WORD code);

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
    // EN_CHANGE / EN_KILLFOCUS from the edit.
    void OnCommand(WORD code);

private:
    HWND upDown_ = nullptr;
    int minimum_ = 1, maximum_ = 100;
};

// Parses a spin edit's text: an optional sign and decimal digits, nothing else.
bool ParseDecimal(std::wstring_view text, int& value);

// A flat push button with an optional 16 x 16 glyph (a bitmap resource whose
// silver pixels are transparent) beside its caption; raised while the mouse
// is over it, sunken while pressed.
class FlatButton : public Control {
public:
    void Setup(const wchar_t* glyphResource = nullptr);
    ~FlatButton();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void Paint(HDC dc);
    HIMAGELIST glyph_ = nullptr;
    bool hot_ = false;
};

// A progress bar painted as a percentage gauge: the bar in its colour and the
// value followed by "%" centred over it.
class Gauge : public Control {
public:
    ~Gauge();
    void Setup(COLORREF bar);
    int Value() const;
    void SetValue(int value) const;
    // "42%".
    static std::wstring Caption(int value);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void Paint(HDC dc);
    COLORREF bar_ = RGB(0, 0, 255);
};

}  // namespace quendrel
