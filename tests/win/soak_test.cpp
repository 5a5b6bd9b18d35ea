// Thousands of hotkeys through the program on the real mixer, smooth changes
// and notifications on: at every checkpoint each device holds what the last
// hotkey set. Read in this process, the only one that sees the volumes Wine's
// mixer keeps per process, with a mixer of its own opened afresh, so that a
// program whose handles drift onto other devices is caught.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/program_win32.h"
#include "mixer/winmm_mixer_win32.h"
#include "raw_mixer.h"
#include "table/table_texts.h"
#include "win_test_support.h"

namespace quendrel {
namespace {

TEST(SoakTest, EveryDeviceHoldsWhatTheLastHotkeySetAtEveryCheckpoint) {
    test::TempFolder folder;
    SettingTable table;
    table.SetDefaults();
    for (std::size_t slot : {kUpSlot, kDownSlot, kMuteSlot, kNotifySlot}) table[slot].enabled = kEnabledOn;
    table[kUpSlot].value = 7;
    table[kDownSlot].value = 5;
    table[kNotifySlot].value = 1;
    for (int i = 0; i < 10; ++i) table.AppendPresetRecord("P" + std::to_string(i), 5 + i * 10, 0x6070 + i);
    const auto image = table.Image();
    test::WriteBytes(folder.File(L"SndCols.ini"), {image.begin(), image.end()});
    WritePrivateProfileStringW(L"Changes", L"FADE", L"1", folder.File(L"NotifyFont.ini").c_str());

    ProgramEnvironment environment;
    environment.mixer = std::make_unique<WinmmMixer>();
    environment.dataFolder = folder.path();
    Program program(std::move(environment));
    ASSERT_TRUE(program.Start());
    ConfigWindow& form = program.configWindow();
    const unsigned devices = WinmmMixer().DeviceCount();
    std::vector<bool> speakers;
    for (unsigned device = 0; device < devices; ++device) speakers.push_back(test::HasVolume(device));
    ASSERT_GE(std::count(speakers.begin(), speakers.end(), true), 2);

    // Every identifier but capture, in a mixed order; a smooth change runs
    // under the next keys for a while.
    unsigned next = 0;
    const auto press = [&](unsigned id) {
        SendMessageW(form.hwnd(), WM_HOTKEY, id, 0);
        test::PumpMessages(2);
    };
    for (int checkpoint = 0; checkpoint < 8; ++checkpoint) {
        for (int i = 0; i < 250; ++i) {
            const unsigned id = (next++ * 7) % 15;
            if (id != kCaptureSlot) press(id);
        }
        // The last word: a preset at once, then the mute key.
        WritePrivateProfileStringW(L"Changes", L"FADE", L"0", folder.File(L"NotifyFont.ini").c_str());
        const unsigned preset = kFirstPreset + checkpoint % 10;
        test::PumpMessages(200);
        for (int i = 0; i < 200 && form.applier().FadeCurrent() != form.applier().FadeTarget(); ++i)
            test::PumpMessages(30);
        press(preset);
        press(kMuteSlot);
        WritePrivateProfileStringW(L"Changes", L"FADE", L"1", folder.File(L"NotifyFont.ini").c_str());

        const unsigned volume = static_cast<unsigned>(table.Preset(preset - kFirstPreset).value);
        const bool muted = form.table()[kMuteSlot].Name() == std::string(texts::kMuteStatePrefix) + texts::kMuteTrue;
        WinmmMixer reader;
        for (unsigned device = 0; device < devices; ++device) {
            SCOPED_TRACE(testing::Message() << "checkpoint " << checkpoint << ", device " << device);
            if (!speakers[device]) continue;  // nothing to hold
            EXPECT_EQ(reader.GetMasterVolume(device), volume);
            EXPECT_EQ(reader.GetMasterMute(device) != 0, muted);
        }
    }
}

}  // namespace
}  // namespace quendrel
