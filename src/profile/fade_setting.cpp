#include "profile/fade_setting.h"

#include "profile/profile_value.h"

namespace quendrel {

bool FadeSettingFromProfile(std::optional<std::string> text) {
    if (!text) return true;
    const auto value = ParseProfileInteger(*text);
    return !value || *value != 0;
}

}  // namespace quendrel
