// Texts of the configuration window's preset list and function controls, and
// of the settings file (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kConfigFont[] = "ＭＳ ゴシック";
inline constexpr char kCannotRead[] = "%s を読み込めません";
inline constexpr char kTooManyPresets[] = "これ以上設定を作成することはできません";

// Preset list (left half).
inline constexpr char kNewCaption[] = "Create";
inline constexpr char kNewHint[] = "設定を作成します。";
inline constexpr char kDeltCaption[] = "Delete";
inline constexpr char kDeltHint[] = "選択した設定を削除します";
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
inline constexpr char kRefreshHaltCaption[] = "音量を即座に適応する";
inline constexpr char kStatusAutoChanging[] = "Auto Changing";  // COLVolume moved by the user
inline constexpr char kRefreshHaltHint[] = "Refresh ： 音量スライダーを動かすと、音量が自動的に変更されます。";

// Function controls (right half).
inline constexpr char kFunctionGroup[] = "その他のQuendrelの機能を使用する";
inline constexpr char kUpCaption[] = "音量を";
inline constexpr char kUpHint[] = "音量を上げるを有効にすると、％で、指定しただけ音量が上がります。";
inline constexpr char kUpSuffix[] = "% 上げる";
inline constexpr char kUpLabelFirst[] = "2% 上げる";
inline constexpr char kDownCaption[] = "音量を";
inline constexpr char kDownHint[] = "音量を下げるを有効にすると、％で、指定しただけ音量が下がります。";
inline constexpr char kDownSuffix[] = "% 下げる";
inline constexpr char kDownLabelFirst[] = "2% 下げる";
inline constexpr char kMuteCaption[] = "ミュート切り替え";
inline constexpr char kMuteHint[] = "押すたびに、ミュート、非ミュートが切り替わります。";
inline constexpr char kCaptureCaption[] = "音量をキャプチャ";
inline constexpr char kCaptureHint[] = "このキーを押すと、そのときの音量がリストに加わります。";
inline constexpr char kNotifyCmdCaption[] = "キーが押されたらその設定の名前を表示";
inline constexpr char kNotifyCmdHint[] = "有効にすると、音量が変更された場合、その音量の名前が画面右下に表示されます";
inline constexpr char kNotifySeconds[] = "秒間表示したら閉じる";
inline constexpr char kNotifyFontCaption[] = "フォント変更";
inline constexpr char kNotifyColorCaption[] = "カラー変更";
inline constexpr char kCheckBoxFont[] = "MS UI Gothic";

}  // namespace quendrel::texts
