// Captures appended to a long preset list, in-process.
#include "program_fixture.h"
#include "table/table_texts.h"

namespace quendrel {
namespace {

class CaptureTest : public test::ProgramTest {};

TEST_F(CaptureTest, CapturesFollowTwentyLoadedPresets) {
    SettingTable table = test::TableWith();
    test::SwitchOn(table, kCaptureSlot);
    for (int i = 0; i < 20; ++i) table.AppendPresetRecord("Preset" + std::to_string(i), i * 5, 0x6070 + i);
    StartProgram(table, 2);
    SettingTable& live = resident().table();
    EXPECT_EQ(live.Image(), table.Image());
    mixer->SetPercent(0, 33);
    SendMessageW(window().hwnd(), WM_HOTKEY, kCaptureSlot, 0);
    ASSERT_EQ(live.count, 21);
    EXPECT_EQ(live.Preset(19).Name(), "Preset19");
    EXPECT_EQ(live.Preset(20).Name(), texts::kCapturedPresetName);
    EXPECT_EQ(live.Preset(20).value, 33);
    EXPECT_EQ(live.Preset(20).hotkey, 0x6070u + 20);
    mixer->SetPercent(0, 44);
    SendMessageW(window().hwnd(), WM_HOTKEY, kCaptureSlot, 0);
    EXPECT_EQ(live.Preset(21).value, 44);
    EXPECT_EQ(live.Preset(20).value, 33);
    window().Open();
    test::PumpMessages(200);
    EXPECT_EQ(live.Preset(20).Name(), texts::kCapturedPresetName);
    SendMessageW(window().hwnd(), WM_CLOSE, 0, 0);
    test::PumpMessages(200);
    EXPECT_EQ(live.Preset(20).Name(), texts::kCapturedPresetName);
    EXPECT_EQ(live.Preset(20).value, 33);
    EXPECT_EQ(live.Preset(21).value, 44);
}

}  // namespace
}  // namespace quendrel
