// Thousands of hotkeys of every identifier, with the notification and the
// smooth change on: the program keeps answering, keeps the user's settings
// and does not grow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "e2e_support.h"
#include "table/setting_table.h"
#include "table/table_texts.h"

namespace quendrel::e2e {
namespace {

// Sent rather than posted, so that the driver waits for each one: posted as
// fast as a loop can, they would pile up in the queue faster than a hotkey
// with a notification is handled, which no keyboard does. The window's
// handling is the same for both. A hotkey that does not come back within a
// quarter second may wait on a message box (the capture at a full list): it is
// answered, as a user would, after noting how many boxes were up at once.
void PostHotkeys(HWND window, DWORD pid, int count, int& next, int& mostBoxes) {
    for (int i = 0; i < count; ++i) {
        const WPARAM id = static_cast<WPARAM>(next++ % 33);
        DWORD_PTR ignored = 0;
        if (SendMessageTimeoutW(window, WM_HOTKEY, id, 0, SMTO_NORMAL, 250, &ignored)) continue;
        mostBoxes = std::max(mostBoxes, static_cast<int>(test::ProcessWindows(pid, L"#32770", true).size()));
        AnswerMessageBoxes(pid, 2000);
    }
}

bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

TEST(SoakScenario, TenThousandHotkeysLeaveTheProgramAnsweringAndItsSettingsWhole) {
    test::TempFolder folder;
    SettingTable table = test::TableWith();
    for (std::size_t slot : {kUpSlot, kDownSlot, kMuteSlot, kCaptureSlot, kNotifySlot}) test::SwitchOn(table, slot);
    table[kNotifySlot].value = 1;
    // Two presets short of full: the captures fill the list during the
    // warm-up, so the one-time cost of the first "full" message box is in the
    // baseline and not counted as growth.
    constexpr std::size_t kLoaded = 26;
    for (std::size_t i = 0; i < kLoaded; ++i)
        table.AppendPresetRecord("Preset" + std::to_string(i), static_cast<int>(i * 4), 0x6070 + i);
    test::WriteSettings(folder.path(), table);
    test::WriteFade(folder.path(), true);

    QuendrelProcess program(folder.path());
    ASSERT_TRUE(program.Start());
    HWND configWindow = WaitForWindow(program.pid(), identity::kConfigClass);
    ASSERT_NE(configWindow, nullptr);
    ASSERT_NE(WaitForWindow(program.pid(), identity::kNotificationClass), nullptr);  // start-up is over

    int next = 0;
    int mostBoxes = 0;

    PostHotkeys(configWindow, program.pid(), 500, next, mostBoxes);
    ASSERT_TRUE(Answers(configWindow));
    Sleep(1500);
    const long warm = program.ResidentKiB();
    ASSERT_GT(warm, 0) << "the program's resident size is readable";

    // The presets fill up to 28 on the way: each capture after that says so.
    PostHotkeys(configWindow, program.pid(), 10000 - next, next, mostBoxes);
    ASSERT_TRUE(Answers(configWindow));
    Sleep(4000);  // the last smooth change ends, the notification goes
    AnswerMessageBoxes(program.pid());
    ASSERT_TRUE(Answers(configWindow));
    const long after = program.ResidentKiB();
    EXPECT_LT(after - warm, 1024) << "resident KiB after warm-up " << warm << ", after the run " << after;
    RecordProperty("resident_growth_kib", static_cast<int>(after - warm));
    printf("resident KiB: %ld after the warm-up, %ld after 10,000 hotkeys\n", warm, after);

    // The saved table: the slots and the loaded presets as they were, the
    // captured presets after them, and the status texts of mute and capture.
    const SettingTable saved = SaveThroughTheWindow(program, configWindow, 30000);
    EXPECT_EQ(saved.count, 28);
    std::string names;
    for (std::size_t i = 0; i < saved.count; ++i)
        names += saved.Preset(i).Name().substr(0, 8) + "/" + std::to_string(saved.Preset(i).value) + " ";
    RecordProperty("presets", names);
    SCOPED_TRACE(names);
    for (std::size_t i = 0; i < kLoaded; ++i) {
        EXPECT_EQ(saved.Preset(i).Name(), table.Preset(i).Name());
        EXPECT_EQ(saved.Preset(i).value, table.Preset(i).value);
        EXPECT_EQ(saved.Preset(i).hotkey, table.Preset(i).hotkey);
    }
    for (std::size_t i = kLoaded; i < 28; ++i) {
        EXPECT_EQ(saved.Preset(i).Name(), texts::kCapturedPresetName);
        EXPECT_GE(saved.Preset(i).value, 0);
        EXPECT_LE(saved.Preset(i).value, 100);
        EXPECT_EQ(saved.Preset(i).hotkey, 0x6070u + i);
    }
    for (std::size_t slot : {kUpSlot, kDownSlot, kNotifySlot}) {
        EXPECT_EQ(saved[slot].Name(), table[slot].Name());
        EXPECT_EQ(saved[slot].value, table[slot].value);
    }
    EXPECT_EQ(saved[kCaptureSlot].Name(), texts::kCapturedSlotName);
    const std::string mute = saved[kMuteSlot].Name();
    EXPECT_TRUE(mute == std::string(texts::kMuteStatePrefix) + "True" ||
                mute == std::string(texts::kMuteStatePrefix) + "False");
    EXPECT_EQ(mostBoxes, 1) << "the full message shows, and never stacks";
}

}  // namespace
}  // namespace quendrel::e2e
