// The profile file parser on any bytes under a Shift-JIS code page, and,
// with every byte cut to ASCII, against the rules written plainly with string
// operations, in all four encodings.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "notify/profile_file.h"

using namespace quendrel;

namespace {

std::string Trim(const std::string& text) {
    const char* blanks = "\t\n\v\f\r\x1a ";
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

bool Same(std::string name, std::wstring_view wanted) {
    name = name.substr(0, name.find('\0'));
    return name.size() == wanted.size() && std::equal(name.begin(), name.end(), wanted.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
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
            std::string value = Trim(line.substr(equals + 1));
            value = value.substr(0, value.find('\0'));
            const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
            if (quoted) value.erase(0, 1);
            const std::size_t kept = std::min<std::size_t>(value.size(), 2047) - (quoted && value.size() <= 2048);
            return value.substr(0, kept);
        }
    }
    return std::nullopt;
}

// ASCII text as UTF-16, in either byte order.
std::string Wide(const std::string& text, bool bigEndian) {
    std::string wide;
    for (char c : text) wide += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
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
                                     ProfileFile("\xFF\xFE" + Wide(ascii, false), {}),
                                     ProfileFile(std::string("\xFE\xFF") + Wide(ascii, true), {})};

    const wchar_t* names[][2] = {
        {L"Font", L"size"}, {L"font", L"NAME"}, {L"Changes", L"FADE"}, {L"", L"size"}, {L"F", L"a"}};
    for (const auto& [section, key] : names) {
        const auto text = anyBytes.Find(section, key);
        if (text && (text->bytes.size() > 2 * 2047 || (text->utf16 && text->bytes.size() % 2 != 0))) std::abort();
        const auto expected = Reference(ascii, section, key);
        for (const ProfileFile& file : encodings) {
            const auto found = file.Find(section, key);
            if (found.has_value() != expected.has_value()) std::abort();
            if (found && found->bytes != (found->utf16 ? Wide(*expected, false) : *expected)) std::abort();
        }
    }
    return 0;
}
