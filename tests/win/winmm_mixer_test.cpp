// The winmm mixer keeps one handle per device: against Wine's mixer, and
// against a fake winmm whose devices come and go.
#include <windows.h>

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <vector>

#include "fake_winmm_win32.h"
#include "mixer/winmm_mixer_win32.h"
#include "raw_mixer.h"

namespace quendrel {
namespace {

using namespace test;

// Under Wine the 257th open of a device yields a handle to the next one: a
// mixer that opens at every call sends these writes to the wrong devices.
TEST(WinmmMixer, HundredsOfWritesReachTheirOwnDevices) {
    WinmmMixer mixer;
    const unsigned count = mixer.DeviceCount();
    ASSERT_GE(count, 2u) << "the test environment provides sound devices";
    // Every device gets values of its own, so one that lands on a neighbour shows.
    const auto value = [](unsigned round, unsigned device) { return (round * 3 + device * 11) % 101; };
    constexpr unsigned kRounds = 300;
    for (unsigned round = 0; round < kRounds; ++round)
        for (unsigned device = 0; device < count; ++device) mixer.SetMasterVolume(device, value(round, device));
    WinmmMixer fresh;
    unsigned withVolume = 0;
    for (unsigned device = 0; device < count; ++device) {
        const bool has = HasVolume(device);
        withVolume += has;
        EXPECT_EQ(mixer.GetMasterVolume(device), has ? value(kRounds - 1, device) : 0) << "device " << device;
        EXPECT_EQ(fresh.GetMasterVolume(device), has ? value(kRounds - 1, device) : 0) << "device " << device;
    }
    EXPECT_GE(withVolume, 2u);
}

class FakeWinmmTest : public testing::Test {
protected:
    void SetUp() override {
        fakeDevices = {&a, &b};
        fakeGeneration = 1;
        fakeOpens = fakeCloses = 0;
        fakeHandles.clear();
    }
    void Press(WinmmMixer& mixer, unsigned percent) {
        for (unsigned device = 0; device < mixer.DeviceCount(); ++device) mixer.SetMasterVolume(device, percent);
    }
    FakeMixerDevice a, b, plugged;
};

TEST_F(FakeWinmmTest, ADevicePluggedInIsUsedAtTheNextPressWhateverNumberItTakes) {
    {
        WinmmMixer mixer(kFakeWinmm);
        for (unsigned percent = 0; percent <= 100; ++percent) Press(mixer, percent);
        EXPECT_EQ(fakeOpens, 2u);
        fakeDevices.insert(fakeDevices.begin(), &plugged);  // the others move up one number
        Press(mixer, 40);
        EXPECT_EQ(plugged.volume, 40u * 655);
        EXPECT_EQ(a.volume, 40u * 655);
        EXPECT_EQ(b.volume, 40u * 655);
        EXPECT_EQ(mixer.GetMasterVolume(0), 40u);
        EXPECT_EQ(fakeOpens, 5u);
    }
    EXPECT_EQ(fakeCloses, fakeOpens);
}

TEST_F(FakeWinmmTest, AStaleHandleIsOpenedAgainAndTheCallMadeOnIt) {
    for (MMRESULT stale : {MMSYSERR_INVALHANDLE, MMSYSERR_NODRIVER}) {
        fakeStaleResult = stale;
        WinmmMixer mixer(kFakeWinmm);
        Press(mixer, 30);
        mixer.SetMasterMute(1, true);
        ++fakeGeneration;  // the driver went away and came back with the same devices
        EXPECT_EQ(mixer.GetMasterMute(1), 1u);
        ++fakeGeneration;
        Press(mixer, 60);
        EXPECT_EQ(a.volume, 60u * 655);
        EXPECT_EQ(b.volume, 60u * 655);
        // A device without the speakers line stays untouched and reads 0.
        b.speakers = false;
        ++fakeGeneration;
        Press(mixer, 90);
        EXPECT_EQ(a.volume, 90u * 655);
        EXPECT_EQ(b.volume, 60u * 655);
        EXPECT_EQ(mixer.GetMasterVolume(1), 0u);
        b.speakers = true;
    }
}

}  // namespace
}  // namespace quendrel
