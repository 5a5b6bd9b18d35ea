#include "mixer/core_audio_mixer_win32.h"

#include <cmath>

#include "mixer/endpoints_win32.h"
#include "mixer/mixer_scale.h"

namespace quendrel {
namespace {

constexpr float kFullScale = 65535.0f;

// Called by the endpoint on a thread of the system's: it only posts.
class PostingCallback final : public ComObject<IAudioEndpointVolumeCallback> {
public:
    explicit PostingCallback(HWND target) : target_(target) {}

    HRESULT STDMETHODCALLTYPE OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA) override {
        PostMessageW(target_, ChangeNotices::kChanged, 0, 0);
        return S_OK;
    }

private:
    HWND target_;
};

}  // namespace

float PercentToScalar(unsigned percent) { return static_cast<float>(PercentToUnits(percent)) / kFullScale; }

std::uint32_t ScalarToUnits(float scalar) {
    // Endpoints keep 0..1; anything else (or NaN) is not a volume we can use.
    if (!(scalar > 0.0f)) return 0;
    if (scalar > 1.0f) scalar = 1.0f;
    return static_cast<std::uint32_t>(std::lround(static_cast<double>(scalar) * 65535.0));
}

bool UseCoreAudio(DWORD majorVersion, bool enumeratorAvailable) { return majorVersion >= 6 && enumeratorAvailable; }

ComPtr<IMMDeviceEnumerator> CreateDeviceEnumerator() {
    ComPtr<IMMDeviceEnumerator> enumerator;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IMMDeviceEnumerator), enumerator.put_void())))
        enumerator.reset();
    return enumerator;
}

CoreAudioMixer::CoreAudioMixer(ComPtr<IMMDeviceEnumerator> enumerator) : enumerator_(std::move(enumerator)) {}

std::vector<ComPtr<IMMDevice>> CoreAudioMixer::Devices() {
    std::vector<ComPtr<IMMDevice>> devices;
    if (!enumerator_) return devices;
    ComPtr<IMMDevice> preferred;
    std::wstring preferredId;
    if (SUCCEEDED(enumerator_->GetDefaultAudioEndpoint(eRender, eConsole, preferred.put())) && preferred) {
        preferredId = EndpointId(preferred.get());
        devices.push_back(preferred);
    }
    for (auto& device : ActiveEndpoints(enumerator_.get(), eRender)) {
        if (!preferredId.empty() && EndpointId(device.get()) == preferredId) continue;
        devices.push_back(std::move(device));
    }
    return devices;
}

ComPtr<IAudioEndpointVolume> CoreAudioMixer::EndpointVolume(unsigned device) {
    ComPtr<IAudioEndpointVolume> volume;
    auto devices = Devices();
    if (device >= devices.size()) return volume;
    if (FAILED(devices[device]->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, volume.put_void())))
        volume.reset();
    return volume;
}

unsigned CoreAudioMixer::DeviceCount() { return static_cast<unsigned>(Devices().size()); }

unsigned CoreAudioMixer::GetMasterVolume(unsigned device) {
    auto volume = EndpointVolume(device);
    float scalar = 0.0f;
    if (!volume || FAILED(volume->GetMasterVolumeLevelScalar(&scalar))) return 0;
    return written_.Percent(device, ScalarToUnits(scalar));
}

void CoreAudioMixer::SetMasterVolume(unsigned device, unsigned percent) {
    auto volume = EndpointVolume(device);
    if (volume && SUCCEEDED(volume->SetMasterVolumeLevelScalar(PercentToScalar(percent), nullptr)))
        written_.Wrote(device, percent);
}

std::uint32_t CoreAudioMixer::GetMasterMute(unsigned device) {
    auto volume = EndpointVolume(device);
    BOOL muted = FALSE;
    if (!volume || FAILED(volume->GetMute(&muted))) return 0;
    return muted ? 1 : 0;
}

void CoreAudioMixer::SetMasterMute(unsigned device, bool muted) {
    if (auto volume = EndpointVolume(device)) volume->SetMute(muted ? TRUE : FALSE, nullptr);
}

std::vector<DeviceDescription> CoreAudioMixer::DescribeDevices() {
    std::vector<DeviceDescription> devices;
    for (const auto& device : Devices()) devices.push_back({FriendlyName(device.get()), 0});
    return devices;
}

void CoreAudioMixer::WatchDevice0(Callback<void()> changed) {
    EndWatch();
    notices_.SetWatcher(changed);
    auto volume = EndpointVolume(0);
    if (!volume) return;
    ComPtr<IAudioEndpointVolumeCallback> callback(new PostingCallback(notices_.Window()));
    if (FAILED(volume->RegisterControlChangeNotify(callback.get()))) return;
    watched_ = std::move(volume);
    callback_ = std::move(callback);
}

void CoreAudioMixer::EndWatch() {
    if (watched_ && callback_) watched_->UnregisterControlChangeNotify(callback_.get());
    watched_.reset();
    callback_.reset();
    notices_.SetWatcher({});
}

}  // namespace quendrel
