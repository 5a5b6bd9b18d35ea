// One line of the about window's device list.
#pragma once

#include <cstdint>
#include <string>

namespace quendrel {

// name32 is MIXERCAPSA.szPname: 32 bytes, not always zero-terminated.
// "Line Mixer" with version 0x050A gives "Line Mixer Ver 5.10".
std::string DeviceLine(const char* name32, std::uint32_t driverVersion);

}  // namespace quendrel
