// Captures appended to a long preset list, in-process.
#include "program_fixture.h"
#include "table/table_texts.h"
#include "win32/text_win32.h"

namespace quendrel {
namespace {

class CaptureTest : public test::ProgramTest {};

TEST_F(CaptureTest, CapturesFollowTwentyLoadedPresets) {
    SettingTable table = test::TableWith();
    test::SwitchOn(table, kCaptureSlot);
    for (int i = 0; i < 20; ++i) table.AppendPresetRecord("Preset" + std::to_string(i), i * 5, 0x6070 + i);
    StartProgram(table, 2);
    mixer->SetPercent(0, 33);
    Hotkey(kCaptureSlot);
    mixer->SetPercent(0, 44);
    Hotkey(kCaptureSlot);

    // The list follows while the window is closed, and shows them on opening.
    TrayPress();
    test::PumpMessages(200);
    ASSERT_EQ(ItemCount(), 22);
    EXPECT_EQ(ItemText(19), L"Preset19");
    EXPECT_EQ(ItemText(20), FromCp932(texts::kCapturedPresetName));
    SelectItem(20);
    EXPECT_EQ(Position(PresetPanel::kVolume), 33);
    EXPECT_EQ(KeyOf(PresetPanel::kHotkey), 0x6070 + 20);
    Close();
    test::PumpMessages(200);
    const SettingTable saved = Saved();
    ASSERT_EQ(saved.count, 22);
    EXPECT_EQ(saved.Preset(20).Name(), texts::kCapturedPresetName);
    EXPECT_EQ(saved.Preset(20).value, 33);
    EXPECT_EQ(saved.Preset(20).hotkey, 0x6070u + 20);
    EXPECT_EQ(saved.Preset(21).value, 44);
    EXPECT_EQ(saved.Preset(19).Name(), "Preset19");
}

}  // namespace
}  // namespace quendrel
