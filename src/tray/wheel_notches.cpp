#include "tray/wheel_notches.h"

namespace quendrel {

int WheelNotches::Add(int delta) {
    if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0)) rest_ = 0;
    // Wide: the rest and a delta near the int limit must not overflow.
    const long long total = static_cast<long long>(rest_) + delta;
    const long long notches = total / kNotch;
    rest_ = static_cast<int>(total - notches * kNotch);
    return static_cast<int>(notches);
}

}  // namespace quendrel
