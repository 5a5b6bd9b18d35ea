#include "config_window/output_choices.h"

#include <gtest/gtest.h>

namespace quendrel {
namespace {

TEST(OutputChoices, LeaveAloneFirstThenTheOutputsThenTheAbsentDevice) {
    const std::vector<OutputDevice> outputs = {{L"a", L"Speakers"}, {L"b", L"Headset", true}};
    struct Case {
        std::optional<StoredDevice> stored;
        std::vector<std::wstring> labels;
        std::size_t chosen;
        std::optional<StoredDevice> chosenDevice;
    } cases[] = {
        {std::nullopt, {L"(変更しない)", L"Speakers", L"Headset (既定)"}, 0, std::nullopt},
        // By its id, under the name it has now.
        {StoredDevice{L"a", L"Old name"},
         {L"(変更しない)", L"Speakers", L"Headset (既定)"},
         1,
         StoredDevice{L"a", L"Speakers"}},
        {StoredDevice{L"c", L"USB"},
         {L"(変更しない)", L"Speakers", L"Headset (既定)", L"USB (接続されていません)"},
         3,
         StoredDevice{L"c", L"USB"}},
    };
    for (const Case& c : cases) {
        const OutputChoices choices = ListOutputChoices(outputs, c.stored);
        EXPECT_EQ(choices.labels, c.labels);
        EXPECT_EQ(choices.chosen, c.chosen);
        ASSERT_EQ(choices.devices.size(), c.labels.size());
        EXPECT_EQ(choices.devices[0], std::nullopt);
        EXPECT_EQ(choices.devices[2], (StoredDevice{L"b", L"Headset"}));  // the name without its mark
        EXPECT_EQ(choices.devices[c.chosen], c.chosenDevice);
    }
}

}  // namespace
}  // namespace quendrel
