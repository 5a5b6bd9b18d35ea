#include "devices/winmm_devices_win32.h"

#include <algorithm>

#include "mixer/winmm_mixer_win32.h"

namespace quendrel {
namespace {

constexpr UINT kPreferredGet = 0x2015;  // DRVM_MAPPER_PREFERRED_GET (mmddk.h)

UINT PreferredWave(bool capture) {
    DWORD device = WAVE_MAPPER;
    DWORD flags = 0;
    const auto mapper = static_cast<UINT_PTR>(WAVE_MAPPER);
    const auto out = reinterpret_cast<DWORD_PTR>(&device);
    const auto status = reinterpret_cast<DWORD_PTR>(&flags);
    const MMRESULT result = capture ? waveInMessage(reinterpret_cast<HWAVEIN>(mapper), kPreferredGet, out, status)
                                    : waveOutMessage(reinterpret_cast<HWAVEOUT>(mapper), kPreferredGet, out, status);
    return result == MMSYSERR_NOERROR ? device : WAVE_MAPPER;
}

const WinmmDeviceApi kSystemWinmmDevices = {
    mixerGetNumDevs,         mixerGetDevCapsW,       mixerGetLineInfoA, mixerGetLineControlsA,
    mixerGetControlDetailsA, mixerSetControlDetails, mixerGetID,        PreferredWave};

HMIXEROBJ ByNumber(UINT number) { return reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(number)); }

}  // namespace

const WinmmDeviceApi& SystemWinmmDevices() { return kSystemWinmmDevices; }

std::optional<unsigned> WinmmDevices::PreferredMixer(bool capture) {
    const UINT wave = api_.preferredWave(capture);
    UINT mixer = 0;
    if (wave == WAVE_MAPPER ||
        api_.getId(ByNumber(wave), &mixer, capture ? MIXER_OBJECTF_WAVEIN : MIXER_OBJECTF_WAVEOUT) != MMSYSERR_NOERROR)
        return std::nullopt;
    return mixer;
}

