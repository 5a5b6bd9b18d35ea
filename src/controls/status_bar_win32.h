// A status bar of one part along the bottom of its window, there only while
// it has something to say: the window grows by the bar's height when it
// shows and shrinks back when it goes, so nothing above it moves.
#pragma once

#include <windows.h>

#include <string>

#include "controls/control_win32.h"

namespace quendrel {

class StatusBar : public Control {
public:
    // Made hidden, in the window's font.
    void Create(Window& window, HFONT font);
    // Shows the text; an empty text hides the bar.
    void SetStatus(const std::wstring& text);

private:
    void GrowParent(int by) const;
    bool shown_ = false;
    int height_ = 0;  // what the window grew by
};

}  // namespace quendrel
