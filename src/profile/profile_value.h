// Integers as NotifyFont.ini holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quendrel {

// "0x1C"/"0X1C" (more than two characters) is hexadecimal; otherwise leading
// blanks, then either a decimal number with an optional sign or a hexadecimal
// one after "$", "x" or "X". The whole text must be consumed. Nothing when the
// text is empty, holds any other character or is out of range: the caller's
// default then applies.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

}  // namespace quendrel
