// Setting tables as the tests write them: the default slots, a few switched
// on, then presets in order.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "table/setting_table.h"

namespace quendrel::test {

struct PresetRow {
    const char* name;
    std::int32_t volume;
    std::uint32_t hotkey;
};

inline SettingTable TableWith(std::initializer_list<PresetRow> presets = {}) {
    SettingTable table;
    table.SetDefaults();
    for (const PresetRow& row : presets) table.AppendPresetRecord(row.name, row.volume, row.hotkey);
    return table;
}

// A function slot ticked, with its key when one is given.
inline void SwitchOn(SettingTable& table, std::size_t slot, std::uint32_t hotkey = 0) {
    table[slot].enabled = kEnabledOn;
    if (hotkey) table[slot].hotkey = hotkey;
}

}  // namespace quendrel::test
