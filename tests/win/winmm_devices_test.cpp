// The winmm devices over a fake winmm whose mixers come and go, and over
// Wine's mixer, whose recording mixers have a microphone line.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/winmm_devices_win32.h"
#include "fake_winmm_win32.h"
#include "mixer/winmm_mixer_win32.h"

namespace quendrel {
namespace {

using namespace test;

class WinmmDevicesTest : public testing::Test {
public:
    void Arrived(const std::wstring& id) { arrived.push_back(id); }
    void DefaultChanged() { ++defaultChanges; }

protected:
    void SetUp() override {
        speakers.name = L"Speakers";
        usb.name = L"USB Audio";
        recording.name = L"Line In";
        recording.speakers = false;
        recording.recording = true;
        webcam = recording;
        webcam.name = L"Webcam";
        lineOnly = recording;
        lineOnly.microphone = false;
        fakeDevices = {&speakers, &recording, &usb, &lineOnly, &webcam};
        fakeGeneration = 1;
        fakeHandles.clear();
        fakeOpens = 0;
        fakePreferredWave[0] = fakePreferredWave[1] = -1;
    }

    FakeMixerDevice speakers, usb, recording, webcam, lineOnly, plugged;
    WinmmMixer mixer{kFakeWinmm};
    WinmmDevices devices{mixer, kFakeWinmmDevices};
    std::vector<std::wstring> arrived;
    int defaultChanges = 0;
};

TEST_F(WinmmDevicesTest, OutputsAreTheMixersThatPlayAndNoneCanBeChosen) {
    auto outputs = devices.Outputs();
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_EQ(outputs[0].name, L"Speakers");
    EXPECT_EQ(outputs[1].id, L"USB Audio");
    EXPECT_TRUE(outputs[0].isDefault);  // no preferred device: the first
    fakePreferredWave[0] = 1;
    outputs = devices.Outputs();
    EXPECT_FALSE(outputs[0].isDefault);
    EXPECT_TRUE(outputs[1].isDefault);
    EXPECT_FALSE(devices.CanSwitch());
    EXPECT_EQ(devices.MakeDefault(outputs[1].id), SwitchResult::kCannotSwitch);
    EXPECT_EQ(fakeOpens, 0u) << "the list is read by device number";
}

TEST_F(WinmmDevicesTest, TheRecordingMixersMicrophoneLineIsMutedAndTheDefaultOneDecides) {
    EXPECT_TRUE(devices.HasMicrophoneMute());
    EXPECT_EQ(devices.ToggleMicrophoneMute(), true);
    EXPECT_EQ(recording.microphoneMute, 1u);
    EXPECT_EQ(webcam.microphoneMute, 1u);
    EXPECT_EQ(speakers.mute + usb.mute, 0u) << "only microphones";
    EXPECT_EQ(devices.ToggleMicrophoneMute(), false);
    EXPECT_EQ(recording.microphoneMute + webcam.microphoneMute, 0u);

    // The preferred recording device is the third that records: the webcam.
    webcam.microphoneMute = 1;
    fakePreferredWave[1] = 2;
    EXPECT_EQ(devices.ToggleMicrophoneMute(), false);
    EXPECT_EQ(devices.SetMicrophoneMute(true), true);
    EXPECT_EQ(recording.microphoneMute + webcam.microphoneMute, 2u);
    EXPECT_EQ(fakeOpens, 0u);

    // The webcam is gone: the other one goes on.
    fakeDevices.pop_back();
    EXPECT_EQ(devices.ToggleMicrophoneMute(), false);
    EXPECT_EQ(recording.microphoneMute, 0u);

    // Mixers without a microphone line: nothing to mute.
    fakeDevices = {&speakers, &lineOnly};
    EXPECT_FALSE(devices.HasMicrophoneMute());
    EXPECT_EQ(devices.ToggleMicrophoneMute(), std::nullopt);
}

TEST_F(WinmmDevicesTest, ADeviceThatArrivesIsToldAndTakesItsVolumeThroughTheMixer) {
    devices.DevicesChanged();  // not watched: nothing
    devices.Watch({Bind<&WinmmDevicesTest::Arrived>(this), Bind<&WinmmDevicesTest::DefaultChanged>(this)});
    plugged.name = L"Speakers";
    fakeDevices.insert(fakeDevices.begin(), &plugged);  // the others move up one number
    devices.DevicesChanged();
    // Two of one name: which one is new cannot be told, so both are.
    EXPECT_EQ(arrived, (std::vector<std::wstring>{L"Speakers", L"Speakers #2"}));
    EXPECT_EQ(defaultChanges, 0) << "the first one stays the default";
    for (const auto& id : arrived) EXPECT_TRUE(devices.SetOutputVolume(id, 40, true));
    EXPECT_EQ(plugged.volume, 40u * 655);
    EXPECT_EQ(plugged.mute, 1u);
    EXPECT_EQ(usb.volume, 0u);
    EXPECT_FALSE(devices.SetOutputVolume(L"Speakers #3", 40, true));
    // One of a name of its own: that one alone.
    FakeMixerDevice headphones;
    headphones.name = L"Headphones";
    fakeDevices.push_back(&headphones);
    devices.DevicesChanged();
    EXPECT_EQ(arrived.size(), 3u);
    EXPECT_EQ(arrived.back(), L"Headphones");

    devices.StopWatching();
    fakeDevices.pop_back();
    fakeDevices.push_back(&headphones);
    devices.DevicesChanged();
    EXPECT_EQ(arrived.size(), 3u);
}

// Wine's mixer has a recording mixer for each capture endpoint, its wave-in
// line with one microphone source that has a mute. Hundreds of calls by
// device number never reach another device's controls.
TEST(WinmmDevicesOnThisSystem, TheMicrophoneMuteComesBackAfterHundredsOfCalls) {
    WinmmMixer mixer;
    WinmmDevices devices(mixer);
    const unsigned count = mixer.DeviceCount();
    std::vector<std::uint32_t> mutes;
    for (unsigned device = 0; device < count; ++device) mutes.push_back(mixer.GetMasterMute(device));
    if (!devices.HasMicrophoneMute()) GTEST_SKIP() << "no recording mixer with a microphone line";
    const auto first = devices.ToggleMicrophoneMute();
    ASSERT_TRUE(first);
    for (int call = 1; call < 301; ++call) EXPECT_EQ(devices.ToggleMicrophoneMute(), call % 2 ? !*first : *first);
    EXPECT_EQ(devices.SetMicrophoneMute(false), false);
    for (unsigned device = 0; device < count; ++device) EXPECT_EQ(mixer.GetMasterMute(device), mutes[device]);
}

}  // namespace
}  // namespace quendrel
