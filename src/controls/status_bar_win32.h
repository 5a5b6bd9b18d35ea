// A status bar of one part along the bottom of its window, there only while
// it has something to say: the window grows by the bar's height when it
// shows and shrinks back when it goes, so nothing above it moves. A text
// longer than the bar is shortened by its owner; the whole text is the
// bar's tooltip.
#pragma once

#include <windows.h>

#include <string>

#include "controls/control_win32.h"
#include "controls/tooltips_win32.h"

namespace quendrel {

class StatusBar : public Control {
public:
    // Made hidden, in the window's font.
    void Create(Window& window, HFONT font);
    // Shows the text; an empty text hides the bar. whole: what the tooltip
    // shows when the text is a shortened form of it.
    void SetStatus(const std::wstring& text, const std::wstring& whole = {});
    // Whether the text shows whole in the bar's width.
    bool Fits(const std::wstring& text) const;

private:
    void GrowParent(int by) const;
    Tooltips tips_;
    bool shown_ = false;
    int height_ = 0;  // what the window grew by
};

}  // namespace quendrel
