// What other processes know the program by: the mutex a second start looks
// for, the window it hands its action to and the mark on that message, the
// other windows' classes and captions (outside programs find them by these),
// and the tray icon's identifier and message. None of them ever changes.
#pragma once

#include <cstdint>

namespace quendrel::identity {

inline constexpr char kMutexName[] = "Quendrel";

// The configuration window: where a second start sends its WM_COPYDATA, where
// the hotkeys and the tray icon's messages arrive.
inline constexpr wchar_t kConfigClass[] = L"TForm1";
inline constexpr char kConfigCaption[] = "Quendrel\u3000Ver2.30\u3000コンフィグレーションウインドウ";
inline constexpr std::uint32_t kCopyDataId = 0x514E4452;  // "QNDR"

inline constexpr wchar_t kAboutClass[] = L"TForm2";
inline constexpr char kAboutCaption[] = "プログラムInfo";
inline constexpr wchar_t kNotificationClass[] = L"TForm3";
inline constexpr char kNotificationCaption[] = "通知フォーム";
inline constexpr wchar_t kApplicationClass[] = L"TApplication";

inline constexpr unsigned kTrayIconId = 4;
inline constexpr unsigned kTrayMessage = 0x0400 + 1;  // WM_USER + 1, 1025

}  // namespace quendrel::identity
