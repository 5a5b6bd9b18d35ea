// NotifyFont.ini beside the executable, and its one owner: the notification
// font and colour (section Font) and the smooth-change switch (key FADE of
// section Changes), read and written key by key through the system's
// profile functions and never cached.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "notify/monitor_choice.h"

namespace quendrel {

// What the notification font is made of; the values are the defaults that a
// missing or unreadable key gives.
struct NotifyFontSpec {
    int size = 28;  // points
    COLORREF color = RGB(0, 255, 0);
    std::wstring name = L"MS UI Gothic";
    BYTE charset = SHIFTJIS_CHARSET;

    // The same font, whatever its colour.
    bool SameFace(const NotifyFontSpec& other) const {
        return size == other.size && charset == other.charset && name == other.name;
    }
};

// The font as GDI takes it: points to pixels at the given DPI (the screen's
// unless the monitor's), plain, outline faces preferred (the window is shaped
// from the outline).
LOGFONTW NotifyLogFont(const NotifyFontSpec& spec, int dpi = 0);

class NotifyProfile {
public:
    explicit NotifyProfile(std::wstring path) : path_(std::move(path)) {}

    const std::wstring& Path() const { return path_; }

    // The stored values over the given ones: a missing or unreadable key
    // gives its default, an empty face name keeps the face.
    NotifyFontSpec ReadFont(const NotifyFontSpec& current) const;
    // size, chrSet and Name, in this order; false at the first key the system
    // refuses, and the keys after it stay unwritten.
    bool WriteFont(int points, BYTE charset, const std::wstring& name) const;
    bool WriteColor(COLORREF color) const;

    // On unless the file says 0.
    bool ReadFadeSetting() const;
    MonitorChoice ReadMonitorChoice() const;
    bool WriteFadeSetting(bool on) const;

private:
    // The key's text; nothing when the file, the section or the key is missing.
    std::optional<std::wstring> ReadText(const wchar_t* section, const wchar_t* key) const;
    // The key as an integer in the profile syntax; nothing when absent or unreadable.
    std::optional<std::int32_t> ReadInteger(const wchar_t* section, const wchar_t* key) const;
    bool WriteText(const wchar_t* section, const wchar_t* key, const std::wstring& value) const;

    std::wstring path_;
};

}  // namespace quendrel
