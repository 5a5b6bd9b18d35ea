// The Core Audio backend over fake COM objects, and the choice of backend.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fake_core_audio_win32.h"
#include "mixer/core_audio_mixer_win32.h"
#include "mixer/mixer_factory_win32.h"
#include "mixer/mixer_scale.h"
#include "mixer/winmm_mixer_win32.h"

namespace quendrel {
namespace {

// What the program reads from an endpoint's scalar, in per cent.
unsigned ScalarToPercent(float scalar) { return UnitsToPercent(ScalarToUnits(scalar)); }

using test::FakeEnumerator;
using test::FakeSystem;

std::vector<std::wstring> Names(Mixer& mixer) {
    std::vector<std::wstring> names;
    for (const auto& device : mixer.DescribeDevices()) names.push_back(device.name);
    return names;
}

class CoreAudioTest : public ::testing::Test {
protected:
    CoreAudioTest() {
        system.endpoints = {{L"{a}", L"Speakers"}, {L"{b}", L"Headset"}, {L"{c}", L"HDMI"}};
        system.preferred = 1;
    }
    ~CoreAudioTest() override {
        mixer.reset();
        EXPECT_EQ(system.liveObjects, 0) << "a COM reference was leaked";
    }

    FakeSystem system;
    std::unique_ptr<CoreAudioMixer> mixer =
        std::make_unique<CoreAudioMixer>(ComPtr<IMMDeviceEnumerator>(new FakeEnumerator(system)));
};

TEST_F(CoreAudioTest, TheDefaultEndpointIsDeviceZeroAndTheOthersFollowInOrder) {
    EXPECT_EQ(mixer->DeviceCount(), 3u);
    EXPECT_EQ(Names(*mixer), (std::vector<std::wstring>{L"Headset", L"Speakers", L"HDMI"}));
    mixer->SetMasterVolume(0, 10);
    mixer->SetMasterVolume(1, 20);
    mixer->SetMasterVolume(2, 30);
    EXPECT_EQ(ScalarToPercent(system.endpoints[1].scalar), 10u);
    EXPECT_EQ(ScalarToPercent(system.endpoints[0].scalar), 20u);
    EXPECT_EQ(ScalarToPercent(system.endpoints[2].scalar), 30u);
    EXPECT_EQ(system.liveObjects, 1);  // only the enumerator is kept between calls

    system.preferred = 2;  // the user picks another default
    EXPECT_EQ(Names(*mixer), (std::vector<std::wstring>{L"HDMI", L"Speakers", L"Headset"}));
    EXPECT_EQ(mixer->GetMasterVolume(0), 30u);

    // No default endpoint: the active ones in the system's order.
    system.preferred = -1;
    EXPECT_EQ(Names(*mixer), (std::vector<std::wstring>{L"Speakers", L"Headset", L"HDMI"}));
}

TEST_F(CoreAudioTest, EveryCallSeesTheDevicesAsTheyAreNow) {
    system.endpoints[2].state = DEVICE_STATE_UNPLUGGED;
    EXPECT_EQ(mixer->DeviceCount(), 2u);
    EXPECT_EQ(Names(*mixer), (std::vector<std::wstring>{L"Headset", L"Speakers"}));

    system.endpoints[2].state = DEVICE_STATE_ACTIVE;
    system.endpoints.push_back({L"{d}", L"USB"});
    const int before = system.enumerations;
    EXPECT_EQ(mixer->DeviceCount(), 4u);
    mixer->SetMasterVolume(3, 55);
    EXPECT_EQ(ScalarToPercent(system.endpoints[3].scalar), 55u);
    EXPECT_EQ(system.enumerations, before + 2);

    // Beyond the last device: nothing read, nothing written.
    EXPECT_EQ(mixer->GetMasterVolume(4), 0u);
    mixer->SetMasterVolume(4, 80);
    mixer->SetMasterMute(4, true);
    EXPECT_EQ(mixer->GetMasterMute(4), 0u);
}

TEST_F(CoreAudioTest, EveryPercentRoundTripsOnTheMixerScale) {
    for (unsigned percent = 0; percent <= 100; ++percent) {
        mixer->SetMasterVolume(0, percent);
        // Through memory: on i686 the x87 would compare the quotient unrounded.
        const volatile float written = static_cast<float>(percent * 655) / 65535.0f;
        EXPECT_EQ(system.endpoints[1].scalar, written) << percent;
        EXPECT_EQ(mixer->GetMasterVolume(0), percent);
    }
    mixer->SetMasterVolume(0, 37);
    EXPECT_EQ(system.endpoints[1].scalar, 24235 / 65535.0f);
    mixer->SetMasterVolume(0, 100);
    EXPECT_EQ(system.endpoints[1].scalar, 65500 / 65535.0f);
    mixer->SetMasterVolume(0, 0);
    EXPECT_EQ(system.endpoints[1].scalar, 0.0f);

    // Levels another program set read on the same scale.
    const std::pair<float, unsigned> reads[] = {
        {1.0f, 100}, {65499 / 65535.0f, 99}, {32767 / 65535.0f, 50}, {654 / 65535.0f, 0}, {655 / 65535.0f, 1}};
    for (const auto& [scalar, percent] : reads) {
        system.endpoints[1].scalar = scalar;
        EXPECT_EQ(mixer->GetMasterVolume(0), percent) << scalar;
    }
    EXPECT_EQ(ScalarToPercent(-0.5f), 0u);
    EXPECT_EQ(ScalarToPercent(1.5f), 100u);
}

TEST_F(CoreAudioTest, MuteIsTheEndpointsMute) {
    mixer->SetMasterMute(0, true);
    EXPECT_TRUE(system.endpoints[1].muted);
    EXPECT_FALSE(system.endpoints[0].muted);
    EXPECT_EQ(mixer->GetMasterMute(0), 1u);
    EXPECT_EQ(mixer->GetMasterMute(1), 0u);
    mixer->SetMasterMute(0, false);
    EXPECT_FALSE(system.endpoints[1].muted);
    EXPECT_EQ(mixer->GetMasterMute(0), 0u);
}

TEST_F(CoreAudioTest, AFailingEndpointIsLeftAloneWhileTheOthersAreWritten) {
    system.endpoints[0].volumeResult = E_NOTIMPL;        // device 1
    system.endpoints[2].activateResult = E_NOINTERFACE;  // device 2
    system.endpoints[0].scalar = system.endpoints[2].scalar = 0.5f;
    system.endpoints[0].muted = system.endpoints[2].muted = TRUE;
    for (unsigned device = 0; device < mixer->DeviceCount(); ++device) {
        mixer->SetMasterVolume(device, 37);
        mixer->SetMasterMute(device, false);
    }
    EXPECT_EQ(system.endpoints[1].scalar, 24235 / 65535.0f);
    EXPECT_EQ(system.endpoints[0].scalar, 0.5f);
    EXPECT_EQ(system.endpoints[2].scalar, 0.5f);
    EXPECT_TRUE(system.endpoints[0].muted);
    EXPECT_TRUE(system.endpoints[2].muted);
    for (unsigned device : {1u, 2u}) {
        EXPECT_EQ(mixer->GetMasterVolume(device), 0u);
        EXPECT_EQ(mixer->GetMasterMute(device), 0u);
    }
    EXPECT_EQ(mixer->GetMasterVolume(0), 37u);
}

TEST_F(CoreAudioTest, NoEnumeratorMeansNoDevices) {
    CoreAudioMixer empty{ComPtr<IMMDeviceEnumerator>()};
    EXPECT_EQ(empty.DeviceCount(), 0u);
    EXPECT_EQ(empty.GetMasterVolume(0), 0u);
    empty.SetMasterVolume(0, 50);
    EXPECT_TRUE(Names(empty).empty());
}

TEST(CoreAudioBackend, ChoiceFollowsTheReportedVersion) {
    EXPECT_FALSE(UseCoreAudio(5, true));  // XP, or XP compatibility mode
    EXPECT_TRUE(UseCoreAudio(6, true));   // Vista, 7
    EXPECT_TRUE(UseCoreAudio(10, true));
    EXPECT_FALSE(UseCoreAudio(10, false));  // Core Audio could not be created

    // The system mixer agrees with what this system reports.
    ComApartment com;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExW(&info));
    auto mixer = CreateSystemMixer();
    if (info.dwMajorVersion >= 6)
        EXPECT_NE(dynamic_cast<CoreAudioMixer*>(mixer.get()), nullptr);
    else
        EXPECT_NE(dynamic_cast<WinmmMixer*>(mixer.get()), nullptr);
}

TEST(CoreAudioBackend, WithoutComTheMixerApiIsUsed) {
    // A thread of its own: the test thread may already have COM.
    std::unique_ptr<Mixer> mixer;
    std::thread([&] { mixer = CreateSystemMixer(); }).join();
    EXPECT_NE(dynamic_cast<WinmmMixer*>(mixer.get()), nullptr);
}

// This system's own endpoints (under Wine: one per PulseAudio sink after the
// default): real COM objects behind the same calls.
TEST(CoreAudioBackend, TheSystemsOwnEndpointsAnswer) {
    ComApartment com;
    auto enumerator = CreateDeviceEnumerator();
    if (!enumerator) GTEST_SKIP() << "no Core Audio on this system";
    CoreAudioMixer mixer(std::move(enumerator));
    const auto names = Names(mixer);
    ASSERT_EQ(names.size(), mixer.DeviceCount());
    for (const auto& name : names) EXPECT_FALSE(name.empty());
    for (unsigned device = 0; device < names.size(); ++device) {
        EXPECT_LE(mixer.GetMasterVolume(device), 100u);
        EXPECT_LE(mixer.GetMasterMute(device), 1u);
    }
}

}  // namespace
}  // namespace quendrel
