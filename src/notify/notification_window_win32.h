// The notification window (class "TForm3"): the text in large coloured
// letters at the bottom right of the work area, cut to the outline of its
// letters, hidden again by its own one-second timer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "notify/notify_counter.h"
#include "notify/notify_profile_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_timer_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class NotificationWindow : public Window {
public:
    explicit NotificationWindow(const NotifyProfile& profile) : profile_(profile) {}
    bool Create(HWND applicationWindow);

    // The whole show: the stored font and colour, the text, on top without
    // activating, hidden once the seconds have passed. A running count starts
    // again; a running timer keeps its rhythm.
    void Show(const std::string& textCp932, std::int32_t seconds);

    // The stored font and colour become the window's.
    void LoadFont();
    // Shapes the window to the text (Shift-JIS bytes) in the current font,
    // paints it in the font's colour and places the text cell at the work
    // area's bottom right. Neither shows nor hides it.
    void ShapeTo(const std::string& textCp932);
    // Puts it on top without activating it.
    void ShowOnTop();

    const NotifyFontSpec& font() const { return spec_; }
    // The font the window holds; the dialogs start from it.
    void SetFont(const NotifyFontSpec& spec);
    // Whether the last text gave an outline (the window shows nothing otherwise).
    bool HasOutline() const { return hasOutline_; }
    WindowTimer& hideTimer() { return hideTimer_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnHideTick();

    const NotifyProfile& profile_;
    NotifyFontSpec spec_;
    UniqueFont font_;
    UniqueBrush background_;
    COLORREF backgroundColor_ = 0;
    bool hasOutline_ = false;
    NotifyCounter counter_;
    WindowTimer hideTimer_{1, 1000};
    // What the window is shaped to; the same text in the same face on the
    // same work area needs no new outline.
    struct Shape {
        std::wstring text;
        NotifyFontSpec font;
        RECT work{};
    };
    std::optional<Shape> shape_;
};

}  // namespace quendrel
