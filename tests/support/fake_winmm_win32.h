// winmm's mixer calls as a fake whose devices come and go: a handle names a
// device object, and stale handles fail as a driver's do.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <utility>
#include <vector>

#include "mixer/winmm_mixer_win32.h"

namespace quendrel::test {

// Devices are objects that handles point to; a device's number is its place
// in the list, so inserting one renumbers the others, as plugging one in may.
// Bumping the generation makes every open handle stale.
struct FakeMixerDevice {
    bool speakers = true;
    DWORD volume = 0;
    DWORD mute = 0;
};
inline std::vector<FakeMixerDevice*> fakeDevices;
inline unsigned fakeGeneration = 1;
inline MMRESULT fakeStaleResult = MMSYSERR_INVALHANDLE;
inline unsigned fakeOpens = 0;
inline unsigned fakeCloses = 0;
inline std::vector<std::pair<unsigned, FakeMixerDevice*>> fakeHandles;  // generation and device, by handle - 1

inline FakeMixerDevice* Resolve(HMIXEROBJ object) {
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
inline MMRESULT WINAPI FakeLineInfo(HMIXEROBJ object, LPMIXERLINEA line, DWORD) {
    FakeMixerDevice* device = Resolve(object);
    if (!device) return fakeStaleResult;
    line->dwLineID = 7;
    return device->speakers ? MMSYSERR_NOERROR : MIXERR_INVALLINE;
}
inline MMRESULT WINAPI FakeLineControls(HMIXEROBJ object, LPMIXERLINECONTROLSA controls, DWORD) {
    if (!Resolve(object)) return fakeStaleResult;
    controls->pamxctrl->dwControlID = controls->dwControlType;
    return MMSYSERR_NOERROR;
}
inline DWORD* FakeControl(FakeMixerDevice& device, const MIXERCONTROLDETAILS& details) {
    return details.dwControlID == MIXERCONTROL_CONTROLTYPE_VOLUME ? &device.volume : &device.mute;
}
inline MMRESULT WINAPI FakeGetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD) {
    FakeMixerDevice* device = Resolve(object);
    if (!device) return fakeStaleResult;
    *static_cast<DWORD*>(details->paDetails) = *FakeControl(*device, *details);
    return MMSYSERR_NOERROR;
}
inline MMRESULT WINAPI FakeSetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD) {
    FakeMixerDevice* device = Resolve(object);
    if (!device) return fakeStaleResult;
    *FakeControl(*device, *details) = *static_cast<DWORD*>(details->paDetails);
    return MMSYSERR_NOERROR;
}

inline constexpr WinmmApi kFakeWinmm = {FakeNumDevs,      FakeOpen,       FakeClose,     FakeLineInfo,
                                        FakeLineControls, FakeGetDetails, FakeSetDetails};

}  // namespace quendrel::test
