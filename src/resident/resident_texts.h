// The resident program's own messages (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kNoSoundDevice[] = "サウンドデバイスが見つかりません ";

}  // namespace quendrel::texts
