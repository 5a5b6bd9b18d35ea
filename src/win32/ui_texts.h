// Texts of the toolkit's message boxes and balloons (UTF-8).
#pragma once

namespace quendrel::texts {

// The application's title: the caption of its message boxes and balloons.
inline constexpr char kAppTitle[] = "Quendrel";
inline constexpr char kCannotWrite[] = "%s に書き込めません";

}  // namespace quendrel::texts
