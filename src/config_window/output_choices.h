// The items of a preset's output device drop-down: leave the output alone,
// then the active outputs (the default marked), then the preset's own device
// while it is absent, by the name it had when it was chosen.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "devices/sound_devices.h"
#include "table/settings.h"

namespace quendrel {

struct OutputChoices {
    std::vector<std::wstring> labels;
    // By item: what the preset keeps when it is chosen; nothing for the first.
    std::vector<std::optional<StoredDevice>> devices;
    std::size_t chosen = 0;  // the item of the preset's device
};

OutputChoices ListOutputChoices(const std::vector<OutputDevice>& outputs, const std::optional<StoredDevice>& stored);

}  // namespace quendrel
