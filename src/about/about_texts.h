// The about window's texts (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kAboutTitle[] = "Quendrel Ver 2.30";
inline constexpr char kAboutUpdated[] = "LastUpdated on 2003/09/08";
inline constexpr char kAboutCredit[] = "Quendrel — 音量をホットキーで";
inline constexpr char kAboutCopyright[] = "© 2026 Quendrel developers";
inline constexpr char kAboutWebLabel[] = "WebPage アドレス";
inline constexpr char kAboutMailLabel[] = "メールアドレス";
inline constexpr char kAboutWebPage[] = "https://quendrel.example.org/";
inline constexpr char kAboutMail[] = "quendrel@example.org";
inline constexpr char kAboutDevices[] = "システムにインストールされているサウンドカード";
inline constexpr char kAboutPreferred1[] = "一番上のカードは優先デバイスとなります";
inline constexpr char kAboutPreferred2[] = "システム音量、音量を上げる、下げるなどは";
inline constexpr char kAboutPreferred3[] = "優先デバイスが基準となります";
inline constexpr char kAboutFont[] = "ＭＳ Ｐゴシック";

}  // namespace quendrel::texts
