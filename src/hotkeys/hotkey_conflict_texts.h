// Texts that name hotkeys the registration pass could not take. Wide, since
// they are built together with the list captions and the system's key names,
// which arrive in UTF-16.
#pragma once

namespace quendrel::texts {

inline constexpr wchar_t kConflictBalloon[] = L"他のプログラムが使用中のホットキーがあります: ";
inline constexpr wchar_t kConflictStatus[] = L"使用できないホットキー: ";
inline constexpr wchar_t kConflictSeparator[] = L"、";
// An entry is the name, then the key in parentheses.
inline constexpr wchar_t kConflictKeyOpen[] = L" (";
inline constexpr wchar_t kConflictKeyClose[] = L")";
// What the hotkey control writes after each modifier's name.
inline constexpr wchar_t kKeyJoin[] = L" + ";

// The function slots 0..3.
inline constexpr wchar_t kUpSlotName[] = L"音量を上げる";
inline constexpr wchar_t kDownSlotName[] = L"音量を下げる";
inline constexpr wchar_t kMuteSlotName[] = L"ミュート切り替え";
inline constexpr wchar_t kCaptureSlotName[] = L"音量をキャプチャ";

}  // namespace quendrel::texts
