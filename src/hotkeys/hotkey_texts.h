// Texts that name hotkeys the registration pass could not take (UTF-8).
#pragma once

namespace quendrel::texts {

inline constexpr char kConflictBalloon[] = "他のプログラムが使用中のホットキーがあります: ";
inline constexpr char kConflictStatus[] = "使用できないホットキー: ";
inline constexpr char kConflictSeparator[] = "、";
// An entry is the name, then the key in parentheses.
inline constexpr char kConflictKeyOpen[] = " (";
inline constexpr char kConflictKeyClose[] = ")";
// The entries left out when not all fit: "ほか 24 件", after a separator.
inline constexpr char kMoreBefore[] = "ほか ";
inline constexpr char kMoreAfter[] = " 件";
// What the hotkey control writes after each modifier's name.
inline constexpr char kKeyJoin[] = " + ";

}  // namespace quendrel::texts
