// Texts of the volume actions. Status texts are UTF-8; the notification word
// goes to the notification as code page 932 bytes like every other
// notification text (the unit tests check it against its readable form).
#pragma once

namespace quendrel::texts {

constexpr char kStatusAutoChangingEnabled[] = "Auto Changing Enabled";  // "apply at once" ticked
constexpr char kStatusAutoChangeDisabled[] = "Auto Change Disabled";    // "apply at once" cleared

// A volume set without a preset shows as "音量 N%".
inline constexpr char kVolumeWord[] = "\x89\xB9\x97\xCA";  // 音量

}  // namespace quendrel::texts
