// The seconds a notification has shown and the seconds it may: when its
// timer hides it.
#pragma once

#include <cstdint>

namespace quendrel {

struct NotifyCounter {
    std::int32_t elapsed = 0;
    std::int32_t limit = 0;

    // Taken at the show, so a later change of the seconds leaves this one alone.
    void Start(std::int32_t seconds) {
        elapsed = 0;
        limit = seconds;
    }

    // One tick of the timer; true when the window is to be hidden. With a limit of
    // N >= 1 that is the (N + 1)-th tick and every one after it; a limit of 0
    // or below never hides.
    bool Tick() {
        if (elapsed >= limit && limit > 0) return true;
        if (elapsed < limit) ++elapsed;
        return false;
    }
};

}  // namespace quendrel
