#include "base/decimal.h"

#include <climits>

namespace quendrel {
namespace {

template <typename Char>
std::basic_string<Char> Format(std::int64_t value) {
    // Digits of the magnitude from the right, so INT64_MIN needs no special case.
    Char digits[24];
    std::size_t at = sizeof digits / sizeof *digits;
    std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[--at] = static_cast<Char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[--at] = static_cast<Char>('-');
    return std::basic_string<Char>(digits + at, sizeof digits / sizeof *digits - at);
}

}  // namespace

std::string FormatDecimal(std::int64_t value) { return Format<char>(value); }
std::wstring FormatDecimalW(std::int64_t value) { return Format<wchar_t>(value); }

bool ParseDecimal(std::wstring_view text, int& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == L'+' || text[0] == L'-')) {
        negative = text[0] == L'-';
        text.remove_prefix(1);
    }
    const auto magnitude = ParseDigits(text);
    if (!magnitude) return false;
    const std::int64_t number =
        negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
    if (number > INT_MAX || number < INT_MIN) return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace quendrel
