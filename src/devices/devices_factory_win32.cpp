#include "devices/devices_factory_win32.h"

#include "devices/core_audio_devices_win32.h"
#include "devices/winmm_devices_win32.h"
#include "mixer/core_audio_mixer_win32.h"
#include "mixer/mixer_factory_win32.h"

namespace quendrel {

std::unique_ptr<SoundDevices> CreateSystemDevices(Mixer& mixer) {
    const DWORD major = ReportedMajorVersion();
    auto enumerator = major >= 6 ? CreateDeviceEnumerator() : ComPtr<IMMDeviceEnumerator>();
    if (UseCoreAudio(major, static_cast<bool>(enumerator)))
        return std::make_unique<CoreAudioDevices>(std::move(enumerator));
    return std::make_unique<WinmmDevices>(mixer);
}

}  // namespace quendrel
