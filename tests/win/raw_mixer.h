// What Wine's mixer holds for a device, read past the program's own mixer:
// the speakers line's volume control as its raw value.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <optional>

#include "mixer/mixer_scale.h"
#include "mixer/winmm_mixer_win32.h"

namespace quendrel::test {

// Nothing when the device has no speakers line or no volume control on it.
// Each read opens the device once: keep them few (Wine's handle numbers run
// into the next device's after a few hundred opens).
inline std::optional<DWORD> RawVolume(unsigned device) {
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, device, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) return std::nullopt;
    std::optional<DWORD> value;
    if (auto control = FindMixerControl(mixer, MIXERCONTROL_CONTROLTYPE_VOLUME)) {
        DWORD units = 0;
        MIXERCONTROLDETAILS details{};
        details.cbStruct = sizeof details;
        details.dwControlID = *control;
        details.cChannels = 1;
        details.cbDetails = sizeof units;
        details.paDetails = &units;
        if (mixerGetControlDetailsA(reinterpret_cast<HMIXEROBJ>(mixer), &details, MIXER_OBJECTF_HMIXER) ==
            MMSYSERR_NOERROR)
            value = units;
    }
    mixerClose(mixer);
    return value;
}

inline bool HasVolume(unsigned device) { return RawVolume(device).has_value(); }

// Whether the device holds the per cent as written, as the mixer itself reads
// it back: the 32-bit Wine mixer reads many values one unit low.
inline bool HoldsPercent(unsigned device, unsigned percent) {
    const auto raw = RawVolume(device);
    const DWORD written = PercentToUnits(percent);
    return raw && (*raw == written || *raw + 1 == written);
}

}  // namespace quendrel::test
