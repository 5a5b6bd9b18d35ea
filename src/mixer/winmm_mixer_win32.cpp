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

const WinmmApi kSystemWinmm = {
    mixerGetNumDevs,       mixerOpen, mixerClose, mixerGetLineInfoA, mixerGetLineControlsA, mixerGetControlDetailsA,
    mixerSetControlDetails};

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

// What winmm answers for a handle whose device has gone.
bool IsStale(MMRESULT result) { return result == MMSYSERR_INVALHANDLE || result == MMSYSERR_NODRIVER; }

}  // namespace

const WinmmApi& SystemWinmm() { return kSystemWinmm; }

std::optional<DWORD> FindLineControl(decltype(&::mixerGetLineControlsA) getLineControls, HMIXEROBJ object,
                                     DWORD objectFlag, DWORD lineId, DWORD controlType) {
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = lineId;
    controls.dwControlType = controlType;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (getLineControls(object, &controls, objectFlag | MIXER_GETLINECONTROLSF_ONEBYTYPE) != MMSYSERR_NOERROR)
        return std::nullopt;
    return control.dwControlID;
}

std::optional<DWORD> FindMixerControl(HMIXER mixer, DWORD controlType, const WinmmApi& api) {
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (api.getLineInfo(reinterpret_cast<HMIXEROBJ>(mixer), &line,
                        MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
        return std::nullopt;
    return FindLineControl(api.getLineControls, reinterpret_cast<HMIXEROBJ>(mixer), MIXER_OBJECTF_HMIXER, line.dwLineID,
                           controlType);
}

WinmmMixer::Device* WinmmMixer::Open(unsigned number) {
    const UINT count = api_.getNumDevs();
    if (count != devices_.size()) {
        CloseAll();
        devices_.resize(count);
    }
    if (number >= devices_.size()) return nullptr;
    Device& device = devices_[number];
    if (!device.handle) {
        HMIXER handle = nullptr;
        if (api_.open(&handle, number, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) return nullptr;
        device.handle = handle;
        device.volume = FindMixerControl(handle, kVolumeControl, api_);
        device.mute = FindMixerControl(handle, kMuteControl, api_);
    }
    return &device;
}

void WinmmMixer::Close(Device& device) {
    if (device.handle) api_.close(device.handle);
    device = Device{};
}

void WinmmMixer::CloseAll() {
    for (Device& device : devices_) Close(device);
    devices_.clear();
    written_.Forget();
}

MMRESULT WinmmMixer::Call(unsigned number, Kind kind, DWORD* value, bool write) {
    MMRESULT result = MMSYSERR_ERROR;
    for (int attempt = 0; attempt < 2; ++attempt) {
        Device* device = Open(number);
        if (!device) return MMSYSERR_BADDEVICEID;
        const std::optional<DWORD>& control = kind == Kind::Volume ? device->volume : device->mute;
        if (!control) return MIXERR_INVALCONTROL;
        MIXERCONTROLDETAILS details = UniformDetails(*control, value);
        const auto object = reinterpret_cast<HMIXEROBJ>(device->handle);
        result = write
                     ? api_.setControlDetails(object, &details, MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE)
                     : api_.getControlDetails(object, &details, MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE);
        if (!IsStale(result)) break;
        Close(*device);
    }
    return result;
}

unsigned WinmmMixer::DeviceCount() { return api_.getNumDevs(); }

unsigned WinmmMixer::GetMasterVolume(unsigned device) {
    DWORD units = 0;
    return Call(device, Kind::Volume, &units, false) == MMSYSERR_NOERROR ? written_.Percent(device, units) : 0;
}

// A device without the line or the control is left untouched.
void WinmmMixer::SetMasterVolume(unsigned device, unsigned percent) {
    DWORD units = PercentToUnits(percent);
    if (Call(device, Kind::Volume, &units, true) == MMSYSERR_NOERROR) written_.Wrote(device, percent);
}

std::uint32_t WinmmMixer::GetMasterMute(unsigned device) {
    DWORD muted = 0;
    return Call(device, Kind::Mute, &muted, false) == MMSYSERR_NOERROR ? muted : 0;
}

void WinmmMixer::SetMasterMute(unsigned device, bool muted) {
    DWORD value = muted ? 1 : 0;
    Call(device, Kind::Mute, &value, true);
}

std::vector<DeviceDescription> WinmmMixer::DescribeDevices() {
    std::vector<DeviceDescription> devices;
    const UINT count = api_.getNumDevs();
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

void WinmmMixer::WatchDevice0(Callback<void()> changed) {
    EndWatch();
    notices_.SetWatcher(changed);
    HMIXER handle = nullptr;
    if (api_.open(&handle, 0, reinterpret_cast<DWORD_PTR>(notices_.Window()), 0,
                  CALLBACK_WINDOW | MIXER_OBJECTF_MIXER) == MMSYSERR_NOERROR)
        watch_ = handle;
}

void WinmmMixer::EndWatch() {
    if (watch_) api_.close(watch_);
    watch_ = nullptr;
    notices_.SetWatcher({});
}

}  // namespace quendrel
