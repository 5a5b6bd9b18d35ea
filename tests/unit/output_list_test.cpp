#include "devices/output_list.h"

#include <gtest/gtest.h>

namespace quendrel {
namespace {

TEST(OutputList, TheTrackerTellsArrivalsAndAMovedDefault) {
    OutputTracker tracker;
    tracker.Start({{L"a", L"A", true}, {L"b", L"B"}});
    struct Step {
        std::vector<OutputDevice> now;
        std::vector<std::wstring> arrived;
        bool defaultChanged;
    } steps[] = {
        {{{L"a", L"A", true}, {L"b", L"B"}}, {}, false},
        {{{L"c", L"C"}, {L"a", L"A", true}, {L"b", L"B"}, {L"d", L"D"}}, {L"c", L"d"}, false},
        {{{L"a", L"A"}, {L"d", L"D", true}}, {}, true},
        {{{L"a", L"A"}, {L"b", L"B"}, {L"d", L"D", true}}, {L"b"}, false},  // gone, and back
        {{}, {}, true},
        {{{L"a", L"A", true}}, {L"a"}, true},
    };
    for (const Step& step : steps) {
        const auto changes = tracker.Update(step.now);
        EXPECT_EQ(changes.arrived, step.arrived);
        EXPECT_EQ(changes.defaultChanged, step.defaultChanged);
    }
}

TEST(OutputList, NamesAsIdsAndWhatACommandLineNames) {
    EXPECT_EQ(NumberedNames({L"USB", L"HD", L"USB", L"USB"}),
              (std::vector<std::wstring>{L"USB", L"HD", L"USB #2", L"USB #3"}));
    const std::vector<OutputDevice> outputs = {{L"a", L"Speakers"}, {L"b", L"2"}, {L"c", L"Head set"}};
    const std::pair<const wchar_t*, std::optional<std::size_t>> cases[] = {{L"1", 0},
                                                                           {L"3", 2},
                                                                           {L"03", 2},
                                                                           {L"4", std::nullopt},
                                                                           {L"0", std::nullopt},
                                                                           {L"2", 1},
                                                                           {L"Head set", 2},
                                                                           {L"speakers", std::nullopt},
                                                                           {L"", std::nullopt},
                                                                           {L" 1", std::nullopt}};
    for (const auto& [argument, found] : cases) EXPECT_EQ(FindOutput(outputs, argument), found) << argument;
}

}  // namespace
}  // namespace quendrel
