// The notification window's texts (UTF-8; converted at the API boundary).
#pragma once

namespace quendrel::texts {

inline constexpr char kNotificationCaption[] = "通知フォーム";

}  // namespace quendrel::texts
