// Turns wheel deltas into whole notches. High-resolution wheels and touchpads
// send a fraction of a notch per event; a volume step per event would make
// the volume jump, so deltas are gathered until they make a notch (120, as
// WHEEL_DELTA). A turn the other way starts afresh: it acts after a notch of
// its own instead of first cancelling what was left of the other direction.
#pragma once

namespace quendrel {

class WheelNotches {
public:
    static constexpr int kNotch = 120;

    // The whole notches to act on now: positive up (away from the user),
    // negative down; what is left over waits for the next delta.
    int Add(int delta);
    // Forgets what is left over, as when the pointer leaves the icon.
    void Reset() { rest_ = 0; }

private:
    int rest_ = 0;  // less than a notch, in the direction of the last turn
};

}  // namespace quendrel
