// Status texts of the configuration window's volume section (UTF-8).
#pragma once

namespace quendrel::texts {

constexpr char kStatusAutoChangingEnabled[] = "Auto Changing Enabled";  // "apply at once" ticked
constexpr char kStatusAutoChangeDisabled[] = "Auto Change Disabled";    // "apply at once" cleared

}  // namespace quendrel::texts
