#include "profile/notify_profile_win32.h"

#include <cstring>
#include <utility>

#include "base/decimal.h"
#include "profile/fade_setting.h"
#include "profile/profile_value.h"
#include "win32/handles_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

constexpr wchar_t kFontSection[] = L"Font";
constexpr wchar_t kSizeKey[] = L"size";
// The same key as "chrset" (keys match without regard to case); a new file
// shows it in this form.
constexpr wchar_t kCharsetKey[] = L"chrSet";
constexpr wchar_t kNameKey[] = L"Name";
constexpr wchar_t kColorKey[] = L"color";
constexpr wchar_t kChangesSection[] = L"Changes";
constexpr wchar_t kFadeKey[] = L"FADE";
constexpr wchar_t kMonitorKey[] = L"Monitor";
constexpr wchar_t kWheelKey[] = L"Wheel";

// Far more than the program ever writes; a larger file is not one of ours
// and reads as missing.
constexpr LONGLONG kFileMax = 1 << 20;

// The profile functions decode the file with the ANSI code page, whose lead
// bytes the parser must know.
LeadBytes AnsiLeadBytes() {
    LeadBytes lead;
    for (int b = 0x80; b <= 0xFF; ++b) lead.set(static_cast<std::size_t>(b), IsDBCSLeadByte(static_cast<BYTE>(b)));
    return lead;
}

}  // namespace

NotifyProfileValues::NotifyProfileValues(std::string bytes) : file_(std::move(bytes), AnsiLeadBytes()) {}

std::optional<std::wstring> NotifyProfileValues::Text(const wchar_t* section, const wchar_t* key) const {
    const auto text = file_.Find(section, key);
    if (!text) return std::nullopt;
    const std::string& bytes = text->bytes;
    // Room enough: a byte of the code page gives at most one UTF-16 unit.
    std::wstring wide(bytes.size(), L'\0');
    if (text->utf16) {
        wide.resize(bytes.size() / 2);
        std::memcpy(wide.data(), bytes.data(), bytes.size());
    } else {
        wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
            CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), static_cast<int>(wide.size()))));
    }
    return wide;
}

std::optional<std::int32_t> NotifyProfileValues::Integer(const wchar_t* section, const wchar_t* key) const {
    const auto text = file_.Find(section, key);
    if (!text) return std::nullopt;
    return ParseProfileInteger(text->NumberText());
}

NotifyFontSpec NotifyProfileValues::Font(const NotifyFontSpec& current) const {
    const NotifyFontSpec defaults;
    NotifyFontSpec spec = current;
    spec.size = Integer(kFontSection, kSizeKey).value_or(defaults.size);
    spec.color = static_cast<COLORREF>(Integer(kFontSection, kColorKey).value_or(defaults.color));
    const auto name = Text(kFontSection, kNameKey);
    if (!name)
        spec.name = defaults.name;
    else if (!name->empty())
        spec.name = name->substr(0, LF_FACESIZE - 1);
    spec.charset = static_cast<BYTE>(Integer(kFontSection, kCharsetKey).value_or(defaults.charset) & 0xFF);
    return spec;
}

bool NotifyProfileValues::Switch(const wchar_t* key) const {
    const auto text = file_.Find(kChangesSection, key);
    return FadeSettingFromProfile(text ? std::optional<std::string>(text->NumberText()) : std::nullopt);
}

bool NotifyProfileValues::Fade() const { return Switch(kFadeKey); }

bool NotifyProfileValues::Wheel() const { return Switch(kWheelKey); }

MonitorChoice NotifyProfileValues::Monitor() const {
    return MonitorChoiceFromProfile(Integer(kChangesSection, kMonitorKey));
}

NotifyProfileValues NotifyProfile::Read() const {
    std::string bytes;
    const UniqueKernelHandle file(CreateFileW(path_.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (file && GetFileSizeEx(file.get(), &size) && size.QuadPart <= kFileMax) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        // A failed read leaves nothing, as a missing file does.
        if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
        bytes.resize(read);
    }
    return NotifyProfileValues(std::move(bytes));
}

bool NotifyProfile::WriteText(const wchar_t* section, const wchar_t* key, const std::wstring& value) const {
    return WritePrivateProfileStringW(section, key, value.c_str(), path_.c_str()) != FALSE;
}

bool NotifyProfile::WriteFont(int points, BYTE charset, const std::wstring& name) const {
    return WriteText(kFontSection, kSizeKey, FormatDecimalW(points)) &&
           WriteText(kFontSection, kCharsetKey, FormatDecimalW(charset)) && WriteText(kFontSection, kNameKey, name);
}

bool NotifyProfile::WriteColor(COLORREF color) const {
    // Signed, as the reader takes it: a colour read from "-1" goes back as -1.
    return WriteText(kFontSection, kColorKey, FormatDecimalW(static_cast<std::int32_t>(color)));
}

bool NotifyProfile::WriteFadeSetting(bool on) const { return WriteText(kChangesSection, kFadeKey, on ? L"1" : L"0"); }

bool NotifyProfile::WriteDevices(const std::vector<std::string>& presetNames, const DeviceSettings& settings) const {
    for (const ProfileWrite& write : Read().DeviceWrites(presetNames, settings)) {
        // The values are ASCII: one character a byte.
        const std::wstring value = write.value ? std::wstring(write.value->begin(), write.value->end()) : L"";
        if (!WritePrivateProfileStringW(write.section, write.key.c_str(), write.value ? value.c_str() : nullptr,
                                        path_.c_str()))
            return false;
    }
    return true;
}

}  // namespace quendrel
