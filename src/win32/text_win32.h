// Text at the API boundary: the program's own texts are UTF-8 source, record
// names are Shift-JIS bytes (always code page 932, never CP_ACP), windows take
// UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quendrel {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
std::wstring FromCp932(std::string_view bytes);
// A character without a code page 932 form becomes the code page's stand-in
// (a best fit, or "?"), as it does when a caption is stored as a name.
std::string ToCp932(std::wstring_view wide);
// Nothing when a character has no exact code page 932 form: no stand-in can
// then match a stored name.
std::optional<std::string> ToCp932Exactly(std::wstring_view wide);

}  // namespace quendrel
