// Texts of the setting records and their file. Those written into records are
// Shift-JIS bytes, since the records and SndCols.ini hold code page 932; the
// unit tests check each against its readable form. The rest are UTF-8.
#pragma once

namespace quendrel::texts {

// The functions as the windows name them.
inline constexpr char kUpFunction[] = "音量を上げる";
inline constexpr char kDownFunction[] = "音量を下げる";
inline constexpr char kMuteFunction[] = "ミュート切り替え";
inline constexpr char kCaptureFunction[] = "音量をキャプチャ";
inline constexpr char kMicrophoneFunction[] = "マイクのミュート切り替え";

// kUpFunction and kDownFunction in code page 932: the slots' first names.
inline constexpr char kUpName[] = "\x89\xB9\x97\xCA\x82\xF0\x8F\xE3\x82\xB0\x82\xE9";
inline constexpr char kDownName[] = "\x89\xB9\x97\xCA\x82\xF0\x89\xBA\x82\xB0\x82\xE9";
inline constexpr char kMuteStatePrefix[] =
    "\x83\x7E\x83\x85\x81\x5B\x83\x67\x82\xCC\x8F\xF3\x91\xD4\x20";  // ミュートの状態 (one space)
inline constexpr char kMuteTrue[] = "True";
inline constexpr char kMuteFalse[] = "False";
inline constexpr char kCapturedPresetName[] =
    "\x28\x83\x4C\x83\x83\x83\x76\x83\x60\x83\x83\x82\xB3\x82\xEA\x82\xBD\x90\xDD\x92\xE8\x29\x20";  // (キャプチャされた設定)
                                                                                                     // (one space)
inline constexpr char kCapturedSlotName[] =
    "\x89\xB9\x97\xCA\x82\xF0\x83\x4C\x83\x83\x83\x76\x83\x60\x83\x83\x82\xB5\x82\xDC\x82\xB5\x82\xBD";  // 音量をキャプチャしました
inline constexpr char kNewPresetName[] =
    "\x28\x90\x56\x8B\x4B\x8D\xEC\x90\xAC\x82\xB3\x82\xEA\x82\xBD\x90\xDD\x92\xE8\x29";  // (新規作成された設定)

inline constexpr char kCannotRead[] = "%s を読み込めません";
// A 29th preset, made or captured.
inline constexpr char kTooManyPresets[] = "これ以上設定を作成することはできません";

}  // namespace quendrel::texts
