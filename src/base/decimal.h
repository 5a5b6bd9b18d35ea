// Decimal numbers as the windows show and take them, without the C
// library's formatted I/O.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quendrel {

// "-42", "0", "2147483647".
std::string FormatDecimal(std::int64_t value);
std::wstring FormatDecimalW(std::int64_t value);

// An optional sign and decimal digits, nothing else, within int; false
// otherwise and value is left alone.
bool ParseDecimal(std::wstring_view text, int& value);

}  // namespace quendrel
