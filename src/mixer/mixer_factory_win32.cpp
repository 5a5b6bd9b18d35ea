#include "mixer/mixer_factory_win32.h"

#include "mixer/core_audio_mixer_win32.h"
#include "mixer/winmm_mixer_win32.h"

namespace quendrel {

DWORD ReportedMajorVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExW(&info) ? info.dwMajorVersion : 0;
}

// Needs COM on this thread (ComApartment); without it Core Audio cannot be
// created and the mixer API is used.
std::unique_ptr<Mixer> CreateSystemMixer() {
    const DWORD major = ReportedMajorVersion();
    auto enumerator = major >= 6 ? CreateDeviceEnumerator() : ComPtr<IMMDeviceEnumerator>();
    if (UseCoreAudio(major, static_cast<bool>(enumerator)))
        return std::make_unique<CoreAudioMixer>(std::move(enumerator));
    return std::make_unique<WinmmMixer>();
}

}  // namespace quendrel
