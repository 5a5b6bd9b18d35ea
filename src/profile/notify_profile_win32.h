// NotifyFont.ini beside the executable, and its one owner: the notification
// font and colour (section Font), the smooth-change switch (key FADE of
// section Changes) and the sound devices' settings (device_settings.h). Read whole at every use and parsed by the
// profile functions' rules, never cached; written key by key through those functions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "profile/device_settings.h"
#include "profile/monitor_choice.h"
#include "profile/profile_file.h"

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

// One reading of the file: every value of one show comes from it.
class NotifyProfileValues {
public:
    // The file's bytes; none for a missing file.
    explicit NotifyProfileValues(std::string bytes);

    // The stored values over the given ones: a missing or unreadable key
    // gives its default, an empty face name keeps the face.
    NotifyFontSpec Font(const NotifyFontSpec& current) const;
    // On unless the file says 0.
    bool Fade() const;
    MonitorChoice Monitor() const;
    // The wheel over the tray icon (key Wheel of section Changes): read as
    // FADE is, on unless the file says 0.
    bool Wheel() const;
    // The key's text as GetPrivateProfileStringW gives it; nothing when the
    // file, the section or the key is missing.
    std::optional<std::wstring> Text(const wchar_t* section, const wchar_t* key) const;
    // presetNames are the table's preset names by position.
    DeviceSettings Devices(const std::vector<std::string>& presetNames) const {
        return ReadDeviceSettings(file_, presetNames);
    }
    std::vector<ProfileWrite> DeviceWrites(const std::vector<std::string>& presetNames,
                                           const DeviceSettings& settings) const {
        return DeviceSettingsWrites(file_, presetNames, settings);
    }

private:
    // A switch of section Changes: on unless the key reads as 0.
    bool Switch(const wchar_t* key) const;
    // The key as an integer in the profile syntax; nothing when absent or unreadable.
    std::optional<std::int32_t> Integer(const wchar_t* section, const wchar_t* key) const;

    ProfileFile file_;
};

class NotifyProfile {
public:
    explicit NotifyProfile(std::wstring path) : path_(std::move(path)) {}

    const std::wstring& Path() const { return path_; }

    // One open and one read of the file; a missing or unreadable file has no values.
    NotifyProfileValues Read() const;

    // Each a read of its own; whoever needs several values takes one Read().
    NotifyFontSpec ReadFont(const NotifyFontSpec& current) const { return Read().Font(current); }
    // size, chrSet and Name, in this order; false at the first key the system
    // refuses, and the keys after it stay unwritten.
    bool WriteFont(int points, BYTE charset, const std::wstring& name) const;
    bool WriteColor(COLORREF color) const;

    bool ReadFadeSetting() const { return Read().Fade(); }
    bool WriteFadeSetting(bool on) const;

    DeviceSettings ReadDevices(const std::vector<std::string>& presetNames) const {
        return Read().Devices(presetNames);
    }
    // Only the keys whose values differ from the file's; false at the first
    // key the system refuses, and the keys after it stay unwritten.
    bool WriteDevices(const std::vector<std::string>& presetNames, const DeviceSettings& settings) const;

private:
    bool WriteText(const wchar_t* section, const wchar_t* key, const std::wstring& value) const;

    std::wstring path_;
};

}  // namespace quendrel
