// The settings as the program holds them while it runs: the setting table
// and, beside it, each preset's caption as the user typed it. A stored name
// keeps 100 bytes of code page 932; the list and the names of hotkeys that
// cannot act show the whole text. Presets change through here, so that the
// two move together.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "table/setting_table.h"

namespace quendrel {

struct Settings {
    SettingTable table;
    std::array<std::wstring, kMaxPresets> captions;  // by preset position

    // The preset joins both; its record index, or nothing at 28 presets.
    std::optional<std::size_t> AddPreset(std::string_view nameCp932, std::wstring caption, std::int32_t volume,
                                         std::uint32_t hotkey);
    void RemovePreset(std::size_t position);
    // The presets at position and position + 1 change places.
    void SwapPresets(std::size_t position);
    void RenamePreset(std::size_t position, std::string_view nameCp932, std::wstring caption);
};

}  // namespace quendrel
