// Core Audio as fake COM objects: an enumerator over endpoints that a test
// holds as plain values, counting the objects still alive; the system's
// changes told to the registered clients from a thread of its own; the
// policy-config class.
#pragma once

#include <windows.h>

#include <audioclient.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <propidl.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "devices/core_audio_devices_win32.h"
#include "devices/policy_config_win32.h"

__CRT_UUID_DECL(quendrel::IPolicyConfig, 0xf8679f50, 0x850a, 0x41cf, 0x9c, 0x72, 0x43, 0x0f, 0x29, 0x02, 0x90, 0xc8)

namespace quendrel::test {

// What the fake system holds for one endpoint.
struct Endpoint {
    std::wstring id;
    std::wstring name;
    float scalar = 0.0f;
    BOOL muted = FALSE;
    DWORD state = DEVICE_STATE_ACTIVE;
    HRESULT volumeResult = S_OK;  // every endpoint volume call answers this
    HRESULT activateResult = S_OK;
    EDataFlow flow = eRender;
};

struct FakeSystem {
    std::vector<Endpoint> endpoints;
    int preferred = 0;          // index of the default render endpoint; -1 for none
    int preferredCapture = -1;  // and of the default capture endpoint
    // As Wine does: an endpoint volume object keeps a mute of its own, and a
    // fresh one reads unmuted.
    bool mutePerObject = false;
    int liveObjects = 0;
    int enumerations = 0;
    std::vector<IMMNotificationClient*> clients;           // each holds a reference
    std::vector<std::pair<std::wstring, ERole>> defaults;  // what the policy class was asked to set
    DWORD thread = GetCurrentThreadId();
    std::atomic<int> callsOffThread{0};  // COM calls on any thread but the test's

