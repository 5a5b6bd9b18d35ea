// The mixer operations over Core Audio endpoint volume (Vista and later),
// where the winmm mixer only reaches the program's own audio session.
#pragma once

#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <string>
#include <vector>

#include "mixer/change_notices_win32.h"
#include "mixer/mixer.h"
#include "mixer/volume_memory.h"
#include "win32/com_win32.h"

namespace quendrel {

// The mixer's 655-units-per-cent scale carried over to the endpoint scalar:
// p is written as p * 655 / 65535, a scalar s reads round(s * 65535) / 655.
float PercentToScalar(unsigned percent);
// round(s * 65535) for a scalar in 0..1; anything else (or NaN) is 0 or full.
std::uint32_t ScalarToUnits(float scalar);

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
    ~CoreAudioMixer() override { EndWatch(); }

    unsigned DeviceCount() override;
    unsigned GetMasterVolume(unsigned device) override;
    void SetMasterVolume(unsigned device, unsigned percent) override;
    std::uint32_t GetMasterMute(unsigned device) override;
    void SetMasterMute(unsigned device, bool muted) override;
    // Friendly names in device order; an endpoint has no driver version (0).
    std::vector<DeviceDescription> DescribeDevices() override;
    // The endpoint's change callback runs on a thread of the system's; it
    // posts to the notices' window, which calls changed on this thread.
    void WatchDevice0(Callback<void()> changed) override;
    void StopWatching() override { EndWatch(); }

private:
    void EndWatch();
    std::vector<ComPtr<IMMDevice>> Devices();
    ComPtr<IAudioEndpointVolume> EndpointVolume(unsigned device);

    ComPtr<IMMDeviceEnumerator> enumerator_;
    VolumeMemory written_;
    ChangeNotices notices_;
    ComPtr<IAudioEndpointVolume> watched_;
    ComPtr<IAudioEndpointVolumeCallback> callback_;
};

}  // namespace quendrel
