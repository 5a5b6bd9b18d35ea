// Text at the API boundary: the program's own texts are UTF-8 source, record
// names are Shift-JIS bytes (always code page 932, never CP_ACP), windows take
// UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace quendrel {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
std::wstring FromCp932(std::string_view bytes);
std::string ToCp932(std::wstring_view wide);

}  // namespace quendrel
