// The sound devices beyond the master volume: which output device is the
// default, the microphone's mute, and news of output devices. All calls come
// from the UI thread. Nothing is registered with the system before Watch, so
// a program that uses none of this pays nothing for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/callback.h"

namespace quendrel {

struct OutputDevice {
    std::wstring id;         // the system's own, the same at every start
    std::wstring name;       // as the system shows it
    bool isDefault = false;  // the default output for the console role
};

enum class SwitchResult {
    kDone,
    kNoSuchDevice,  // not among the active output devices now
    kCannotSwitch,  // this system has no way to choose the default output
};

struct DeviceEvents {
    // An output device arrived or became active.
    Callback<void(const std::wstring& id)> outputArrived;
    // The default output device changed, whoever changed it.
    Callback<void()> defaultOutputChanged;
};

class SoundDevices {
public:
    virtual ~SoundDevices() = default;

    // The active output devices in the system's order.
    virtual std::vector<OutputDevice> Outputs() = 0;
    // Whether MakeDefault can ever succeed here: not on Windows XP, nor where
    // the system's policy class is missing (Wine).
    virtual bool CanSwitch() = 0;
    // The device becomes the default output for every role: console,
    // multimedia and communications.
    virtual SwitchResult MakeDefault(const std::wstring& id) = 0;
    // The volume and the mute of one output device, as the mixer writes them
    // to every device; each only when given. False when the device is gone.
    virtual bool SetOutputVolume(const std::wstring& id, std::optional<unsigned> percent,
                                 std::optional<bool> muted) = 0;

    // Whether some microphone has a mute to switch now.
    virtual bool HasMicrophoneMute() = 0;
    // Every active microphone takes the opposite of the default one's mute
    // (or the given state). The state they now have: true muted; nothing when
    // no microphone took it.
    virtual std::optional<bool> ToggleMicrophoneMute() = 0;
    virtual std::optional<bool> SetMicrophoneMute(bool muted) = 0;

    // From now on events are called on this thread until StopWatching.
    virtual void Watch(DeviceEvents events) = 0;
    virtual void StopWatching() = 0;
    // The program's window saw WM_DEVICECHANGE: where the system sends no
    // other news (Windows XP), the device list is read again.
    virtual void DevicesChanged() {}
};

}  // namespace quendrel
