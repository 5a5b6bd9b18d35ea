// winmm's mixer calls as a fake whose devices come and go: a handle names a
// device object, and stale handles fail as a driver's do; a device number
// (MIXER_OBJECTF_MIXER) names whatever device has that number now.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <utility>
#include <vector>

#include "devices/winmm_devices_win32.h"
#include "mixer/winmm_mixer_win32.h"

namespace quendrel::test {

// Devices are objects that handles point to; a device's number is its place
// in the list, so inserting one renumbers the others, as plugging one in may.
// Bumping the generation makes every open handle stale.
// A recording mixer has a wave-in line whose sources are a line-in and,
// with microphone, a microphone with a mute.
struct FakeMixerDevice {
    bool speakers = true;
    DWORD volume = 0;
    DWORD mute = 0;
    const wchar_t* name = L"Fake";
    bool recording = false;
    bool microphone = true;
    DWORD microphoneMute = 0;
};
constexpr DWORD kSpeakersLine = 7, kRecordingLine = 8, kMicrophoneLine = 9, kLineInLine = 10;
inline std::vector<FakeMixerDevice*> fakeDevices;
inline unsigned fakeGeneration = 1;
inline MMRESULT fakeStaleResult = MMSYSERR_INVALHANDLE;
inline unsigned fakeOpens = 0;
inline unsigned fakeCloses = 0;
inline std::vector<std::pair<unsigned, FakeMixerDevice*>> fakeHandles;  // generation and device, by handle - 1

inline int fakePreferredWave[2] = {-1, -1};  // playback, recording: a device number, -1 for none

inline FakeMixerDevice* Resolve(HMIXEROBJ object, DWORD flags = MIXER_OBJECTF_HMIXER) {
    if ((flags & 0xF0000000) == MIXER_OBJECTF_MIXER) {
        const auto number = reinterpret_cast<UINT_PTR>(object);
        return number < fakeDevices.size() ? fakeDevices[number] : nullptr;
    }
    const auto index = reinterpret_cast<UINT_PTR>(object) - 1;
    if (index >= fakeHandles.size()) return nullptr;
    return fakeHandles[index].first == fakeGeneration ? fakeHandles[index].second : nullptr;
}

inline UINT WINAPI FakeNumDevs() { return static_cast<UINT>(fakeDevices.size()); }
inline MMRESULT WINAPI FakeOpen(LPHMIXER handle, UINT device, DWORD_PTR, DWORD_PTR, DWORD) {
    if (device >= fakeDevices.size()) return MMSYSERR_BADDEVICEID;
    ++fakeOpens;
    fakeHandles.emplace_back(fakeGeneration, fakeDevices[device]);
    *handle = reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(fakeHandles.size()));
    return MMSYSERR_NOERROR;
}
inline MMRESULT WINAPI FakeClose(HMIXER) {
    ++fakeCloses;
    return MMSYSERR_NOERROR;
}
inline MMRESULT WINAPI FakeLineInfo(HMIXEROBJ object, LPMIXERLINEA line, DWORD flags) {
    FakeMixerDevice* device = Resolve(object, flags);
    if (!device) return fakeStaleResult;
    if ((flags & MIXER_GETLINEINFOF_QUERYMASK) == MIXER_GETLINEINFOF_SOURCE) {
        if (!device->recording || line->dwDestination != 1 || line->dwSource > (device->microphone ? 1u : 0u))
            return MIXERR_INVALLINE;
        line->dwLineID = line->dwSource == 0 ? kLineInLine : kMicrophoneLine;
        line->dwComponentType =
            line->dwSource == 0 ? MIXERLINE_COMPONENTTYPE_SRC_LINE : MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE;
        return MMSYSERR_NOERROR;
    }
    if (line->dwComponentType == MIXERLINE_COMPONENTTYPE_DST_WAVEIN) {
        line->dwLineID = kRecordingLine;
        line->dwDestination = 1;
        line->cConnections = device->microphone ? 2 : 1;
        return device->recording ? MMSYSERR_NOERROR : MIXERR_INVALLINE;
    }
    line->dwLineID = kSpeakersLine;
    return device->speakers ? MMSYSERR_NOERROR : MIXERR_INVALLINE;
}
inline MMRESULT WINAPI FakeLineControls(HMIXEROBJ object, LPMIXERLINECONTROLSA controls, DWORD flags) {
    if (!Resolve(object, flags)) return fakeStaleResult;
    if (controls->dwLineID == kLineInLine) return MIXERR_INVALCONTROL;
    controls->pamxctrl->dwControlID = controls->dwLineID == kMicrophoneLine ? kMicrophoneLine : controls->dwControlType;
    return MMSYSERR_NOERROR;
}
inline DWORD* FakeControl(FakeMixerDevice& device, const MIXERCONTROLDETAILS& details) {
    if (details.dwControlID == kMicrophoneLine) return &device.microphoneMute;
    return details.dwControlID == MIXERCONTROL_CONTROLTYPE_VOLUME ? &device.volume : &device.mute;
}
inline MMRESULT WINAPI FakeGetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags) {
    FakeMixerDevice* device = Resolve(object, flags);
    if (!device) return fakeStaleResult;
    *static_cast<DWORD*>(details->paDetails) = *FakeControl(*device, *details);
    return MMSYSERR_NOERROR;
}
inline MMRESULT WINAPI FakeSetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags) {
    FakeMixerDevice* device = Resolve(object, flags);
    if (!device) return fakeStaleResult;
    *FakeControl(*device, *details) = *static_cast<DWORD*>(details->paDetails);
    return MMSYSERR_NOERROR;
}

inline MMRESULT WINAPI FakeDevCaps(UINT_PTR number, LPMIXERCAPSW caps, UINT) {
    if (number >= fakeDevices.size()) return MMSYSERR_BADDEVICEID;
    lstrcpynW(caps->szPname, fakeDevices[number]->name, MAXPNAMELEN);
    return MMSYSERR_NOERROR;
}
// Wave devices are numbered among the mixers that play (or record) alone.
inline MMRESULT WINAPI FakeMixerId(HMIXEROBJ wave, UINT* mixer, DWORD flags) {
    const bool recording = (flags & 0xF0000000) == MIXER_OBJECTF_WAVEIN;
    UINT_PTR left = reinterpret_cast<UINT_PTR>(wave);
    for (UINT number = 0; number < fakeDevices.size(); ++number) {
        if ((recording ? fakeDevices[number]->recording : fakeDevices[number]->speakers) && left-- == 0) {
            *mixer = number;
            return MMSYSERR_NOERROR;
        }
    }
    return MMSYSERR_BADDEVICEID;
}
inline UINT FakePreferredWave(bool recording) {
    return fakePreferredWave[recording] < 0 ? WAVE_MAPPER : static_cast<UINT>(fakePreferredWave[recording]);
}

inline constexpr WinmmApi kFakeWinmm = {FakeNumDevs,      FakeOpen,       FakeClose,     FakeLineInfo,
                                        FakeLineControls, FakeGetDetails, FakeSetDetails};
inline constexpr WinmmDeviceApi kFakeWinmmDevices = {FakeNumDevs,    FakeDevCaps,    FakeLineInfo, FakeLineControls,
                                                     FakeGetDetails, FakeSetDetails, FakeMixerId,  FakePreferredWave};

}  // namespace quendrel::test
