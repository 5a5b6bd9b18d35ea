// The smooth-change switch, key FADE of section Changes in NotifyFont.ini.
#pragma once

#include <optional>
#include <string>

namespace quendrel {

// text is the key's value, nothing when the file, section or key is missing.
// On unless it reads as the integer 0.
bool FadeSettingFromProfile(std::optional<std::string> text);

}  // namespace quendrel
