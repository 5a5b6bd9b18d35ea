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

// The sound devices' band, below both halves.
inline constexpr char kOutputLabel[] = "出力先";
inline constexpr char kOutputUnchanged[] = "(変更しない)";
inline constexpr char kOutputDefaultMark[] = " (既定)";               // after the default output's name
inline constexpr char kOutputAbsentMark[] = " (接続されていません)";  // after a stored device's name
inline constexpr char kOutputHint[] = "Output ：　設定のキーが押されたら、このデバイスを既定の出力先にします。";
inline constexpr char kCannotSwitchHint[] = "このWindowsでは出力先を切り替えられません";
inline constexpr char kDeviceGroup[] = "サウンドデバイス";
inline constexpr char kMicrophoneHint[] = "押すたびに、マイクのミュート、非ミュートが切り替わります。";
inline constexpr char kNoMicrophoneHint[] = "マイクのミュートが見つかりません";
inline constexpr char kArrivalCaption[] = "接続されたデバイスにも音量を適用";
inline constexpr char kArrivalHint[] =
    "有効にすると、新しく接続されたデバイスも、最後に設定した音量とミュートになります。";

}  // namespace quendrel::texts
