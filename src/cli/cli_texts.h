// Texts of the command-line actions (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kUsage[] =
    "使い方: Quendrel.exe [アクション]\r\n"
    "  /preset 名前|番号  その設定のホットキーと同じ動作 (番号は一覧の 1 から)\r\n"
    "  /volume N          音量を N% (0～100) にする\r\n"
    "  /up                音量を上げる\r\n"
    "  /down              音量を下げる\r\n"
    "  /mute              ミュート切り替え\r\n"
    "  /capture           音量をキャプチャ\r\n"
    "  /open              設定ウインドウを開く\r\n"
    "  /device 名前|番号  その出力先を既定のデバイスにする (番号は /devices の一覧の番号)\r\n"
    "  /devices           出力先の一覧を表示する (既定のデバイスに (既定) の印)\r\n"
    "  /mic [on|off]      マイクのミュート切り替え (on で聞こえる、off でミュート)\r\n"
    "  /help, /?          この説明を表示する\r\n"
    "アクションの大文字と小文字は区別せず、/ の代わりに - も使えます。\r\n"
    "名前に空白を含むときは \"\" で囲みます (囲まない語は空白ひとつでつなぎます)。\r\n"
    "終了コード: 0 完了、2 使い方の誤り、3 設定ウインドウが開いているか起動中、4 応答なし、\r\n"
    "5 このWindowsではできない (出力先の切り替え、マイクのミュート)\r\n";

// Parse errors.
inline constexpr char kUnknownAction[] = "不明なアクションです";
inline constexpr char kMissingArgument[] = "引数がありません";
inline constexpr char kExtraArgument[] = "余分な引数があります";
inline constexpr char kBadVolume[] = "音量は 0 から 100 の整数で指定してください";
inline constexpr char kNoSuchPreset[] = "その名前または番号の設定はありません";
inline constexpr char kNoSuchDevice[] = "その名前または番号の出力先はありません";
inline constexpr char kBadMicrophone[] = "/mic の後には何も付けないか、on か off を指定してください";

// Answers of the running instance.
inline constexpr char kRefused[] = "設定ウインドウが開いているか起動中のため実行できません";
inline constexpr char kNoAnswer[] = "Quendrel が応答しません";
inline constexpr char kCannotSwitchOutput[] = "このWindowsでは出力先を切り替えられません";
inline constexpr char kNoMicrophoneMute[] = "ミュートできるマイクがありません";

// /devices: "N<TAB>name", and after the default one "<TAB>(既定)".
inline constexpr char kDefaultOutputMark[] = "(既定)";

}  // namespace quendrel::texts
