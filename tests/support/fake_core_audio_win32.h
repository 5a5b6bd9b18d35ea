// Core Audio as fake COM objects: an enumerator over endpoints that a test
// holds as plain values, counting the objects still alive.
#pragma once

#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <propidl.h>

#include <cstring>
#include <string>
#include <vector>

namespace quendrel::test {

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
        *out = new FakeEndpointDevice(system_, static_cast<size_t>(system_.preferred));
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

}  // namespace quendrel::test
