// Keeping a window whole on a monitor's work area.
#pragma once

namespace quendrel {

// Screen coordinates; right and bottom lie just outside, as in a Win32 RECT.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The window moved the least that puts it wholly within the work area, its
// size kept. Along an axis where it is larger than the area, it starts at the
// area's left (top) edge, so that its caption and close box stay reachable.
ScreenRect FitWithin(const ScreenRect& window, const ScreenRect& workArea);

}  // namespace quendrel
