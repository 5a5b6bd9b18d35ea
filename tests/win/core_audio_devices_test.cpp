// The Core Audio devices over fake COM objects (the policy class, capture
// endpoints that keep their mute per object as Wine's do, notifications from
// another thread), and over this system's own Core Audio.
#include <windows.h>

#include <audioclient.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "devices/core_audio_devices_win32.h"
#include "fake_core_audio_win32.h"
#include "mixer/core_audio_mixer_win32.h"
#include "mixer/mixer_scale.h"
#include "win_test_support.h"

namespace quendrel {
namespace {

using test::FakeEnumerator;
using test::FakePolicyClass;
using test::FakeSystem;

// What the watch hears, and on which thread.
struct Heard {
    std::vector<std::wstring> arrived;
    int defaultChanges = 0;
    DWORD thread = 0;
    void Arrived(const std::wstring& id) {
        arrived.push_back(id);
        thread = GetCurrentThreadId();
    }
    void DefaultChanged() {
        ++defaultChanges;
        thread = GetCurrentThreadId();
    }
    DeviceEvents Events() { return {Bind<&Heard::Arrived>(this), Bind<&Heard::DefaultChanged>(this)}; }
};

class CoreAudioDevicesTest : public ::testing::Test {
protected:
    CoreAudioDevicesTest() {
        system.endpoints = {{L"{a}", L"Speakers"},
                            {L"{b}", L"Headset"},
                            {L"{c}", L"HDMI"},
                            {L"{m}", L"Microphone"},
                            {L"{w}", L"Webcam"}};
        system.endpoints[3].flow = system.endpoints[4].flow = eCapture;
        system.preferredCapture = 4;
        system.mutePerObject = true;
        Make(true);
    }
    ~CoreAudioDevicesTest() override {
        devices.reset();
        EXPECT_EQ(system.liveObjects, 0) << "a COM reference was leaked";
        EXPECT_TRUE(system.clients.empty()) << "a notification client is still registered";
    }
    void Make(bool policyRegistered) {
        devices.reset();
        policy = std::make_unique<FakePolicyClass>(system, policyRegistered);
        devices = std::make_unique<CoreAudioDevices>(ComPtr<IMMDeviceEnumerator>(new FakeEnumerator(system)),
                                                     policy->Creator());
    }

