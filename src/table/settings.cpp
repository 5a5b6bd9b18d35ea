#include "table/settings.h"

#include <utility>

namespace quendrel {

std::optional<std::size_t> Settings::AddPreset(std::string_view nameCp932, std::wstring caption, std::int32_t volume,
                                               std::uint32_t hotkey) {
    const auto index = table.AppendPresetRecord(nameCp932, volume, hotkey);
    if (index) {
        captions[*index - kFirstPreset] = std::move(caption);
        devices.presets[*index - kFirstPreset].reset();
    }
    return index;
}

void Settings::RemovePreset(std::size_t position) {
    if (position >= table.count) return;
    for (std::size_t p = position; p + 1 < table.count; ++p) {
        captions[p] = std::move(captions[p + 1]);
        devices.presets[p] = std::move(devices.presets[p + 1]);
    }
    captions[table.count - 1].clear();
    devices.presets[table.count - 1].reset();
    table.RemovePresetRecord(position);
}

void Settings::SwapPresets(std::size_t position) {
    if (position + 1 >= table.count) return;
    std::swap(captions[position], captions[position + 1]);
    std::swap(devices.presets[position], devices.presets[position + 1]);
    table.SwapPresetRecords(position);
}

void Settings::RenamePreset(std::size_t position, std::string_view nameCp932, std::wstring caption) {
    if (position >= table.count) return;
    table.Preset(position).SetName(nameCp932);
    captions[position] = std::move(caption);
}

std::vector<std::string> Settings::PresetNames() const {
    std::vector<std::string> names;
    for (std::size_t position = 0; position < table.count; ++position) names.push_back(table.Preset(position).Name());
    return names;
}

}  // namespace quendrel
