#include "notify/notify_profile_win32.h"

#include <cstring>
#include <utility>

#include "base/decimal.h"
#include "notify/fade_setting.h"
#include "notify/profile_value.h"
#include "win32/handles_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

constexpr char kFontSection[] = "Font";
constexpr char kSizeKey[] = "size";
// The same key as "chrset" (keys match without regard to case); a new file
// shows it in this form.
constexpr char kCharsetKey[] = "chrSet";
constexpr char kNameKey[] = "Name";
constexpr char kColorKey[] = "color";
constexpr char kChangesSection[] = "Changes";
constexpr char kFadeKey[] = "FADE";

// Far more than the program ever writes; a larger file is not one of ours
// and reads as missing.
constexpr LONGLONG kFileMax = 1 << 20;

std::wstring AsciiWide(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// The profile functions decode the file with the ANSI code page, whose lead
// bytes the parser must know.
const LeadBytes& AnsiLeadBytes() {
    static const LeadBytes lead = [] {
        LeadBytes bytes;
        CPINFO info{};
        if (GetCPInfo(CP_ACP, &info))
            for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
                for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) bytes.set(static_cast<std::size_t>(b));
        return bytes;
    }();
    return lead;
}

std::wstring FromAnsi(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

}  // namespace

LOGFONTW NotifyLogFont(const NotifyFontSpec& spec) {
    LOGFONTW lf{};
    // Points to pixels at the screen's DPI, rounded.
    lf.lfHeight = -MulDiv(spec.size, ScreenDpi(), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = spec.charset;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    return lf;
}

std::optional<std::wstring> NotifyProfileValues::Text(std::string_view section, std::string_view key) const {
    const auto text = file_.Find(section, key);
    if (!text) return std::nullopt;
    if (!text->utf16) return FromAnsi(text->bytes);
    std::wstring wide(text->bytes.size() / 2, L'\0');
    std::memcpy(wide.data(), text->bytes.data(), wide.size() * sizeof(wchar_t));
    return wide;
}

std::optional<std::int32_t> NotifyProfileValues::Integer(std::string_view section, std::string_view key) const {
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

bool NotifyProfileValues::Fade() const {
    const auto text = file_.Find(kChangesSection, kFadeKey);
    return FadeSettingFromProfile(text ? std::optional<std::string>(text->NumberText()) : std::nullopt);
}

NotifyProfileValues NotifyProfile::Read() const {
    const UniqueKernelHandle file(CreateFileW(path_.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kFileMax) return {};
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return {};
    bytes.resize(read);
    return NotifyProfileValues(ProfileFile(std::move(bytes), AnsiLeadBytes()));
}

bool NotifyProfile::WriteText(std::string_view section, std::string_view key, const std::wstring& value) const {
    return WritePrivateProfileStringW(AsciiWide(section).c_str(), AsciiWide(key).c_str(), value.c_str(),
                                      path_.c_str()) != FALSE;
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

}  // namespace quendrel