    void Touch() {
        if (GetCurrentThreadId() != thread) ++callsOffThread;
    }
    // Changes as the system makes them: the clients hear of them on a thread
    // of the system's, which ends before these return.
    template <typename Tell>
    void TellClients(Tell tell) {
        std::thread([&] {
            for (IMMNotificationClient* client : clients) tell(client);
        }).join();
    }
    void Add(Endpoint endpoint) {
        endpoints.push_back(std::move(endpoint));
        TellClients([&](IMMNotificationClient* client) { client->OnDeviceAdded(endpoints.back().id.c_str()); });
    }
    void SetState(std::size_t index, DWORD state) {
        endpoints.at(index).state = state;
        TellClients(
            [&](IMMNotificationClient* client) { client->OnDeviceStateChanged(endpoints[index].id.c_str(), state); });
    }
    void SetDefault(int index) {
        preferred = index;
        TellClients([&](IMMNotificationClient* client) {
            for (ERole role : {eConsole, eMultimedia, eCommunications})
                client->OnDefaultDeviceChanged(eRender, role, endpoints.at(index).id.c_str());
        });
    }
    int Find(const std::wstring& id) const {
        for (std::size_t i = 0; i < endpoints.size(); ++i)
            if (endpoints[i].id == id) return static_cast<int>(i);
        return -1;
    }
};

// A text as COM hands it out: the caller frees it with CoTaskMemFree.
inline wchar_t* CoTaskCopy(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
    memcpy(copy, text.c_str(), bytes);
    return copy;
}

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
        system_.Touch();
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
        system_.Touch();
        if (FAILED(result())) return result();
        endpoint().muted = ownMute_ = muted;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetMute(BOOL* muted) override {
        system_.Touch();
        if (FAILED(result())) return result();
        *muted = system_.mutePerObject ? ownMute_ : endpoint().muted;
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
    // An endpoint that went away fails every call of the objects it gave out.
    HRESULT result() {
        return endpoint().state == DEVICE_STATE_ACTIVE ? endpoint().volumeResult : AUDCLNT_E_DEVICE_INVALIDATED;
    }
    size_t index_;
    BOOL ownMute_ = FALSE;
};

class FakeProperties : public Fake<IPropertyStore> {
public:
    FakeProperties(FakeSystem& system, std::wstring name) : Fake(system), name_(std::move(name)) {}

    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
        PropVariantInit(value);
        const GUID friendlyName = {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}};
        if (key.fmtid != friendlyName || key.pid != 14 || name_.empty()) return S_OK;  // VT_EMPTY
        value->vt = VT_LPWSTR;
        value->pwszVal = CoTaskCopy(name_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCount(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Commit() override { return E_NOTIMPL; }

private:
    std::wstring name_;
};

class FakeEndpointDevice : public Fake<IMMDevice> {
public:
    FakeEndpointDevice(FakeSystem& system, size_t index) : Fake(system), index_(index) {}

    HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override {
        system_.Touch();
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
        system_.Touch();
        *out = CoTaskCopy(endpoint().id);
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
        *out = new FakeEndpointDevice(system_, indices_[i]);
        return S_OK;
    }

private:
    std::vector<size_t> indices_;
};

class FakeEnumerator : public Fake<IMMDeviceEnumerator> {
public:
    using Fake::Fake;

    HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD mask, IMMDeviceCollection** out) override {
        system_.Touch();
        *out = nullptr;
        if (flow == eRender) ++system_.enumerations;
        std::vector<size_t> indices;
        for (size_t i = 0; i < system_.endpoints.size(); ++i)
            if ((system_.endpoints[i].state & mask) && system_.endpoints[i].flow == flow) indices.push_back(i);
        *out = new FakeCollection(system_, indices);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole, IMMDevice** out) override {
        system_.Touch();
        *out = nullptr;
        const int index = flow == eRender ? system_.preferred : system_.preferredCapture;
        if (index < 0) return E_NOTFOUND;
        *out = new FakeEndpointDevice(system_, static_cast<size_t>(index));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR id, IMMDevice** out) override {
        system_.Touch();
        *out = nullptr;
        const int index = system_.Find(id);
        if (index < 0) return E_NOTFOUND;
        *out = new FakeEndpointDevice(system_, static_cast<size_t>(index));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient* client) override {
        system_.Touch();
        client->AddRef();
        system_.clients.push_back(client);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UnregisterEndpointNotificationCallback(IMMNotificationClient* client) override {
        system_.Touch();
        auto& clients = system_.clients;
        const auto found = std::find(clients.begin(), clients.end(), client);
        if (found == clients.end()) return E_INVALIDARG;
        clients.erase(found);
        client->Release();
        return S_OK;
    }
};

// The policy class's object: records the roles set and makes the console
// role's device the default.
class FakePolicyConfig : public Fake<IPolicyConfig> {
public:
    using Fake::Fake;

    HRESULT STDMETHODCALLTYPE SetDefaultEndpoint(PCWSTR id, ERole role) override {
        system_.Touch();
        const int index = system_.Find(id);
        if (index < 0 || system_.endpoints[static_cast<size_t>(index)].state != DEVICE_STATE_ACTIVE)
            return E_INVALIDARG;
        system_.defaults.emplace_back(id, role);
        if (role == eConsole) system_.preferred = index;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetMixFormat(PCWSTR, WAVEFORMATEX**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDeviceFormat(PCWSTR, INT, WAVEFORMATEX**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ResetDeviceFormat(PCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetDeviceFormat(PCWSTR, WAVEFORMATEX*, WAVEFORMATEX*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetProcessingPeriod(PCWSTR, INT, PINT64, PINT64) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetProcessingPeriod(PCWSTR, PINT64) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetShareMode(PCWSTR, DeviceShareMode*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetShareMode(PCWSTR, DeviceShareMode*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PCWSTR, const PROPERTYKEY&, PROPVARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPropertyValue(PCWSTR, const PROPERTYKEY&, PROPVARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetEndpointVisibility(PCWSTR, INT) override { return E_NOTIMPL; }
};

// The policy class as CoCreateInstance finds it, or (Windows XP, Wine 8) does not.
class FakePolicyClass {
public:
    FakePolicyClass(FakeSystem& system, bool registered) : system_(system), registered_(registered) {}
    ComCreator Creator() { return Bind<&FakePolicyClass::Create>(this); }

private:
    HRESULT Create(REFCLSID type, REFIID id, void** out) {
        *out = nullptr;
        if (!registered_ || type != kPolicyConfigClient || id != kPolicyConfigId) return REGDB_E_CLASSNOTREG;
        *out = static_cast<IPolicyConfig*>(new FakePolicyConfig(system_));
        return S_OK;
    }
    FakeSystem& system_;
    bool registered_;
};

}  // namespace quendrel::test
