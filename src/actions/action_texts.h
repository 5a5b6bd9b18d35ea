// Status texts of the configuration window's volume section (UTF-8).
#pragma once

namespace quendrel::texts {

constexpr char kStatusAutoChangingEnabled[] = "Auto Changing Enabled";  // RefreshHalt checked
constexpr char kStatusAutoChangeDisabled[] = "Auto Change Disabled";    // RefreshHalt unchecked

}  // namespace quendrel::texts
