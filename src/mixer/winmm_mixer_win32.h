// The mixer operations over the multimedia mixer API. Each device is opened
// once and kept open, with its speakers line's controls found at the open:
// under Wine a mixer handle is the device number plus an open counter, and
// after a few hundred opens of one device the counter runs into the next
// device's number, so opening at every call soon acts on the wrong device.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <optional>
#include <vector>

#include "mixer/change_notices_win32.h"
#include "mixer/mixer.h"
#include "mixer/volume_memory.h"

namespace quendrel {

// The winmm functions the mixer calls; tests put fakes in their place.
struct WinmmApi {
    decltype(&::mixerGetNumDevs) getNumDevs;
    decltype(&::mixerOpen) open;
    decltype(&::mixerClose) close;
    decltype(&::mixerGetLineInfoA) getLineInfo;
    decltype(&::mixerGetLineControlsA) getLineControls;
    decltype(&::mixerGetControlDetailsA) getControlDetails;
    decltype(&::mixerSetControlDetails) setControlDetails;
};
const WinmmApi& SystemWinmm();

// The identifier of a line's control of the type, on the mixer object that
// the flag (MIXER_OBJECTF_*) says the object is; nothing when it has none.
std::optional<DWORD> FindLineControl(decltype(&::mixerGetLineControlsA) getLineControls, HMIXEROBJ object,
                                     DWORD objectFlag, DWORD lineId, DWORD controlType);

// The control's identifier on the device's speakers line; nothing when the
// line or the control is missing.
std::optional<DWORD> FindMixerControl(HMIXER mixer, DWORD controlType, const WinmmApi& api = SystemWinmm());

class WinmmMixer : public Mixer {
public:
    explicit WinmmMixer(const WinmmApi& api = SystemWinmm()) : api_(api) {}
    WinmmMixer(const WinmmMixer&) = delete;
    WinmmMixer& operator=(const WinmmMixer&) = delete;
    ~WinmmMixer() override {
        EndWatch();
        CloseAll();
    }

    unsigned DeviceCount() override;
    unsigned GetMasterVolume(unsigned device) override;
    void SetMasterVolume(unsigned device, unsigned percent) override;
    std::uint32_t GetMasterMute(unsigned device) override;
    void SetMasterMute(unsigned device, bool muted) override;
    // Product names and driver versions from each mixer's capabilities.
    std::vector<DeviceDescription> DescribeDevices() override;
    // A handle of device 0 of its own, opened with CALLBACK_WINDOW: the
    // system posts each control change to the notices' window.
    void WatchDevice0(Callback<void()> changed) override;
    void StopWatching() override { EndWatch(); }

private:
    void EndWatch();
    struct Device {
        HMIXER handle = nullptr;  // null: not open yet, or the open failed
        std::optional<DWORD> volume;
        std::optional<DWORD> mute;
    };
    enum class Kind { Volume, Mute };

    // The device's open handle and controls; opens it on first use. Null for
    // a device number the system does not list.
    Device* Open(unsigned device);
    void Close(Device& device);
    void CloseAll();
    // The call on the device's control; a handle that went stale (the device
    // was unplugged) is opened again and the call made once more.
    MMRESULT Call(unsigned device, Kind kind, DWORD* value, bool write);

    WinmmApi api_;
    // One entry per device number; the list starts afresh whenever the
    // system's device count changes, since the numbers may then mean other
    // devices.
    std::vector<Device> devices_;
    VolumeMemory written_;
    ChangeNotices notices_;
    HMIXER watch_ = nullptr;
};

}  // namespace quendrel
