#include "base/screen_fit.h"

namespace quendrel {
namespace {

// Where a span of this length starts once pushed inside [areaStart, areaEnd):
// back from the far edge first, then from the near edge, which wins.
int FitSpan(int start, int length, int areaStart, int areaEnd) {
    if (start + length > areaEnd) start = areaEnd - length;
    if (start < areaStart) start = areaStart;
    return start;
}

}  // namespace

ScreenRect FitWithin(const ScreenRect& window, const ScreenRect& workArea) {
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = FitSpan(window.left, width, workArea.left, workArea.right);
    const int top = FitSpan(window.top, height, workArea.top, workArea.bottom);
    return {left, top, left + width, top + height};
}

}  // namespace quendrel
