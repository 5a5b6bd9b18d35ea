// UTF-8 and UTF-16 for the portable core, which builds window texts from the
// program's UTF-8 texts without the system's conversions.
#pragma once

#include <string>
#include <string_view>

namespace quendrel {

// Well-formed UTF-8 only (the program's own texts); a malformed byte becomes
// U+FFFD. Characters beyond U+FFFF become surrogate pairs where wchar_t has
// 16 bits.
std::wstring Utf8ToWide(std::string_view utf8);
// A surrogate without its pair becomes U+FFFD.
std::string WideToUtf8(std::wstring_view wide);

}  // namespace quendrel
