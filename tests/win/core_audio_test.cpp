// The Core Audio backend over fake COM objects, and the choice of backend.
#include <gtest/gtest.h>
#include <propidl.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "mixer/core_audio_mixer_win32.h"
#include "mixer/mixer_factory_win32.h"
#include "mixer/winmm_mixer_win32.h"

namespace quendrel {
namespace {

std::vector<std::wstring> Names(Mixer& mixer) {
    std::vector<std::wstring> names;
    for (const auto& device : mixer.DescribeDevices()) names.push_back(device.name);
    return names;
}

// What the fake system holds for one render endpoint.
struct Endpoint {
    std::wstring id;
    std::wstring name;
    float scalar = 0.0f;
    BOOL muted = FALSE;
    DWORD state = DEVICE_STATE_ACTIVE;
    HRESULT volumeResult = S_OK;  // every endpoint volume call answers this
    HRESULT activateResult = S_OK;
};

struct FakeSystem {
    std::vector<Endpoint> endpoints;
    int preferred = 0;  // index of the default endpoint; -1 for none
    int liveObjects = 0;
    int enumerations = 0;
};

// IUnknown for one interface, counting the fake objects still alive.
template <typename Interface>
class Fake : public Interface {
public:
    explicit Fake(FakeSystem& system) : system_(system) { ++system_.liveObjects; }
    virtual ~Fake() { --system_.liveObjects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(Interface)) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    FakeSystem& system_;

private:
    ULONG references_ = 1;
};

class FakeVolume : public Fake<IAudioEndpointVolume> {
public:
    FakeVolume(FakeSystem& system, size_t index) : Fake(system), index_(index) {}

    HRESULT STDMETHODCALLTYPE SetMasterVolumeLevelScalar(float level, LPCGUID) override {
        if (FAILED(result())) return result();
        endpoint().scalar = level;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetMasterVolumeLevelScalar(float* level) override {
        if (FAILED(result())) return result();
        *level = endpoint().scalar;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetMute(BOOL muted, LPCGUID) override {
        if (FAILED(result())) return result();
        endpoint().muted = muted;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetMute(BOOL* muted) override {
        if (FAILED(result())) return result();
        *muted = endpoint().muted;
        return S_OK;
    }

    // Not used by the mixer.
    HRESULT STDMETHODCALLTYPE RegisterControlChangeNotify(IAudioEndpointVolumeCallback*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnregisterControlChangeNotify(IAudioEndpointVolumeCallback*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetChannelCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMasterVolumeLevel(float, LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMasterVolumeLevel(float*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetChannelVolumeLevel(UINT, float, LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetChannelVolumeLevelScalar(UINT, float, LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetChannelVolumeLevel(UINT, float*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetChannelVolumeLevelScalar(UINT, float*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVolumeStepInfo(UINT*, UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE VolumeStepUp(LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE VolumeStepDown(LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVolumeRange(float*, float*, float*) override { return E_NOTIMPL; }

private:
    Endpoint& endpoint() { return system_.endpoints.at(index_); }
    HRESULT result() { return endpoint().volumeResult; }
    size_t index_;
};

class FakeProperties : public Fake<IPropertyStore> {
public:
    FakeProperties(FakeSystem& system, std::wstring name) : Fake(system), name_(std::move(name)) {}

    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
        PropVariantInit(value);
        const GUID friendlyName = {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}};
        if (key.fmtid != friendlyName || key.pid != 14 || name_.empty()) return S_OK;  // VT_EMPTY
        const size_t bytes = (name_.size() + 1) * sizeof(wchar_t);
        value->vt = VT_LPWSTR;
        value->pwszVal = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
        memcpy(value->pwszVal, name_.c_str(), bytes);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCount(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Commit() override { return E_NOTIMPL; }

private:
    std::wstring name_;
};

class FakeDevice : public Fake<IMMDevice> {
public:
    FakeDevice(FakeSystem& system, size_t index) : Fake(system), index_(index) {}

    HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override {
        *out = nullptr;
        if (FAILED(endpoint().activateResult)) return endpoint().activateResult;
        if (iid != __uuidof(IAudioEndpointVolume)) return E_NOINTERFACE;
        *out = static_cast<IAudioEndpointVolume*>(new FakeVolume(system_, index_));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD, IPropertyStore** out) override {
        *out = new FakeProperties(system_, endpoint().name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetId(LPWSTR* out) override {
        const size_t bytes = (endpoint().id.size() + 1) * sizeof(wchar_t);
        *out = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
        memcpy(*out, endpoint().id.c_str(), bytes);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetState(DWORD* state) override {
        *state = endpoint().state;
        return S_OK;
    }

private:
    Endpoint& endpoint() { return system_.endpoints.at(index_); }
    size_t index_;
};

class FakeCollection : public Fake<IMMDeviceCollection> {
public:
    FakeCollection(FakeSystem& system, std::vector<size_t> indices) : Fake(system), indices_(std::move(indices)) {}

    HRESULT STDMETHODCALLTYPE GetCount(UINT* count) override {
        *count = static_cast<UINT>(indices_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Item(UINT i, IMMDevice** out) override {
        *out = nullptr;
        if (i >= indices_.size()) return E_INVALIDARG;
        *out = new FakeDevice(system_, indices_[i]);
        return S_OK;
    }

private:
    std::vector<size_t> indices_;
};

class FakeEnumerator : public Fake<IMMDeviceEnumerator> {
public:
    using Fake::Fake;

    HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD mask, IMMDeviceCollection** out) override {
        *out = nullptr;
        if (flow != eRender) return E_INVALIDARG;
        ++system_.enumerations;
        std::vector<size_t> indices;
        for (size_t i = 0; i < system_.endpoints.size(); ++i)
            if (system_.endpoints[i].state & mask) indices.push_back(i);
        *out = new FakeCollection(system_, indices);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole role, IMMDevice** out) override {
        *out = nullptr;
        if (flow != eRender || role != eConsole || system_.preferred < 0) return E_NOTFOUND;
        *out = new FakeDevice(system_, static_cast<size_t>(system_.preferred));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR, IMMDevice**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE UnregisterEndpointNotificationCallback(IMMNotificationClient*) override {
        return E_NOTIMPL;
    }
};

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
