// The profile file parser on any bytes under a Shift-JIS code page, and, with
// every byte cut to ASCII, in three encodings against the rules written plainly.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "profile/profile_file.h"

using namespace quendrel;

namespace {

const char kBlanks[] = "\t\n\v\f\r\x1a ";

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

bool Same(const std::string& name, std::wstring_view wanted) {
    return std::equal(name.begin(), std::find(name.begin(), name.end(), '\0'), wanted.begin(), wanted.end(),
                      [](char a, wchar_t b) { return std::tolower(a) == std::tolower(b); });
}

std::optional<std::string> Reference(const std::string& file, std::wstring_view section, std::wstring_view key) {
    bool in = section.empty();
    for (std::size_t at = 0; at <= file.size();) {
        const std::size_t end = std::min(file.find_first_of("\r\n", at), file.size());
        const std::string line = Trim(file.substr(at, end - at));
        at = end + 1;
        const std::size_t close = line.rfind(']');
        if (!line.empty() && line[0] == '[' && close != std::string::npos) {
            if (in) return std::nullopt;
            in = Same(Trim(line.substr(1, close - 1)), section);
        } else if (in && !line.empty()) {
            const std::size_t equals = line.find('=');
            if (!Same(Trim(line.substr(0, equals)), key)) continue;
            if (equals == std::string::npos) return std::nullopt;
            std::string value = Trim(line.substr(equals + 1)).c_str();
            const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
            if (quoted) value.erase(0, 1);
            const std::size_t kept = std::min<std::size_t>(value.size(), 2047) - (quoted && value.size() <= 2048);
            return value.substr(0, kept);
        }
    }
    return std::nullopt;
}

std::string Wide(const std::string& ascii) {
    std::string wide;
    for (char c : ascii) wide += {c, '\0'};
    return wide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LeadBytes shiftJis;
    for (int b = 0x81; b <= 0xFC; ++b) shiftJis.set(b, b <= 0x9F || b >= 0xE0);
    const std::string raw(reinterpret_cast<const char*>(data), size);
    std::string ascii = raw;
    for (char& c : ascii) c = static_cast<char>(c & 0x7F);
    const ProfileFile anyBytes(raw, shiftJis);
    const ProfileFile encodings[] = {ProfileFile(ascii, shiftJis), ProfileFile("\xEF\xBB\xBF" + ascii, {}),
                                     ProfileFile("\xFF\xFE" + Wide(ascii), {})};

    const wchar_t* names[][2] = {
        {L"Font", L"size"}, {L"font", L"NAME"}, {L"Changes", L"FADE"}, {L"", L"size"}, {L"F", L"a"}};
    for (const auto& [section, key] : names) {
        const auto text = anyBytes.Find(section, key);
        if (text && (text->bytes.size() > 2 * 2047 || (text->utf16 && text->bytes.size() % 2 != 0))) std::abort();
        const auto expected = Reference(ascii, section, key);
        for (const ProfileFile& file : encodings) {
            const auto found = file.Find(section, key);
            if (found.has_value() != expected.has_value()) std::abort();
            if (found && found->bytes != (found->utf16 ? Wide(*expected) : *expected)) std::abort();
        }
    }
    return 0;
}
