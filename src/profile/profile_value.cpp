#include "profile/profile_value.h"

#include "base/decimal.h"

namespace quendrel {
namespace {

constexpr std::uint64_t kHexMax = 0xFFFFFFFFu;
constexpr std::uint64_t kDecimalMax = 0x80000000u;  // magnitude of INT32_MIN

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Hexadecimal takes any 32-bit pattern, so 0xFFFFFFFF is -1 as a colour or
// size would be stored; only values that need more than 32 bits are refused.
// Leading zeros do not count against that.
std::optional<std::int32_t> ParseHexDigits(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > kHexMax) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return ParseHexDigits(text.substr(2));

    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X'))
        return ParseHexDigits(text.substr(i + 1));

    // The sign belongs to the decimal form only: "-$10" is refused.
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const auto magnitude = ParseDigits(text.substr(i));
    if (!magnitude || *magnitude > kDecimalMax || (!negative && *magnitude == kDecimalMax)) return std::nullopt;
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(value);
}

}  // namespace quendrel
