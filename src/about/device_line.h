// One line of the about window's device list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quendrel {

// The name up to its first zero and at most 32 characters (a mixer's product
// name field need not be terminated), then " Ver major.minor" from the low 16
// bits of the driver version: "Line Mixer" with 0x050A gives "Line Mixer Ver 5.10".
std::wstring DeviceLine(std::wstring_view name, std::uint32_t driverVersion);

}  // namespace quendrel
