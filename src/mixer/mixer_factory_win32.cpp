#include "mixer/mixer_factory_win32.h"

#include "mixer/winmm_mixer_win32.h"

namespace quendrel {

std::unique_ptr<Mixer> CreateSystemMixer() { return std::make_unique<WinmmMixer>(); }

}  // namespace quendrel
