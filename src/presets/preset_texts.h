// Texts of the preset list, the left half of the configuration window
// (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kCreateCaption[] = "Create";
inline constexpr char kCreateHint[] = "設定を作成します。";
inline constexpr char kDeleteCaption[] = "Delete";
inline constexpr char kDeleteHint[] = "選択した設定を削除します";
inline constexpr char kMoveUpCaption[] = "UpTo";
inline constexpr char kMoveUpHint[] = "設定をひとつ上へ移動します。";
inline constexpr char kMoveDownCaption[] = "DownTo";
inline constexpr char kMoveDownHint[] = "設定をひとつ下へ移動します。";
inline constexpr char kListColumn[] = "設定の一覧です。";
inline constexpr char kHotkeyLabel[] = "ショートカットキー";
inline constexpr char kHotkeyHint[] = "HotKey ：　設定へのショートカットキーです。";
inline constexpr char kVolumeLabel[] = "音量";
inline constexpr char kVolumeOutput[] = "音量出力 ";  // then the position and "%"
inline constexpr char kVolumeHint[] = "Volume ：　設定の音量です。";
inline constexpr char kSystemVolumeLabel[] = "現在のシステム音量";
inline constexpr char kApplyAtOnceCaption[] = "音量を即座に適応する";
inline constexpr char kStatusAutoChanging[] = "Auto Changing";  // the volume bar moved by the user
inline constexpr char kApplyAtOnceHint[] = "Refresh ： 音量スライダーを動かすと、音量が自動的に変更されます。";

}  // namespace quendrel::texts
