#include "controls/track_bar_win32.h"

#include <algorithm>

namespace quendrel {

void TrackBar::Setup(int minimum, int maximum, int page, int position) {
    minimum_ = minimum;
    maximum_ = maximum;
    SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, maximum);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, page);
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, 1);
    SendMessageW(hwnd_, TBM_SETTICFREQ, 1, 0);
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, position);
    last_ = Position();
}

int TrackBar::Position() const { return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)); }

void TrackBar::SetPosition(int position) {
    const int clamped = std::clamp(position, minimum_, maximum_);
    if (clamped == Position()) return;
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, clamped);
    last_ = clamped;
    onChange();
}

bool TrackBar::OnScroll() {
    // The bar reports every drag step and the end of the drag; only moves count.
    const int position = Position();
    if (position == last_) return true;
    last_ = position;
    onChange();
    return true;
}

}  // namespace quendrel
