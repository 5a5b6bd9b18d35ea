// Texts of the error display that several windows share (UTF-8).
#pragma once

namespace quendrel::texts {

inline constexpr char kCannotWrite[] = "%s に書き込めません";

}  // namespace quendrel::texts
