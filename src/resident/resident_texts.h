// The resident program's own messages (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kNoSoundDevice[] = "サウンドデバイスが見つかりません ";

// A preset whose output device could not be chosen, told once per start in
// a balloon; its volume was set all the same. %s is the device's name.
inline constexpr char kPresetOutputCannotSwitch[] =
    "このWindowsでは出力先を切り替えられません。出力先を選んだ設定も音量だけを変えます。";
inline constexpr char kPresetOutputAbsent[] = "出力先「%s」が見つかりません。音量だけを変えました。";

}  // namespace quendrel::texts
