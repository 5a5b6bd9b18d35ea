// The mixer's per-cent scale and what a device reads back.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "mixer/mixer_scale.h"
#include "mixer/volume_memory.h"

namespace quendrel {
namespace {

TEST(MixerScale, FixedSixHundredFiftyFiveUnitsPerPerCent) {
    EXPECT_EQ(PercentToUnits(100), 65500u);
    EXPECT_EQ(PercentToUnits(37), 24235u);
    EXPECT_EQ(UnitsToPercent(65535), 100u);
    EXPECT_EQ(UnitsToPercent(65499), 99u);
    EXPECT_EQ(UnitsToPercent(32767), 50u);
    EXPECT_EQ(UnitsToPercent(654), 0u);
    for (std::uint32_t p = 0; p <= 100; ++p) EXPECT_EQ(UnitsToPercent(PercentToUnits(p)), p);
}

TEST(MixerScale, ClampPercent) {
    EXPECT_EQ(ClampPercent(-1), 0);
    EXPECT_EQ(ClampPercent(0), 0);
    EXPECT_EQ(ClampPercent(100), 100);
    EXPECT_EQ(ClampPercent(101), 100);
    EXPECT_EQ(ClampPercent(std::int64_t{INT32_MAX} + 100), 100);
    EXPECT_EQ(ClampPercent(0xFFFFFFFFu), 100);  // an unsigned read stays positive
}

TEST(VolumeMemory, AWrittenVolumeReadsBackAsWrittenWithinOnePerCent) {
    struct Device {
        const char* name;
        std::uint32_t (*readBack)(std::uint32_t written);
    };
    const Device devices[] = {
        {"one unit low", [](std::uint32_t u) { return u == 0 ? 0 : u - 1; }},
        {"one unit high", [](std::uint32_t u) { return u + 1; }},
        {"steps of 512 units", [](std::uint32_t u) { return u / 512 * 512; }},
    };
    for (const Device& device : devices) {
        SCOPED_TRACE(device.name);
        VolumeMemory memory;
        for (unsigned percent = 0; percent <= 100; ++percent) {
            memory.Wrote(1, percent);
            EXPECT_EQ(memory.Percent(1, device.readBack(PercentToUnits(percent))), percent);
        }
    }
    // What another program set, or what no write came before, reads by the scale.
    VolumeMemory memory;
    memory.Wrote(0, 37);
    EXPECT_EQ(memory.Percent(0, PercentToUnits(37) - 655), 36u);
    for (const auto& [units, percent] : std::vector<std::pair<std::uint32_t, unsigned>>{
             {65535, 100}, {65500, 100}, {65499, 99}, {32767, 50}, {654, 0}, {0, 0}})
        EXPECT_EQ(memory.Percent(3, units), percent);
    memory.Forget();
    EXPECT_EQ(memory.Percent(0, PercentToUnits(37) - 1), 36u);
}

}  // namespace
}  // namespace quendrel
