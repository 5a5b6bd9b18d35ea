#include "config_window/output_choices.h"

#include "base/utf8.h"
#include "config_window/config_window_texts.h"

namespace quendrel {

OutputChoices ListOutputChoices(const std::vector<OutputDevice>& outputs, const std::optional<StoredDevice>& stored) {
    OutputChoices choices;
    choices.labels.push_back(Utf8ToWide(texts::kOutputUnchanged));
    choices.devices.emplace_back();
    for (const OutputDevice& output : outputs) {
        // The same device by its id, under the name it has now.
        if (stored && stored->id == output.id) choices.chosen = choices.labels.size();
        choices.labels.push_back(output.isDefault ? output.name + Utf8ToWide(texts::kOutputDefaultMark) : output.name);
        choices.devices.push_back(StoredDevice{output.id, output.name});
    }
    if (stored && choices.chosen == 0) {
        choices.chosen = choices.labels.size();
        choices.labels.push_back(stored->name + Utf8ToWide(texts::kOutputAbsentMark));
        choices.devices.push_back(stored);
    }
    return choices;
}

}  // namespace quendrel
