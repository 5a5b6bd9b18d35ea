// The settings as the program holds them while it runs: the setting table
// and, beside it, each preset's caption as the user typed it and the output
// device it chooses, with the sound devices' switches. A stored name keeps
// 100 bytes of code page 932; the list and the names of hotkeys that cannot
// act show the whole text. Presets change through here, so that what belongs
// to a preset moves with it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/setting_table.h"

namespace quendrel {

// The output device a preset chooses: its id, and its name to show while it
// is absent.
struct StoredDevice {
    std::wstring id;
    std::wstring name;
    bool operator==(const StoredDevice& other) const { return id == other.id && name == other.name; }
};

// The microphone key's hotkey identifier: the one after the records', whose
// identifiers are their indices.
constexpr std::size_t kMicrophoneHotkeyId = kRecordCount;

// What NotifyFont.ini keeps for the sound devices (profile/device_settings.h).
struct DeviceSettings {
    // By preset position; nothing where the preset leaves the output alone.
    std::array<std::optional<StoredDevice>, kMaxPresets> presets;
    std::uint16_t microphoneKey = 0;  // a hotkey value, as the table's
    bool microphone = false;          // the microphone key's switch
    bool arrival = false;             // outputs that arrive take the volume
};

struct Settings {
    SettingTable table;
    std::array<std::wstring, kMaxPresets> captions;  // by preset position
    DeviceSettings devices;

    // The preset joins both; its record index, or nothing at 28 presets.
    std::optional<std::size_t> AddPreset(std::string_view nameCp932, std::wstring caption, std::int32_t volume,
                                         std::uint32_t hotkey);
    void RemovePreset(std::size_t position);
    // The presets at position and position + 1 change places.
    void SwapPresets(std::size_t position);
    void RenamePreset(std::size_t position, std::string_view nameCp932, std::wstring caption);
    // The stored names of the presets, by position.
    std::vector<std::string> PresetNames() const;
};

}  // namespace quendrel
