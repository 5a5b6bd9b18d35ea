#include "table/setting_table.h"

#include <algorithm>
#include <cstring>

#include "table/table_texts.h"

namespace quendrel {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are copied as they lie in memory");

std::string SettingRecord::Name() const { return std::string(nameText, std::min<std::size_t>(nameLength, kNameMax)); }

void SettingRecord::SetName(std::string_view name) {
    const std::size_t length = std::min(name.size(), kNameMax);
    std::memcpy(nameText, name.data(), length);
    nameLength = static_cast<std::uint8_t>(length);
}

std::optional<std::size_t> SettingTable::AppendPresetRecord(std::string_view name, std::int32_t volume,
                                                            std::uint32_t hotkey) {
    if (count >= kMaxPresets) return std::nullopt;
    const std::size_t index = kFirstPreset + count;
    SettingRecord& record = records[index];
    record.SetName(name);
    record.value = volume;
    record.enabled = kEnabledOn;
    record.hotkey = hotkey;
    ++count;
    return index;
}

void SettingTable::RemovePresetRecord(std::size_t position) {
    if (position >= count) return;
    const std::size_t last = kFirstPreset + count - 1;
    for (std::size_t i = kFirstPreset + position; i < last; ++i) records[i] = records[i + 1];
    records[last] = SettingRecord{};
    --count;
}

void SettingTable::SwapPresetRecords(std::size_t position) {
    if (position + 1 >= count) return;
    std::swap(records[kFirstPreset + position], records[kFirstPreset + position + 1]);
}

void SettingTable::SetDefaults() {
    records[kUpSlot].value = 2;
    records[kUpSlot].SetName(texts::kUpName);
    records[kDownSlot].value = 2;
    records[kDownSlot].SetName(texts::kDownName);
    records[kNotifySlot].value = 2;
}

std::vector<std::uint8_t> SettingTable::Image() const {
    std::vector<std::uint8_t> image(UsedRecords() * kRecordSize);
    std::memcpy(image.data(), records.data(), image.size());
    return image;
}

void SettingTable::LoadFromImage(const std::vector<std::uint8_t>& image) {
    const std::size_t whole = std::min(image.size() / kRecordSize, kRecordCount);
    for (std::size_t i = 0; i < whole; ++i) {
        SettingRecord& record = records[i];
        std::memcpy(&record, image.data() + i * kRecordSize, kRecordSize);
        // A preset is added as any other: named, switched on, counted.
        if (i >= kSlotCount) AppendPresetRecord(record.Name(), record.value, record.hotkey);
    }
}

}  // namespace quendrel
