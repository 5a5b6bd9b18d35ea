// Which monitor the notification shows on: key Monitor of section Changes in
// NotifyFont.ini, read at every show. 0 or absent is the primary monitor's
// work area; 1 the monitor that holds the mouse pointer; 2 that of the
// foreground window. Anything else counts as 0.
#pragma once

#include <cstdint>
#include <optional>

namespace quendrel {

enum class MonitorChoice { kPrimary = 0, kPointer = 1, kForeground = 2 };

inline MonitorChoice MonitorChoiceFromProfile(std::optional<std::int32_t> value) {
    if (value == 1) return MonitorChoice::kPointer;
    if (value == 2) return MonitorChoice::kForeground;
    return MonitorChoice::kPrimary;
}

}  // namespace quendrel
