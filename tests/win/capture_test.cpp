// Captures appended to a long preset list, in-process.
#include <gtest/gtest.h>

#include "app/program_win32.h"
#include "fake_mixer.h"
#include "table/table_texts.h"
#include "win_test_support.h"

namespace quendrel {
namespace {

TEST(CaptureTest, CapturesFollowTwentyLoadedPresets) {
    test::TempFolder folder;
    SettingTable table;
    table.SetDefaults();
    table[kCaptureSlot].enabled = kEnabledOn;
    for (int i = 0; i < 20; ++i) table.AppendPresetRecord("Preset" + std::to_string(i), i * 5, 0x6070 + i);
    const auto image = table.Image();
    test::WriteBytes(folder.File(L"SndCols.ini"), {image.begin(), image.end()});
    auto fake = std::make_unique<FakeMixer>(2);
    FakeMixer& mixer = *fake;
    {
        ProgramEnvironment environment;
        environment.mixer = std::move(fake);
        environment.dataFolder = folder.path();
        Program program(std::move(environment));
        ASSERT_TRUE(program.Start());
        SettingTable& live = program.configWindow().table();
        EXPECT_EQ(live.Image(), image);
        mixer.SetPercent(0, 33);
        SendMessageW(program.configWindow().hwnd(), WM_HOTKEY, kCaptureSlot, 0);
        ASSERT_EQ(live.count, 21);
        EXPECT_EQ(live.Preset(19).Name(), "Preset19");
        EXPECT_EQ(live.Preset(20).Name(), texts::kCapturedPresetName);
        EXPECT_EQ(live.Preset(20).value, 33);
        EXPECT_EQ(live.Preset(20).hotkey, 0x6070u + 20);
        mixer.SetPercent(0, 44);
        SendMessageW(program.configWindow().hwnd(), WM_HOTKEY, kCaptureSlot, 0);
        EXPECT_EQ(live.Preset(21).value, 44);
        EXPECT_EQ(live.Preset(20).value, 33);
        program.configWindow().Open();
        test::PumpMessages(200);
        EXPECT_EQ(live.Preset(20).Name(), texts::kCapturedPresetName);
        SendMessageW(program.configWindow().hwnd(), WM_CLOSE, 0, 0);
        test::PumpMessages(200);
        EXPECT_EQ(live.Preset(20).Name(), texts::kCapturedPresetName);
        EXPECT_EQ(live.Preset(20).value, 33);
        EXPECT_EQ(live.Preset(21).value, 44);
    }
}

}  // namespace
}  // namespace quendrel
