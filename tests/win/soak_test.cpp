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

#include "mixer/winmm_mixer_win32.h"
#include "program_fixture.h"
#include "raw_mixer.h"

namespace quendrel {
namespace {

class SoakTest : public test::ProgramTest {};

TEST_F(SoakTest, EveryDeviceHoldsWhatTheLastHotkeySetAtEveryCheckpoint) {
    SettingTable table = test::TableWith();
    for (std::size_t slot : {kUpSlot, kDownSlot, kMuteSlot, kNotifySlot}) test::SwitchOn(table, slot);
    table[kUpSlot].value = 7;
    table[kDownSlot].value = 5;
    table[kNotifySlot].value = 1;
    for (int i = 0; i < 10; ++i) table.AppendPresetRecord("P" + std::to_string(i), 5 + i * 10, 0x6070 + i);
    test::WriteFade(folder.path(), true);
    auto programMixer = std::make_unique<WinmmMixer>();
    Mixer& used = *programMixer;
    environment.mixer = std::move(programMixer);
    StartProgram(table);
    const unsigned devices = WinmmMixer().DeviceCount();
    std::vector<bool> speakers;
    for (unsigned device = 0; device < devices; ++device) speakers.push_back(test::HasVolume(device));
    ASSERT_GE(std::count(speakers.begin(), speakers.end(), true), 2);

    // Every identifier but capture, in a mixed order; a smooth change runs
    // under the next keys for a while.
    unsigned next = 0;
    const auto press = [&](unsigned id) {
        Hotkey(id);
        test::PumpMessages(2);
    };
    for (int checkpoint = 0; checkpoint < 8; ++checkpoint) {
        for (int i = 0; i < 250; ++i) {
            const unsigned id = (next++ * 7) % 15;
            if (id != kCaptureSlot) press(id);
        }
        // The last word: a preset at once, then the mute key.
        test::WriteFade(folder.path(), false);
        const unsigned preset = kFirstPreset + checkpoint % 10;
        // Until the smooth change has run out: device 0 holds still for a few ticks.
        for (unsigned i = 0, last = ~0u, now = 0; i < 100 && (now = used.GetMasterVolume(0)) != last; ++i, last = now)
            test::PumpMessages(200);
        press(preset);
        // The mute key turns device 0's state over, and every device follows.
        const bool muted = used.GetMasterMute(0) == 0;
        press(kMuteSlot);
        test::WriteFade(folder.path(), true);

        const unsigned volume = static_cast<unsigned>(table.Preset(preset - kFirstPreset).value);
        WinmmMixer reader;
        for (unsigned device = 0; device < devices; ++device) {
            SCOPED_TRACE(testing::Message() << "checkpoint " << checkpoint << ", device " << device);
            if (!speakers[device]) continue;  // nothing to hold
            EXPECT_TRUE(test::HoldsPercent(device, volume)) << volume << "% read as " << reader.GetMasterVolume(device);
            EXPECT_EQ(reader.GetMasterMute(device) != 0, muted);
        }
    }
}

}  // namespace
}  // namespace quendrel
