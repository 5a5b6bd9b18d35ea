// Decimal numbers as the windows show them and as files and command lines
// hold them, without the C library's formatted I/O.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendrel {

// "-42", "0", "2147483647".
std::string FormatDecimal(std::int64_t value);
std::wstring FormatDecimalW(std::int64_t value);

// Digits beyond any value the program takes saturate here, so that a long
// run of digits cannot overflow on its way to its caller's limit.
constexpr std::uint64_t kDigitsCap = std::uint64_t{1} << 40;

// The value of a text of ASCII digits only (at least one), saturated at
// kDigitsCap; nothing for anything else. Any character type: the windows'
// UTF-16, the files' bytes.
template <typename Char>
std::optional<std::uint64_t> ParseDigits(std::basic_string_view<Char> text) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (Char c : text) {
        if (c < Char('0') || c > Char('9')) return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - Char('0'));
        if (value > kDigitsCap) value = kDigitsCap;
    }
    return value;
}

// An optional sign and decimal digits, nothing else, within int; false
// otherwise and value is left alone.
bool ParseDecimal(std::wstring_view text, int& value);

}  // namespace quendrel
