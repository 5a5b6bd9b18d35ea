#pragma once

#include <memory>

#include "devices/sound_devices.h"
#include "mixer/mixer.h"

namespace quendrel {

// The devices backend for this system, the same choice that
// CreateSystemMixer makes; on Windows XP output volumes go through mixer.
// Needs COM on this thread.
std::unique_ptr<SoundDevices> CreateSystemDevices(Mixer& mixer);

}  // namespace quendrel
