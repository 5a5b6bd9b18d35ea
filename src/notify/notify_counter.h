// NotifyElapsed and NotifyLimit: when Timer2 hides the notification.
#pragma once

#include <cstdint>

namespace quendrel {

struct NotifyCounter {
    std::int32_t elapsed = 0;
    std::int32_t limit = 0;

    // Taken at the show, so a later change of NotifyTick leaves this one alone.
    void Start(std::int32_t seconds) {
        elapsed = 0;
        limit = seconds;
    }

    // One Timer2 tick; true when the window is to be hidden. With a limit of
    // N >= 1 that is the (N + 1)-th tick and every one after it; a limit of 0
    // or below never hides.
    bool Tick() {
        if (elapsed >= limit && limit > 0) return true;
        if (elapsed < limit) ++elapsed;
        return false;
    }
};

}  // namespace quendrel
