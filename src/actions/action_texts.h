// Texts of the volume actions. Status texts are UTF-8; the notification word
// goes to the notification as code page 932 bytes like every other
// notification text (the unit tests check it against its readable form).
#pragma once

namespace quendrel::texts {

constexpr char kStatusAutoChangingEnabled[] = "Auto Changing Enabled";  // "apply at once" ticked
constexpr char kStatusAutoChangeDisabled[] = "Auto Change Disabled";    // "apply at once" cleared

// A volume set without a preset shows as "音量 N%".
inline constexpr char kVolumeWord[] = "\x89\xB9\x97\xCA";  // 音量

// The microphone key's notification: the state it leaves the microphones in.
inline constexpr char kMicrophoneOn[] = "\x83\x7D\x83\x43\x83\x4E \x83\x49\x83\x93";   // マイク オン
inline constexpr char kMicrophoneOff[] = "\x83\x7D\x83\x43\x83\x4E \x83\x49\x83\x74";  // マイク オフ

}  // namespace quendrel::texts
