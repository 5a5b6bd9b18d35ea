// The five mixer operations, addressed by device index, and what the devices
// are. Decisions read device 0; writes go to every device from 0 up
// (VolumeApplier does that).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/callback.h"

namespace quendrel {

// A sound device as the about window lists it.
struct DeviceDescription {
    std::wstring name;                // empty when it cannot be read
    std::uint32_t driverVersion = 0;  // major in bits 8..15, minor in 0..7; 0 when unknown
};

class Mixer {
public:
    virtual ~Mixer() = default;

    virtual unsigned DeviceCount() = 0;
    // Per cent on the fixed 655-unit scale; a read that fails yields 0.
    virtual unsigned GetMasterVolume(unsigned device) = 0;
    // percent is 0..100: callers clamp before they get here.
    virtual void SetMasterVolume(unsigned device, unsigned percent) = 0;
    // The mute control's value as read: 0 not muted, non-zero muted; 0 when the read fails.
    virtual std::uint32_t GetMasterMute(unsigned device) = 0;
    virtual void SetMasterMute(unsigned device, bool muted) = 0;
    // Every device in device order, device 0 first.
    virtual std::vector<DeviceDescription> DescribeDevices() = 0;

    // From now on, changed runs on this thread whenever device 0's volume or
    // mute may have changed, whoever changed it, until StopWatching; nothing
    // is registered with the system otherwise. A backend that cannot tell
    // never calls it.
    virtual void WatchDevice0(Callback<void()> changed) { (void)changed; }
    virtual void StopWatching() {}
};

}  // namespace quendrel
