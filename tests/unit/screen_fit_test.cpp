#include "base/screen_fit.h"

#include <gtest/gtest.h>

#include <array>

namespace quendrel {
namespace {

std::array<int, 4> Edges(const ScreenRect& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(ScreenFit, MovesTheWindowJustEnoughToLieWithinTheWorkArea) {
    const ScreenRect screen{0, 0, 1280, 800};
    struct Case {
        const char* what;
        ScreenRect window, area, expected;
    } cases[] = {
        {"fits", {303, 279, 1254, 741}, screen, {303, 279, 1254, 741}},
        {"off the right and bottom", {788, 324, 1337, 861}, screen, {731, 263, 1280, 800}},
        {"off the left and top", {-50, -20, 350, 280}, screen, {0, 0, 400, 300}},
        {"larger than the area", {100, 100, 1500, 900}, screen, {0, 0, 1400, 800}},
        {"second monitor", {2400, 100, 2800, 400}, {1280, 0, 2560, 800}, {2160, 100, 2560, 400}},
        {"taskbar on the left", {0, 100, 400, 300}, {62, 0, 1280, 800}, {62, 100, 462, 300}},
    };
    for (const Case& c : cases) EXPECT_EQ(Edges(FitWithin(c.window, c.area)), Edges(c.expected)) << c.what;
}

}  // namespace
}  // namespace quendrel
