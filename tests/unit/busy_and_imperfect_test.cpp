// Rules for a busy program on imperfect devices: actions one at a time, a
// volume read back as written, keys named as extended, a long report cut at
// an entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/action_queue.h"
#include "base/hotkey_value.h"
#include "hotkeys/hotkey_conflicts.h"
#include "mixer/mixer_scale.h"
#include "mixer/volume_memory.h"

namespace quendrel {
namespace {

TEST(ActionQueue, WorkArrivingDuringWorkWaitsItsTurnInOrder) {
    ActionQueue queue;
    std::string log;
    queue.Perform([&] {
        log += "a(";
        // Let in while the first one waits on the system, as sent messages are.
        queue.Perform([&] {
            log += "b";
            queue.Perform([&] { log += "d"; });
        });
        queue.Perform([&] { log += "c"; });
        EXPECT_EQ(log, "a(");  // both wait while this one runs
        log += ")";
    });
    EXPECT_EQ(log, "a()bcd");
    // Idle again: new work runs at once.
    queue.Perform([&] { log += "e"; });
    EXPECT_EQ(log, "a()bcde");
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

TEST(HotkeyValue, KeysThatExistOnlyAsExtendedKeysAreShownExtended) {
    // Arrows, Insert, Delete, Home, End, Page Up/Down, Divide, right Ctrl/Alt, Windows, Apps.
    for (std::uint8_t key :
         {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E, 0x6F, 0xA3, 0xA5, 0x5B, 0x5C, 0x5D}) {
        EXPECT_TRUE(IsExtendedOnlyKey(key)) << int{key};
        EXPECT_EQ(HotkeyToControl(static_cast<std::uint16_t>(0xC000 | key)), 0x0E00 | key) << int{key};  // Ctrl+Alt
        EXPECT_EQ(HotkeyFromControl(static_cast<std::uint16_t>(0x0E00 | key)), 0xC000 | key) << int{key};
    }
    // The keypad's 8 and Enter's twin, a letter, F1, the left Ctrl: no flag.
    for (std::uint8_t key : {0x68, 0x0D, 0x41, 0x70, 0xA2, 0x20, 0x29, 0x2C}) EXPECT_FALSE(IsExtendedOnlyKey(key));
}

// A place as wide as so many characters.
struct UpTo {
    std::size_t length;
    bool Fits(const std::wstring& text) const { return text.size() <= length; }
    operator FitsFunction() const { return Bind<&UpTo::Fits>(this); }
};

TEST(HotkeyConflicts, ALongReportShowsWholeEntriesAndCountsTheRest) {
    const std::vector<std::wstring> entries = {L"A (F1)", L"Bb (F2)", L"Ccc (F3)", L"Dddd (F4)"};
    const auto upTo = [](std::size_t length) { return UpTo{length}; };
    const std::wstring prefix = L"使用できないホットキー: ";
    EXPECT_EQ(FitConflictText(ConflictPlace::kStatusBar, entries, upTo(1000)),
              prefix + L"A (F1)、Bb (F2)、Ccc (F3)、Dddd (F4)");
    EXPECT_EQ(FitConflictText(ConflictPlace::kStatusBar, entries, upTo(prefix.size() + 24)),
              prefix + L"A (F1)、Bb (F2)、ほか 2 件");
    EXPECT_EQ(FitConflictText(ConflictPlace::kStatusBar, entries, upTo(prefix.size() + 3)), prefix + L"ほか 4 件");
    EXPECT_EQ(FitConflictText(ConflictPlace::kBalloon, {}, upTo(1000)), L"");
    // 28 long names in a balloon of 255 characters.
    const std::vector<std::wstring> many(28, L"Preset with a long name (Control + Shift + F13)");
    const std::wstring balloon = FitConflictText(ConflictPlace::kBalloon, many, upTo(255));
    EXPECT_LE(balloon.size(), 255u);
    EXPECT_NE(balloon.find(L"、ほか 24 件"), std::wstring::npos) << balloon.size();
}

}  // namespace
}  // namespace quendrel
