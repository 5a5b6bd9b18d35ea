#include "profile/device_settings.h"

#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "base/utf8.h"
#include "profile/profile_value.h"

namespace quendrel {
namespace {

constexpr wchar_t kDevicesSection[] = L"Devices";
constexpr wchar_t kMicrophoneKey[] = L"Microphone";
constexpr wchar_t kMicrophoneHotkeyKey[] = L"MicrophoneKey";
constexpr wchar_t kArrivalKey[] = L"Arrival";
constexpr wchar_t kPresetDevicesSection[] = L"PresetDevices";

constexpr std::size_t kValueMax = 2047;  // what a reader's buffer of 2048 holds
constexpr char kHex[] = "0123456789ABCDEF";

bool Plain(unsigned char byte) {
    return byte >= '!' && byte <= '~' && byte != '%' && byte != ',' && byte != '"' && byte != '\'';
}

std::string Escape(std::string_view bytes) {
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (Plain(byte)) {
            text += c;
        } else {
            text += '%';
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        }
    }
    return text;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte != '%') {
            if (!Plain(byte)) return std::nullopt;
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return bytes;
}

// Well-formed UTF-8 only: what another program wrote there is not ours.
std::optional<std::wstring> Utf8Text(const std::string& bytes) {
    std::wstring text = Utf8ToWide(bytes);
    if (WideToUtf8(text) != bytes) return std::nullopt;
    return text;
}

std::optional<std::string> ValueText(const ProfileFile& file, const wchar_t* section, const std::wstring& key) {
    const auto text = file.Find(section, key);
    if (!text) return std::nullopt;
    return text->NumberText();  // anything outside ASCII becomes a byte no value of ours holds
}

std::optional<std::int32_t> Integer(const ProfileFile& file, const wchar_t* key) {
    const auto text = ValueText(file, kDevicesSection, key);
    return text ? ParseProfileInteger(*text) : std::nullopt;
}

bool Switch(const ProfileFile& file, const wchar_t* key) { return Integer(file, key).value_or(0) != 0; }

std::uint16_t Hotkey(const ProfileFile& file) {
    const auto value = Integer(file, kMicrophoneHotkeyKey).value_or(0);
    if (value <= 0 || value > 0xFFFF || IsHalfTyped(static_cast<std::uint16_t>(value))) return 0;
    return static_cast<std::uint16_t>(value);
}

std::wstring PositionKey(std::size_t position) { return FormatDecimalW(static_cast<std::int64_t>(position) + 1); }

}  // namespace

std::optional<std::string> FormatPresetDevice(std::string_view presetName, const StoredDevice& device) {
    std::string text = Escape(presetName) + ',' + Escape(WideToUtf8(device.id)) + ',';
    if (device.id.empty() || text.size() > kValueMax) return std::nullopt;
    // The name character by character, as long as it fits; a pair of
    // surrogates stays whole.
    for (std::size_t i = 0; i < device.name.size(); ++i) {
        std::size_t length = 1;
        if (sizeof(wchar_t) == 2 && device.name[i] >= 0xD800 && device.name[i] < 0xDC00 && i + 1 < device.name.size())
            length = 2;
        const std::string part = Escape(WideToUtf8(device.name.substr(i, length)));
        if (text.size() + part.size() > kValueMax) break;
        text += part;
        i += length - 1;
    }
    return text;
}

std::optional<StoredDevice> ParsePresetDevice(std::string_view text, std::string_view presetName) {
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos || text.find(',', second + 1) != std::string_view::npos) return std::nullopt;
    const auto name = Unescape(text.substr(0, first));
    const auto id = Unescape(text.substr(first + 1, second - first - 1));
    const auto deviceName = Unescape(text.substr(second + 1));
    if (!name || !id || !deviceName || *name != presetName || id->empty()) return std::nullopt;
    auto wideId = Utf8Text(*id);
    auto wideName = Utf8Text(*deviceName);
    if (!wideId || !wideName) return std::nullopt;
    return StoredDevice{std::move(*wideId), std::move(*wideName)};
}

DeviceSettings ReadDeviceSettings(const ProfileFile& file, const std::vector<std::string>& presetNames) {
    DeviceSettings settings;
    settings.microphone = Switch(file, kMicrophoneKey);
    settings.microphoneKey = Hotkey(file);
    settings.arrival = Switch(file, kArrivalKey);
    for (std::size_t position = 0; position < presetNames.size() && position < kMaxPresets; ++position) {
        const auto text = ValueText(file, kPresetDevicesSection, PositionKey(position));
        if (text) settings.presets[position] = ParsePresetDevice(*text, presetNames[position]);
    }
    return settings;
}

std::vector<ProfileWrite> DeviceSettingsWrites(const ProfileFile& file, const std::vector<std::string>& presetNames,
                                               const DeviceSettings& settings) {
    std::vector<ProfileWrite> writes;
    const auto writeSwitch = [&](const wchar_t* key, bool on) {
        if (Switch(file, key) != on) writes.push_back({kDevicesSection, key, on ? "1" : "0"});
    };
    writeSwitch(kMicrophoneKey, settings.microphone);
    if (Hotkey(file) != settings.microphoneKey)
        writes.push_back({kDevicesSection, kMicrophoneHotkeyKey, FormatDecimal(settings.microphoneKey)});
    writeSwitch(kArrivalKey, settings.arrival);

    for (std::size_t position = 0; position < presetNames.size() && position < kMaxPresets; ++position) {
        const std::wstring key = PositionKey(position);
        const auto stored = ValueText(file, kPresetDevicesSection, key);
        const auto& wanted = settings.presets[position];
        const auto text = wanted ? FormatPresetDevice(presetNames[position], *wanted) : std::nullopt;
        if (text && text != stored)
            writes.push_back({kPresetDevicesSection, key, text});
        else if (!wanted && stored && ParsePresetDevice(*stored, presetNames[position]))
            writes.push_back({kPresetDevicesSection, key, std::nullopt});
    }
    return writes;
}

}  // namespace quendrel
