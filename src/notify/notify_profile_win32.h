// NotifyFont.ini beside the executable: read and written key by key through
// the system's profile functions, never cached.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quendrel {

std::wstring NotifyProfilePath();
// The key's text; nothing when the file, the section or the key is missing.
std::optional<std::wstring> ReadProfileText(const wchar_t* section, const wchar_t* key);
// The key as an integer in the profile syntax; nothing when absent or unreadable.
std::optional<std::int32_t> ReadProfileInteger(const wchar_t* section, const wchar_t* key);
// False when the system refuses the write (the caller reports it).
bool WriteProfileText(const wchar_t* section, const wchar_t* key, const std::wstring& value);

// The smooth-change switch: on unless the file says 0.
bool ReadFadeSetting();

// What the notification font is made of.
struct NotifyFontSpec {
    int size = 28;  // points
    COLORREF color = RGB(0, 255, 0);
    std::wstring name = L"MS UI Gothic";
    BYTE charset = SHIFTJIS_CHARSET;
};

// The stored values over the given ones; an empty face name keeps the face.
NotifyFontSpec ReadNotifyFontSpec(const NotifyFontSpec& current);

}  // namespace quendrel
