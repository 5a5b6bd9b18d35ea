// Texts of the configuration window and its function controls (UTF-8;
// converted at the API boundary).
#pragma once

namespace quendrel::texts {

// The window's face, also its labels' (larger, bold).
inline constexpr char kConfigFont[] = "ＭＳ ゴシック";

// Function controls (right half).
inline constexpr char kFunctionGroup[] = "その他のQuendrelの機能を使用する";
inline constexpr char kStepCaption[] = "音量を";  // up and down, then the step
inline constexpr char kUpHint[] = "音量を上げるを有効にすると、％で、指定しただけ音量が上がります。";
inline constexpr char kUpSuffix[] = "% 上げる";
inline constexpr char kDownHint[] = "音量を下げるを有効にすると、％で、指定しただけ音量が下がります。";
inline constexpr char kDownSuffix[] = "% 下げる";
inline constexpr char kMuteHint[] = "押すたびに、ミュート、非ミュートが切り替わります。";
inline constexpr char kCaptureHint[] = "このキーを押すと、そのときの音量がリストに加わります。";
inline constexpr char kNotifyBoxCaption[] = "キーが押されたらその設定の名前を表示";
inline constexpr char kNotifyBoxHint[] = "有効にすると、音量が変更された場合、その音量の名前が画面右下に表示されます";
inline constexpr char kNotifySeconds[] = "秒間表示したら閉じる";
inline constexpr char kFontButtonCaption[] = "フォント変更";
inline constexpr char kColorButtonCaption[] = "カラー変更";
inline constexpr char kCheckBoxFont[] = "MS UI Gothic";

}  // namespace quendrel::texts
