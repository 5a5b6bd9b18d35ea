// Texts of the tray icon and its menu (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kTrayTip[] = "Quendrel\u3000Ver 2.30 ";

inline constexpr char kMenuOpen[] = "設定ウインドウを開く";
inline constexpr char kMenuAutoStart[] = "AutoStart";
inline constexpr char kMenuFade[] = "音量のなめらか変更";
inline constexpr char kMenuAbout[] = "バージョン情報";
inline constexpr char kMenuClose[] = "Quendrelの終了";
inline constexpr char kAutoStartQuestion[] = "自動起動設定を変更しますか？";
inline constexpr char kAutoStartQuestionCaption[] = "Notify";
inline constexpr char kRunValueWrongType[] = "'%s' のデータ型が不正です";
inline constexpr char kRunValueWriteFailed[] = "'%s' の設定に失敗しました";

}  // namespace quendrel::texts
