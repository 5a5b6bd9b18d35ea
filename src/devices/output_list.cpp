#include "devices/output_list.h"

#include <algorithm>

#include "base/decimal.h"

namespace quendrel {
namespace {

const OutputDevice* DefaultOf(const std::vector<OutputDevice>& outputs) {
    const auto found =
        std::find_if(outputs.begin(), outputs.end(), [](const OutputDevice& device) { return device.isDefault; });
    return found == outputs.end() ? nullptr : &*found;
}

}  // namespace

OutputTracker::Changes OutputTracker::Update(std::vector<OutputDevice> now) {
    Changes changes;
    for (const OutputDevice& device : now) {
        const bool known =
            std::any_of(known_.begin(), known_.end(), [&](const OutputDevice& seen) { return seen.id == device.id; });
        if (!known) changes.arrived.push_back(device.id);
    }
    const OutputDevice* before = DefaultOf(known_);
    const OutputDevice* after = DefaultOf(now);
    changes.defaultChanged = (before == nullptr) != (after == nullptr) || (before && before->id != after->id);
    known_ = std::move(now);
    return changes;
}

std::vector<std::wstring> NumberedNames(const std::vector<std::wstring>& names) {
    std::vector<std::wstring> ids;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto same = std::count(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(i), names[i]);
        ids.push_back(same == 0 ? names[i] : names[i] + L" #" + FormatDecimalW(same + 1));
    }
    return ids;
}

std::optional<std::size_t> FindOutput(const std::vector<OutputDevice>& outputs, std::wstring_view argument) {
    if (const auto position = ParseDigits(argument)) {
        if (*position >= 1 && *position <= outputs.size()) return static_cast<std::size_t>(*position - 1);
        return std::nullopt;
    }
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (outputs[i].name == argument) return i;
    return std::nullopt;
}

}  // namespace quendrel
