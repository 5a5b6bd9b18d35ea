// The mixer operations over the multimedia mixer API: each call opens its
// device, finds the speakers line and the control, reads or writes, closes.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <optional>
#include <vector>

#include "mixer/mixer.h"

namespace quendrel {

// The control's identifier on the device's speakers line; nothing when the
// line or the control is missing.
std::optional<DWORD> FindMixerControl(HMIXER mixer, DWORD controlType);

class WinmmMixer : public Mixer {
public:
    unsigned DeviceCount() override;
    unsigned GetMasterVolume(unsigned device) override;
    void SetMasterVolume(unsigned device, unsigned percent) override;
    std::uint32_t GetMasterMute(unsigned device) override;
    void SetMasterMute(unsigned device, bool muted) override;
    std::vector<DeviceDescription> DescribeDevices() override;
};

}  // namespace quendrel
