// What the actions do with the sound devices beyond the volume: the output
// device that a preset or the command line chooses, and the microphone's
// mute. A failure to choose an output never keeps a preset from setting its
// volume; it is told once per start, never in a message box.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "actions/action.h"
#include "base/callback.h"
#include "devices/sound_devices.h"
#include "table/settings.h"

namespace quendrel {

class DeviceActions {
public:
    // Told at most once per start for each kind of failure: the system cannot
    // switch, or the device is not there; with the device's stored name.
    using FailureTeller = Callback<void(SwitchResult why, const std::wstring& deviceName)>;

    DeviceActions(SoundDevices& devices, const DeviceSettings& settings, FailureTeller tell)
        : devices_(devices), settings_(settings), tell_(tell) {}

    // kDevice and kMicrophone: whether they can be performed now.
    Verdict Check(const Action& action) const;
    // The preset's output device, if it chooses one, becomes the default.
    void ChoosePresetOutput(std::size_t position);
    // kDevice: the output it names becomes the default.
    void ChooseOutput(const Action& action);
    // kMicrophone: the microphones' new state, true muted; nothing when no
    // microphone took it.
    std::optional<bool> SwitchMicrophone(std::uint32_t change);

private:
    SoundDevices& devices_;
    const DeviceSettings& settings_;
    FailureTeller tell_;
    bool cannotSwitchTold_ = false;
    bool absentTold_ = false;
};

}  // namespace quendrel
