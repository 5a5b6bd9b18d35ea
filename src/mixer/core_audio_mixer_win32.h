// The mixer operations over Core Audio endpoint volume (Vista and later),
// where the winmm mixer only reaches the program's own audio session.
#pragma once

#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <objbase.h>

#include <string>
#include <utility>
#include <vector>

#include "mixer/mixer.h"

namespace quendrel {

// Owns one reference to a COM object.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(T* adopted) : p_(adopted) {}
    ComPtr(const ComPtr& other) : p_(other.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // For out parameters: drops what was held first.
    T** put() {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

private:
    T* p_ = nullptr;
};

// COM for this thread, apartment-threaded, for the owner's lifetime. Every
// COM pointer must be gone before it ends.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialized_) CoUninitialize();
    }

private:
    bool initialized_;
};

// The mixer's 655-units-per-cent scale carried over to the endpoint scalar:
// p is written as p * 655 / 65535, a scalar s reads round(s * 65535) / 655.
float PercentToScalar(unsigned percent);
unsigned ScalarToPercent(float scalar);

// Core Audio needs Vista (6.0) or later as GetVersionExW reports it; XP
// compatibility mode reports 5.x and keeps the mixer API.
bool UseCoreAudio(DWORD majorVersion, bool enumeratorAvailable);

// The system's device enumerator; empty when COM or Core Audio is missing.
ComPtr<IMMDeviceEnumerator> CreateDeviceEnumerator();

// Device 0 is the default render endpoint (console role), then the other
// active render endpoints in the system's order. The list is taken afresh in
// every call, so devices plugged in or out are seen at the next one.
class CoreAudioMixer : public Mixer {
public:
    explicit CoreAudioMixer(ComPtr<IMMDeviceEnumerator> enumerator);

    unsigned DeviceCount() override;
    unsigned GetMasterVolume(unsigned device) override;
    void SetMasterVolume(unsigned device, unsigned percent) override;
    std::uint32_t GetMasterMute(unsigned device) override;
    void SetMasterMute(unsigned device, bool muted) override;

    // Friendly names in device order; empty where the name cannot be read.
    std::vector<std::wstring> DeviceNames();

private:
    std::vector<ComPtr<IMMDevice>> Devices();
    ComPtr<IAudioEndpointVolume> EndpointVolume(unsigned device);

    ComPtr<IMMDeviceEnumerator> enumerator_;
};

}  // namespace quendrel
