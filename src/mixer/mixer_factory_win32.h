#pragma once

#include <memory>

#include "mixer/mixer.h"

namespace quendrel {

// The mixer backend for this system.
std::unique_ptr<Mixer> CreateSystemMixer();

}  // namespace quendrel
