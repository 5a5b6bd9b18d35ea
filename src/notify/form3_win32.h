// TForm3: the notification window, cut to the outline of its text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "notify/notify_profile_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class TForm3 : public Window {
public:
    explicit TForm3(const NotifyProfile& profile) : profile_(profile) {}
    bool Create(HWND applicationWindow);

    // The stored font and colour become the window's.
    void LoadNotifyFont();
    // Shapes the window to the text (Shift-JIS bytes) in the current font,
    // paints it in the font's colour and places the text cell at the work
    // area's bottom right, on top of the other topmost windows. Neither shows
    // nor hides it.
    void SetNotifyText(const std::string& textCp932);
    // The show sequence's step that puts it on top without activating it.
    void ShowOnTop();

    const NotifyFontSpec& font() const { return spec_; }
    // The font the window holds; the dialogs start from it.
    void SetFont(const NotifyFontSpec& spec);
    // Whether the last text gave an outline (the window shows nothing otherwise).
    bool HasOutline() const { return hasOutline_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const NotifyProfile& profile_;
    NotifyFontSpec spec_;
    UniqueFont font_;
    UniqueBrush background_;
    COLORREF backgroundColor_ = 0;
    bool hasOutline_ = false;
    // What the window is shaped to; the same text in the same face on the
    // same work area needs no new outline.
    struct Shape {
        std::wstring text;
        NotifyFontSpec font;
        RECT work{};
    };
    std::optional<Shape> shape_;
};

// A declaration (set in its .cpp): clang-tidy 14 takes it for a definition.
extern TForm3* Form3;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace quendrel
