// The winmm mixer against Wine's mixer (the fixed scale, one handle per
// device, change notices while watched), and against a fake winmm whose
// devices come and go.
#include <windows.h>

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <vector>

#include "fake_winmm_win32.h"
#include "mixer/winmm_mixer_win32.h"
#include "raw_mixer.h"
#include "win_test_support.h"

namespace quendrel {
namespace {

using namespace test;

TEST(WinmmMixer, WritesAndReadsEveryDeviceOnTheFixedScale) {
    WinmmMixer mixer;
    const unsigned count = mixer.DeviceCount();
    ASSERT_GE(count, 1u) << "the test environment provides sound devices";
    unsigned withVolume = 0;
    for (unsigned device = 0; device < count; ++device) {
        if (!RawVolume(device)) continue;  // no speakers line: left alone
        ++withVolume;
        mixer.SetMasterVolume(device, 37);
        EXPECT_TRUE(HoldsPercent(device, 37)) << RawVolume(device).value_or(0);  // 24235
        EXPECT_EQ(mixer.GetMasterVolume(device), 37u);
        mixer.SetMasterVolume(device, 100);
        EXPECT_EQ(RawVolume(device), 65500u);
        EXPECT_EQ(mixer.GetMasterVolume(device), 100u);
        mixer.SetMasterMute(device, true);
        EXPECT_EQ(mixer.GetMasterMute(device), 1u);
        mixer.SetMasterMute(device, false);
        EXPECT_EQ(mixer.GetMasterMute(device), 0u);
    }
    EXPECT_GE(withVolume, 1u);
    // The about window's lines: every device by its capabilities, in order.
    const auto devices = mixer.DescribeDevices();
    ASSERT_EQ(devices.size(), count);
    for (unsigned device = 0; device < count; ++device) {
        MIXERCAPSW caps{};
        mixerGetDevCapsW(device, &caps, sizeof caps);
        EXPECT_EQ(devices[device].name, caps.szPname);
        EXPECT_EQ(devices[device].driverVersion, caps.vDriverVersion);
    }
    // A device that does not exist reads as 0 and takes writes quietly.
    mixer.SetMasterVolume(count + 5, 50);
    EXPECT_EQ(mixer.GetMasterVolume(count + 5), 0u);
    EXPECT_EQ(mixer.GetMasterMute(count + 5), 0u);
}

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

// The mixer API posts a control change to the window a handle was opened
// with; here the system's own winmm does the writes and the post is made as
// Windows makes it.
HWND g_callbackWindow = nullptr;
int g_opensWithCallback = 0, g_closes = 0;
MMRESULT WINAPI OpenRecordingCallback(LPHMIXER handle, UINT device, DWORD_PTR callback, DWORD_PTR user, DWORD flags) {
    if (flags & CALLBACK_WINDOW) {
        g_callbackWindow = reinterpret_cast<HWND>(callback);
        ++g_opensWithCallback;
    }
    return mixerOpen(handle, device, 0, user, flags & ~CALLBACK_TYPEMASK);
}
MMRESULT WINAPI SetAndNotify(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags) {
    const MMRESULT result = mixerSetControlDetails(object, details, flags);
    if (g_callbackWindow) PostMessageW(g_callbackWindow, MM_MIXM_CONTROL_CHANGE, 0, details->dwControlID);
    return result;
}
MMRESULT WINAPI CloseCallback(HMIXER handle) {
    ++g_closes;
    return mixerClose(handle);
}

TEST(WinmmWatch, AControlChangeReachesTheWatcherOnlyWhileWatched) {
    WinmmApi api = SystemWinmm();
    api.open = OpenRecordingCallback;
    api.setControlDetails = SetAndNotify;
    api.close = CloseCallback;
    WinmmMixer mixer(api);
    struct Counter {
        int changes = 0;
        void Changed() { ++changes; }
    } counter;
    int& changes = counter.changes;
    mixer.WatchDevice0(Bind<&Counter::Changed>(&counter));
    EXPECT_EQ(g_opensWithCallback, 1);
    mixer.SetMasterVolume(0, 30);
    test::PumpMessages();
    EXPECT_EQ(changes, 1);
    mixer.StopWatching();
    EXPECT_EQ(g_closes, 1);  // the watching handle goes
    mixer.SetMasterVolume(0, 31);
    test::PumpMessages();
    EXPECT_EQ(changes, 1);
    g_callbackWindow = nullptr;
}

}  // namespace
}  // namespace quendrel
