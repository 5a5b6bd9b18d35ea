#include "notify/notify_profile_win32.h"

#include "base/decimal.h"
#include "notify/fade_setting.h"
#include "notify/profile_value.h"
#include "win32/text_win32.h"
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

constexpr std::size_t kTextMax = 2048;  // readers use at most 2047 bytes

}  // namespace

LOGFONTW NotifyLogFont(const NotifyFontSpec& spec, int dpi) {
    LOGFONTW lf{};
    // Points to pixels, rounded.
    lf.lfHeight = -MulDiv(spec.size, dpi > 0 ? dpi : ScreenDpi(), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = spec.charset;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    return lf;
}

std::optional<std::wstring> NotifyProfile::ReadText(const wchar_t* section, const wchar_t* key) const {
    // A default that no stored value can be tells a missing key from a stored one.
    static const wchar_t kMissing[] = L"\x1\x2\x3<missing>";
    wchar_t text[kTextMax];
    GetPrivateProfileStringW(section, key, kMissing, text, kTextMax, path_.c_str());
    if (lstrcmpW(text, kMissing) == 0) return std::nullopt;
    return std::wstring(text);
}

std::optional<std::int32_t> NotifyProfile::ReadInteger(const wchar_t* section, const wchar_t* key) const {
    const auto text = ReadText(section, key);
    if (!text) return std::nullopt;
    return ParseProfileInteger(Narrow(*text));
}

bool NotifyProfile::WriteText(const wchar_t* section, const wchar_t* key, const std::wstring& value) const {
    return WritePrivateProfileStringW(section, key, value.c_str(), path_.c_str()) != FALSE;
}

NotifyFontSpec NotifyProfile::ReadFont(const NotifyFontSpec& current) const {
    const NotifyFontSpec defaults;
    NotifyFontSpec spec = current;
    spec.size = ReadInteger(kFontSection, kSizeKey).value_or(defaults.size);
    spec.color = static_cast<COLORREF>(ReadInteger(kFontSection, kColorKey).value_or(defaults.color));
    const auto name = ReadText(kFontSection, kNameKey);
    if (!name)
        spec.name = defaults.name;
    else if (!name->empty())
        spec.name = name->substr(0, LF_FACESIZE - 1);
    spec.charset = static_cast<BYTE>(ReadInteger(kFontSection, kCharsetKey).value_or(defaults.charset) & 0xFF);
    return spec;
}

bool NotifyProfile::WriteFont(int points, BYTE charset, const std::wstring& name) const {
    return WriteText(kFontSection, kSizeKey, FormatDecimalW(points)) &&
           WriteText(kFontSection, kCharsetKey, FormatDecimalW(charset)) && WriteText(kFontSection, kNameKey, name);
}

bool NotifyProfile::WriteColor(COLORREF color) const {
    // Signed, as the reader takes it: a colour read from "-1" goes back as -1.
    return WriteText(kFontSection, kColorKey, FormatDecimalW(static_cast<std::int32_t>(color)));
}

bool NotifyProfile::ReadFadeSetting() const {
    const auto text = ReadText(kChangesSection, kFadeKey);
    return FadeSettingFromProfile(text ? std::optional<std::string>(Narrow(*text)) : std::nullopt);
}

MonitorChoice NotifyProfile::ReadMonitorChoice() const {
    return MonitorChoiceFromProfile(ReadInteger(kChangesSection, kMonitorKey));
}

bool NotifyProfile::WriteFadeSetting(bool on) const { return WriteText(kChangesSection, kFadeKey, on ? L"1" : L"0"); }

}  // namespace quendrel
