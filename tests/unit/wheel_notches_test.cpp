#include "tray/wheel_notches.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace quendrel {
namespace {

constexpr int kReset = INT_MIN;  // in place of a delta: the pointer left the icon

TEST(WheelNotches, ActsOnWholeNotchesAndStartsAfreshOnAReversal) {
    // Each step: the delta added and the notches it gives.
    const struct {
        const char* name;
        std::vector<std::pair<int, int>> steps;
    } cases[] = {
        {"one notch", {{120, 1}}},
        {"thirds", {{40, 0}, {40, 0}, {40, 1}}},
        {"the rest carries", {{100, 0}, {100, 1}, {40, 1}}},
        {"a burst", {{240, 2}, {300, 2}, {60, 1}}},
        {"down", {{-120, -1}, {-80, 0}, {-40, -1}}},
        {"a zero is no reversal", {{60, 0}, {0, 0}, {60, 1}}},
        {"reversals drop the rest", {{80, 0}, {-40, 0}, {80, 0}, {40, 1}}},
        {"a reversal acts on its own notch", {{100, 0}, {-120, -1}}},
        {"reset mid-way", {{80, 0}, {kReset, 0}, {80, 0}, {40, 1}}},
    };
    for (const auto& c : cases) {
        WheelNotches wheel;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const auto [delta, notches] = c.steps[i];
            if (delta == kReset) {
                wheel.Reset();
                continue;
            }
            EXPECT_EQ(wheel.Add(delta), notches) << c.name << ", step " << i;
        }
    }
}

}  // namespace
}  // namespace quendrel
