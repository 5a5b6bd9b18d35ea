// The sound devices over the multimedia mixer API (Windows XP): no way to
// choose the default output, the microphone's mute on the recording mixer,
// and the device list read again when the program's window sees
// WM_DEVICECHANGE.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <optional>
#include <vector>

#include "devices/output_list.h"
#include "devices/sound_devices.h"
#include "mixer/mixer.h"

namespace quendrel {

// The winmm calls the devices make; tests put fakes in their place. Every
// call names its mixer by number (MIXER_OBJECTF_MIXER) and opens nothing:
// under Wine each open moves a handle counter that after a few hundred opens
// runs into the next device's number.
struct WinmmDeviceApi {
    decltype(&::mixerGetNumDevs) getNumDevs;
    decltype(&::mixerGetDevCapsW) getDevCaps;
    decltype(&::mixerGetLineInfoA) getLineInfo;
    decltype(&::mixerGetLineControlsA) getLineControls;
    decltype(&::mixerGetControlDetailsA) getControlDetails;
    decltype(&::mixerSetControlDetails) setControlDetails;
    decltype(&::mixerGetID) getId;
    // The preferred wave-out (or wave-in) device's number; WAVE_MAPPER when unknown.
    UINT (*preferredWave)(bool capture);
};
const WinmmDeviceApi& SystemWinmmDevices();

class WinmmDevices : public SoundDevices {
public:
    // Output volumes go through the mixer, which keeps its devices open;
    // its device numbers are the mixer numbers.
    explicit WinmmDevices(Mixer& mixer, const WinmmDeviceApi& api = SystemWinmmDevices()) : mixer_(mixer), api_(api) {}

    // The mixers with a speakers line, by product name; the default is the
    // preferred wave-out device's mixer.
    std::vector<OutputDevice> Outputs() override;
    bool CanSwitch() override { return false; }
    SwitchResult MakeDefault(const std::wstring&) override { return SwitchResult::kCannotSwitch; }
    bool SetOutputVolume(const std::wstring& id, std::optional<unsigned> percent, std::optional<bool> muted) override;

    // The mute control of the microphone line on each mixer's recording
    // (wave-in) line; the preferred wave-in device's mixer decides a toggle.
    bool HasMicrophoneMute() override;
    std::optional<bool> ToggleMicrophoneMute() override;
    std::optional<bool> SetMicrophoneMute(bool muted) override;

    // Nothing to register: DevicesChanged brings the news.
    void Watch(DeviceEvents events) override;
    void StopWatching() override {
        watching_ = false;
        events_ = {};
    }
    void DevicesChanged() override;

private:
    struct Output {
        unsigned mixer;
        OutputDevice device;
    };
    struct MicrophoneMute {
        unsigned mixer;
        DWORD control;
    };

    std::vector<Output> ReadOutputs();
    std::vector<MicrophoneMute> MicrophoneMutes();
    std::optional<DWORD> MicrophoneMuteControl(unsigned mixer);
    std::optional<unsigned> PreferredMixer(bool capture);
    MMRESULT MuteDetails(const MicrophoneMute& mute, DWORD* value, bool write);
    std::optional<bool> SetMutes(const std::vector<MicrophoneMute>& mutes, bool muted);

    Mixer& mixer_;
    WinmmDeviceApi api_;
    bool microphoneMuted_ = false;  // what the last call set, when the mixer cannot be read
    bool watching_ = false;
    DeviceEvents events_;
    OutputTracker tracker_;
};

}  // namespace quendrel
