#pragma once

#include <windows.h>

#include <memory>

#include "mixer/mixer.h"

namespace quendrel {

// What the system says it is: in XP compatibility mode that is 5.x.
DWORD ReportedMajorVersion();

// The mixer backend for this system.
std::unique_ptr<Mixer> CreateSystemMixer();

}  // namespace quendrel