std::vector<WinmmDevices::Output> WinmmDevices::ReadOutputs() {
    std::vector<unsigned> numbers;
    std::vector<std::wstring> names;
    const UINT count = api_.getNumDevs();
    for (UINT number = 0; number < count; ++number) {
        MIXERLINEA speakers{};
        speakers.cbStruct = sizeof speakers;
        speakers.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        if (api_.getLineInfo(ByNumber(number), &speakers, MIXER_OBJECTF_MIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
            MMSYSERR_NOERROR)
            continue;  // a recording mixer
        MIXERCAPSW caps{};
        api_.getDevCaps(number, &caps, sizeof caps);  // a failure leaves it zero
        // The name field need not end in a zero.
        std::size_t length = 0;
        while (length < MAXPNAMELEN && caps.szPname[length] != L'\0') ++length;
        numbers.push_back(number);
        names.emplace_back(caps.szPname, length);
    }
    const auto ids = NumberedNames(names);
    const auto preferred = PreferredMixer(false);
    std::vector<Output> outputs;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        outputs.push_back({numbers[i], {ids[i], names[i], preferred == numbers[i]}});
    // Without a preferred device the mixer's first device is the one read.
    const bool marked = std::any_of(outputs.begin(), outputs.end(), [](const Output& o) { return o.device.isDefault; });
    if (!marked && !outputs.empty()) outputs.front().device.isDefault = true;
    return outputs;
}

std::vector<OutputDevice> WinmmDevices::Outputs() {
    std::vector<OutputDevice> devices;
    for (Output& output : ReadOutputs()) devices.push_back(std::move(output.device));
    return devices;
}

bool WinmmDevices::SetOutputVolume(const std::wstring& id, std::optional<unsigned> percent, std::optional<bool> muted) {
    for (const Output& output : ReadOutputs()) {
        if (output.device.id != id) continue;
        if (percent) mixer_.SetMasterVolume(output.mixer, *percent);
        if (muted) mixer_.SetMasterMute(output.mixer, *muted);
        return true;
    }
    return false;
}

// The microphone line among the sources of the recording line: the one of
// the same kind on the speakers line only plays the microphone back.
std::optional<DWORD> WinmmDevices::MicrophoneMuteControl(unsigned mixer) {
    MIXERLINEA recording{};
    recording.cbStruct = sizeof recording;
    recording.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
    if (api_.getLineInfo(ByNumber(mixer), &recording, MIXER_OBJECTF_MIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
        MMSYSERR_NOERROR)
        return std::nullopt;
    for (DWORD source = 0; source < recording.cConnections; ++source) {
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwDestination = recording.dwDestination;
        line.dwSource = source;
        if (api_.getLineInfo(ByNumber(mixer), &line, MIXER_OBJECTF_MIXER | MIXER_GETLINEINFOF_SOURCE) !=
                MMSYSERR_NOERROR ||
            line.dwComponentType != MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE)
            continue;
        if (const auto control = FindLineControl(api_.getLineControls, ByNumber(mixer), MIXER_OBJECTF_MIXER,
                                                 line.dwLineID, MIXERCONTROL_CONTROLTYPE_MUTE))
            return control;
    }
    return std::nullopt;
}

std::vector<WinmmDevices::MicrophoneMute> WinmmDevices::MicrophoneMutes() {
    std::vector<MicrophoneMute> mutes;
    const UINT count = api_.getNumDevs();
    for (UINT mixer = 0; mixer < count; ++mixer)
        if (const auto control = MicrophoneMuteControl(mixer)) mutes.push_back({mixer, *control});
    return mutes;
}

MMRESULT WinmmDevices::MuteDetails(const MicrophoneMute& mute, DWORD* value, bool write) {
    // One value for all channels of the line.
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = mute.control;
    details.cChannels = 1;
    details.cbDetails = sizeof *value;
    details.paDetails = value;
    return write ? api_.setControlDetails(ByNumber(mute.mixer), &details,
                                          MIXER_OBJECTF_MIXER | MIXER_SETCONTROLDETAILSF_VALUE)
                 : api_.getControlDetails(ByNumber(mute.mixer), &details,
                                          MIXER_OBJECTF_MIXER | MIXER_GETCONTROLDETAILSF_VALUE);
}

bool WinmmDevices::HasMicrophoneMute() { return !MicrophoneMutes().empty(); }

std::optional<bool> WinmmDevices::ToggleMicrophoneMute() {
    const auto mutes = MicrophoneMutes();
    if (mutes.empty()) return std::nullopt;
    const auto preferred = PreferredMixer(true);
    auto decides =
        std::find_if(mutes.begin(), mutes.end(), [&](const MicrophoneMute& mute) { return preferred == mute.mixer; });
    if (decides == mutes.end()) decides = mutes.begin();
    // Wine's mixer answers a source line's control without giving a value.
    constexpr DWORD kNoValue = 0x5A5A5A5A;
    DWORD value = kNoValue;
    const bool read = MuteDetails(*decides, &value, false) == MMSYSERR_NOERROR && value != kNoValue;
    const bool now = read ? value != 0 : microphoneMuted_;
    return SetMutes(mutes, !now);
}

std::optional<bool> WinmmDevices::SetMicrophoneMute(bool muted) { return SetMutes(MicrophoneMutes(), muted); }

// A mixer that went away meanwhile refuses quietly; the others go on.
std::optional<bool> WinmmDevices::SetMutes(const std::vector<MicrophoneMute>& mutes, bool muted) {
    bool taken = false;
    for (const MicrophoneMute& mute : mutes) {
        DWORD value = muted ? 1 : 0;
        taken = MuteDetails(mute, &value, true) == MMSYSERR_NOERROR || taken;
    }
    if (!taken) return std::nullopt;
    microphoneMuted_ = muted;
    return muted;
}

void WinmmDevices::Watch(DeviceEvents events) {
    events_ = events;
    watching_ = true;
    tracker_.Start(Outputs());
}

void WinmmDevices::DevicesChanged() {
    if (!watching_) return;
    const DeviceEvents events = events_;  // a watcher may stop the watch
    const auto outputs = Outputs();
    const auto changes = tracker_.Update(outputs);
    // Devices of one name cannot be told apart: when one of them arrives,
    // each of them is told.
    for (const OutputDevice& output : outputs) {
        const bool named = std::any_of(changes.arrived.begin(), changes.arrived.end(), [&](const std::wstring& id) {
            return std::any_of(outputs.begin(), outputs.end(),
                               [&](const OutputDevice& o) { return o.id == id && o.name == output.name; });
        });
        if (named) events.outputArrived(output.id);
    }
    if (changes.defaultChanged) events.defaultOutputChanged();
}

}  // namespace quendrel
