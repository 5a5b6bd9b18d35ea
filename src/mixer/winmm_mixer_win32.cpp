#include "mixer/winmm_mixer_win32.h"

#include "mixer/mixer_scale.h"

namespace quendrel {

#if defined(_WIN32) && !defined(_WIN64)
// The 32-bit release build hands these records to winmm as they are.
static_assert(sizeof(MIXERLINEA) == 168, "MIXERLINEA");
static_assert(sizeof(MIXERCONTROLA) == 148, "MIXERCONTROLA");
static_assert(sizeof(MIXERCONTROLDETAILS) == 24, "MIXERCONTROLDETAILS");
static_assert(sizeof(MIXERCAPSA) == 48, "MIXERCAPSA");
#endif

namespace {

constexpr DWORD kVolumeControl = MIXERCONTROL_CONTROLTYPE_VOLUME;  // 0x50030001
constexpr DWORD kMuteControl = MIXERCONTROL_CONTROLTYPE_MUTE;      // 0x20010002

class OpenMixer {
public:
    explicit OpenMixer(unsigned device) {
        if (mixerOpen(&handle_, device, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) handle_ = nullptr;
    }
    OpenMixer(const OpenMixer&) = delete;
    OpenMixer& operator=(const OpenMixer&) = delete;
    ~OpenMixer() {
        if (handle_) mixerClose(handle_);
    }
    HMIXER get() const { return handle_; }

private:
    HMIXER handle_ = nullptr;
};

// The record that addresses one control as uniform: one 32-bit value for all
// channels of the line.
MIXERCONTROLDETAILS UniformDetails(DWORD control, DWORD* value) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = control;
    details.cChannels = 1;
    details.cbDetails = sizeof *value;
    details.paDetails = value;
    return details;
}

// One 32-bit value of a uniform control; nothing when any step fails.
std::optional<DWORD> ReadControl(unsigned device, DWORD controlType) {
    OpenMixer mixer(device);
    if (!mixer.get()) return std::nullopt;
    const auto control = FindMixerControl(mixer.get(), controlType);
    if (!control) return std::nullopt;
    DWORD value = 0;
    MIXERCONTROLDETAILS details = UniformDetails(*control, &value);
    if (mixerGetControlDetailsA(reinterpret_cast<HMIXEROBJ>(mixer.get()), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
        return std::nullopt;
    return value;
}

// A device without the line or the control is left untouched.
void WriteControl(unsigned device, DWORD controlType, DWORD value) {
    OpenMixer mixer(device);
    if (!mixer.get()) return;
    const auto control = FindMixerControl(mixer.get(), controlType);
    if (!control) return;
    MIXERCONTROLDETAILS details = UniformDetails(*control, &value);
    mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(mixer.get()), &details,
                           MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE);
}

}  // namespace

std::optional<DWORD> FindMixerControl(HMIXER mixer, DWORD controlType) {
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer), &line,
                          MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
        return std::nullopt;
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = controlType;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(mixer), &controls,
                              MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) != MMSYSERR_NOERROR)
        return std::nullopt;
    return control.dwControlID;
}

unsigned WinmmMixer::DeviceCount() { return mixerGetNumDevs(); }

unsigned WinmmMixer::GetMasterVolume(unsigned device) {
    return UnitsToPercent(ReadControl(device, kVolumeControl).value_or(0));
}

void WinmmMixer::SetMasterVolume(unsigned device, unsigned percent) {
    WriteControl(device, kVolumeControl, PercentToUnits(percent));
}

std::uint32_t WinmmMixer::GetMasterMute(unsigned device) { return ReadControl(device, kMuteControl).value_or(0); }

void WinmmMixer::SetMasterMute(unsigned device, bool muted) { WriteControl(device, kMuteControl, muted ? 1 : 0); }

std::vector<DeviceDescription> WinmmMixer::DescribeDevices() {
    std::vector<DeviceDescription> devices;
    const UINT count = mixerGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        MIXERCAPSW caps{};
        mixerGetDevCapsW(id, &caps, sizeof caps);  // a failure leaves it zero
        // The name field need not end in a zero.
        std::size_t length = 0;
        while (length < MAXPNAMELEN && caps.szPname[length] != L'\0') ++length;
        devices.push_back({std::wstring(caps.szPname, length), caps.vDriverVersion});
    }
    return devices;
}

}  // namespace quendrel