    FakeSystem system;
    std::unique_ptr<FakePolicyClass> policy;
    std::unique_ptr<CoreAudioDevices> devices;
};

TEST_F(CoreAudioDevicesTest, ADeviceBecomesTheDefaultForEveryRole) {
    const auto outputs = devices->Outputs();
    ASSERT_EQ(outputs.size(), 3u);
    EXPECT_EQ(outputs[1].id, L"{b}");
    EXPECT_EQ(outputs[1].name, L"Headset");
    EXPECT_TRUE(outputs[0].isDefault);
    EXPECT_FALSE(outputs[1].isDefault);
    EXPECT_TRUE(devices->CanSwitch());

    EXPECT_EQ(devices->MakeDefault(L"{b}"), SwitchResult::kDone);
    using Set = std::pair<std::wstring, ERole>;
    EXPECT_EQ(system.defaults,
              (std::vector<Set>{{L"{b}", eConsole}, {L"{b}", eMultimedia}, {L"{b}", eCommunications}}));
    EXPECT_TRUE(devices->Outputs()[1].isDefault);

    // Not there, unplugged, or not an output: nothing is asked of the system.
    system.endpoints[2].state = DEVICE_STATE_UNPLUGGED;
    for (const wchar_t* absent : {L"{x}", L"{c}", L"{m}", L""})
        EXPECT_EQ(devices->MakeDefault(absent), SwitchResult::kNoSuchDevice) << absent;
    EXPECT_EQ(system.defaults.size(), 3u);
}

TEST_F(CoreAudioDevicesTest, WithoutThePolicyClassNothingCanSwitch) {
    Make(false);
    EXPECT_FALSE(devices->CanSwitch());
    EXPECT_EQ(devices->MakeDefault(L"{b}"), SwitchResult::kCannotSwitch);
    EXPECT_EQ(devices->MakeDefault(L"{x}"), SwitchResult::kCannotSwitch);
    EXPECT_TRUE(system.defaults.empty());
    EXPECT_EQ(devices->Outputs().size(), 3u);  // the list is still there
}

TEST_F(CoreAudioDevicesTest, TheMicrophoneKeyTogglesEveryMicrophoneByTheDefaultOne) {
    EXPECT_TRUE(devices->HasMicrophoneMute());
    // Each object keeps its own mute: reading a fresh one would mute twice.
    EXPECT_EQ(devices->ToggleMicrophoneMute(), true);
    EXPECT_TRUE(system.endpoints[3].muted && system.endpoints[4].muted);
    EXPECT_EQ(devices->ToggleMicrophoneMute(), false);
    EXPECT_FALSE(system.endpoints[3].muted || system.endpoints[4].muted);
    EXPECT_EQ(devices->SetMicrophoneMute(true), true);
    EXPECT_EQ(devices->SetMicrophoneMute(true), true);
    EXPECT_EQ(devices->ToggleMicrophoneMute(), false);

    // As Windows keeps it, one state an endpoint: the default one decides.
    system.mutePerObject = false;
    system.endpoints[3].muted = TRUE;
    EXPECT_EQ(devices->ToggleMicrophoneMute(), true);
    system.preferredCapture = 3;
    system.endpoints[4].muted = FALSE;
    EXPECT_EQ(devices->ToggleMicrophoneMute(), false);
    EXPECT_FALSE(system.endpoints[3].muted || system.endpoints[4].muted);

    // No microphone at all.
    system.endpoints[3].state = system.endpoints[4].state = DEVICE_STATE_UNPLUGGED;
    EXPECT_FALSE(devices->HasMicrophoneMute());
    EXPECT_EQ(devices->ToggleMicrophoneMute(), std::nullopt);
    EXPECT_EQ(devices->SetMicrophoneMute(true), std::nullopt);
}

TEST_F(CoreAudioDevicesTest, ADeviceThatVanishesMidCallIsPassedOverQuietly) {
    // The default microphone fails its calls: the other one goes on.
    ASSERT_EQ(devices->ToggleMicrophoneMute(), true);
    system.endpoints[4].volumeResult = AUDCLNT_E_DEVICE_INVALIDATED;
    EXPECT_EQ(devices->ToggleMicrophoneMute(), false);
    EXPECT_FALSE(system.endpoints[3].muted);
    system.endpoints[3].volumeResult = AUDCLNT_E_DEVICE_INVALIDATED;
    EXPECT_EQ(devices->ToggleMicrophoneMute(), std::nullopt);

    // A device that arrived takes its volume, unless it is gone again.
    EXPECT_TRUE(devices->SetOutputVolume(L"{c}", 37, true));
    EXPECT_EQ(system.endpoints[2].scalar, PercentToScalar(37));
    EXPECT_TRUE(system.endpoints[2].muted);
    system.endpoints[2].state = DEVICE_STATE_NOTPRESENT;
    EXPECT_FALSE(devices->SetOutputVolume(L"{c}", 50, false));
    EXPECT_FALSE(devices->SetOutputVolume(L"{x}", 50, false));

    // A fade's writes while a device goes away: the others take every step.
    system.endpoints[2].state = DEVICE_STATE_ACTIVE;
    CoreAudioMixer mixer(ComPtr<IMMDeviceEnumerator>(new FakeEnumerator(system)));
    for (unsigned step = 0; step <= 20; ++step) {
        if (step == 10) system.endpoints[1].state = DEVICE_STATE_NOTPRESENT;
        for (unsigned device = 0; device < mixer.DeviceCount(); ++device) mixer.SetMasterVolume(device, step);
    }
    EXPECT_EQ(system.endpoints[0].scalar, PercentToScalar(20));
    EXPECT_EQ(system.endpoints[2].scalar, PercentToScalar(20));
    EXPECT_EQ(system.endpoints[1].scalar, PercentToScalar(9));
}

TEST_F(CoreAudioDevicesTest, NewsFromTheSystemsThreadIsHandledOnThisOne) {
    Heard heard;
    EXPECT_TRUE(system.clients.empty()) << "nothing registered before the watch";
    devices->Watch(heard.Events());
    ASSERT_EQ(system.clients.size(), 1u);

    system.Add({L"{d}", L"USB"});
    system.SetState(2, DEVICE_STATE_UNPLUGGED);
    system.SetState(2, DEVICE_STATE_ACTIVE);
    system.Add({L"{n}", L"Headset microphone", 0.0f, FALSE, DEVICE_STATE_ACTIVE, S_OK, S_OK, eCapture});
    EXPECT_TRUE(heard.arrived.empty()) << "nothing is done on the system's thread";
    test::PumpMessages();
    EXPECT_EQ(heard.arrived, (std::vector<std::wstring>{L"{d}", L"{c}"}));
    EXPECT_EQ(heard.thread, GetCurrentThreadId());
    EXPECT_EQ(system.callsOffThread, 0);

    system.SetDefault(1);  // told for three roles, heard once
    test::PumpMessages();
    EXPECT_EQ(heard.defaultChanges, 1);

    devices->StopWatching();
    EXPECT_TRUE(system.clients.empty());
    system.Add({L"{e}", L"Bluetooth"});
    test::PumpMessages();
    EXPECT_EQ(heard.arrived.size(), 2u);
}

// This system's own Core Audio. Under Wine 8 the capture endpoints are the
// PulseAudio source and a monitor of each sink, and each keeps its mute per
// object; the policy class is not registered.
TEST(CoreAudioDevicesOnThisSystem, TheMicrophoneKeyComesBackAndTheSwitchIsAsTheClassIs) {
    ComApartment com;
    auto enumerator = CreateDeviceEnumerator();
    if (!enumerator) GTEST_SKIP() << "no Core Audio on this system";
    CoreAudioDevices devices(std::move(enumerator));

    ComPtr<IUnknown> policy;
    const bool registered = SUCCEEDED(CoCreateInstance(kPolicyConfigClient, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                                       policy.put_void())) ||
                            SUCCEEDED(CoCreateInstance(kPolicyConfigVistaClient, nullptr, CLSCTX_INPROC_SERVER,
                                                       IID_IUnknown, policy.put_void()));
    EXPECT_EQ(devices.CanSwitch(), registered);
    const auto outputs = devices.Outputs();
    if (!registered && !outputs.empty()) {
        EXPECT_EQ(devices.MakeDefault(outputs[0].id), SwitchResult::kCannotSwitch);
    }

    if (!devices.HasMicrophoneMute()) GTEST_SKIP() << "no microphone on this system";
    const auto first = devices.ToggleMicrophoneMute();
    ASSERT_TRUE(first);
    EXPECT_EQ(devices.ToggleMicrophoneMute(), !*first);
    EXPECT_EQ(devices.SetMicrophoneMute(false), false);
}

// Wine sends the default-change news when its own registry value changes,
// though the default it answers stays the PulseAudio endpoint.
TEST(CoreAudioDevicesOnThisSystem, WinesDefaultOutputValueBringsTheNews) {
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) GTEST_SKIP() << "not Wine";
    ComApartment com;
    auto enumerator = CreateDeviceEnumerator();
    if (!enumerator) GTEST_SKIP() << "no Core Audio on this system";
    CoreAudioDevices devices(std::move(enumerator));
    Heard heard;
    devices.Watch(heard.Events());
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Drivers\\winepulse.drv", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    // Wine's watch of the key starts with the first client: a first change
    // can come before it looks.
    for (const wchar_t* value : {L"headset", L"hdmi", L"speakers"}) {
        RegSetValueExW(key, L"DefaultOutput", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>((lstrlenW(value) + 1) * sizeof(wchar_t)));
        test::PumpMessages(500);
    }
    RegDeleteValueW(key, L"DefaultOutput");
    RegCloseKey(key);
    EXPECT_GE(heard.defaultChanges, 2);
    EXPECT_EQ(heard.thread, GetCurrentThreadId());
    devices.StopWatching();
}

}  // namespace
}  // namespace quendrel
