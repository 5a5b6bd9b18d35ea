#include "notify/notify_profile_win32.h"

#include "actions/fade_setting.h"
#include "app/app_paths_win32.h"
#include "notify/profile_value.h"
#include "win32/text_win32.h"

namespace quendrel {

std::wstring NotifyProfilePath() { return DataFile(L"NotifyFont.ini"); }

std::optional<std::wstring> ReadProfileText(const wchar_t* section, const wchar_t* key) {
    // A default that no stored value can be tells a missing key from a stored one.
    static const wchar_t kMissing[] = L"\x1\x2\x3<missing>";
    wchar_t text[2048];
    GetPrivateProfileStringW(section, key, kMissing, text, 2048, NotifyProfilePath().c_str());
    if (lstrcmpW(text, kMissing) == 0) return std::nullopt;
    return std::wstring(text);
}

std::optional<std::int32_t> ReadProfileInteger(const wchar_t* section, const wchar_t* key) {
    const auto text = ReadProfileText(section, key);
    if (!text) return std::nullopt;
    return ParseProfileInteger(Narrow(*text));
}

bool WriteProfileText(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
    return WritePrivateProfileStringW(section, key, value.c_str(), NotifyProfilePath().c_str()) != FALSE;
}

bool ReadFadeSetting() {
    const auto text = ReadProfileText(L"Changes", L"FADE");
    return FadeSettingFromProfile(text ? std::optional<std::string>(Narrow(*text)) : std::nullopt);
}

NotifyFontSpec ReadNotifyFontSpec(const NotifyFontSpec& current) {
    NotifyFontSpec spec = current;
    spec.size = ReadProfileInteger(L"Font", L"size").value_or(28);
    spec.color = static_cast<COLORREF>(ReadProfileInteger(L"Font", L"color").value_or(65280));
    const auto name = ReadProfileText(L"Font", L"Name");
    if (!name)
        spec.name = L"MS UI Gothic";
    else if (!name->empty())
        spec.name = name->substr(0, LF_FACESIZE - 1);
    spec.charset = static_cast<BYTE>(ReadProfileInteger(L"Font", L"chrset").value_or(128) & 0xFF);
    return spec;
}

}  // namespace quendrel
