// The program body's own texts (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kAlreadyRunning[] = "このプログラムは二重起動することはできません";

}  // namespace quendrel::texts
