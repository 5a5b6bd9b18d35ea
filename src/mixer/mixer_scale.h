// The mixer holds a volume as 655 units per per cent, whatever bounds the
// device reports: 100 per cent is written as 65500, and 65535 reads as 100.
#pragma once

#include <cstdint>

namespace quendrel {

constexpr std::uint32_t kUnitsPerPercent = 655;

constexpr std::uint32_t PercentToUnits(std::uint32_t percent) { return percent * kUnitsPerPercent; }
constexpr std::uint32_t UnitsToPercent(std::uint32_t units) { return units / kUnitsPerPercent; }

// Volumes come from hand-editable files and from sums with a step, so every
// one is brought into 0..100 before it reaches a mixer or a 16-bit fade field.
// 64-bit so that a volume plus a step cannot overflow on the way.
constexpr int ClampPercent(std::int64_t percent) {
    return percent < 0 ? 0 : percent > 100 ? 100 : static_cast<int>(percent);
}

}  // namespace quendrel
