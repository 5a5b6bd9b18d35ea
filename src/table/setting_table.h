// The setting table: five function slots and up to 28 presets, each one
// 120-byte record laid out exactly as SndCols.ini stores it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendrel {

constexpr std::size_t kRecordSize = 120;
constexpr std::size_t kRecordCount = 33;
constexpr std::size_t kSlotCount = 5;
constexpr std::size_t kMaxPresets = kRecordCount - kSlotCount;  // 28
constexpr std::size_t kNameMax = 100;

enum SlotIndex : std::size_t {
    kUpSlot = 0,
    kDownSlot = 1,
    kMuteSlot = 2,
    kCaptureSlot = 3,
    kNotifySlot = 4,
    kFirstPreset = 5,
};

constexpr std::uint32_t kEnabledOn = 0xFFFFFFFFu;

struct SettingRecord {
    std::uint8_t nameLength = 0;
    char nameText[kNameMax] = {};
    std::uint8_t alignment[3] = {};
    std::uint32_t hotkey = 0;
    std::int32_t value = 0;
    std::uint32_t reserved = 0;
    std::uint32_t enabled = 0;

    // The stored name; a length byte above 100 counts as 100.
    std::string Name() const;
    // Every write of a name keeps its first 100 bytes; bytes after them stay.
    void SetName(std::string_view name);
    bool IsEnabled() const { return enabled != 0; }
    std::uint16_t HotkeyValue() const { return static_cast<std::uint16_t>(hotkey & 0xFFFFu); }
};

static_assert(sizeof(SettingRecord) == kRecordSize, "record layout is the file format");
static_assert(offsetof(SettingRecord, alignment) == 1 + kNameMax, "record layout is the file format");
static_assert(offsetof(SettingRecord, hotkey) == 104, "record layout is the file format");
static_assert(offsetof(SettingRecord, value) == 108, "record layout is the file format");
static_assert(offsetof(SettingRecord, reserved) == 112, "record layout is the file format");
static_assert(offsetof(SettingRecord, enabled) == 116, "record layout is the file format");

struct SettingTable {
    std::array<SettingRecord, kRecordCount> records{};
    std::uint8_t count = 0;  // presets, 0..28

    SettingRecord& operator[](std::size_t index) { return records[index]; }
    const SettingRecord& operator[](std::size_t index) const { return records[index]; }
    SettingRecord& Preset(std::size_t position) { return records[kFirstPreset + position]; }
    const SettingRecord& Preset(std::size_t position) const { return records[kFirstPreset + position]; }
    // Records 0 .. count + 4.
    std::size_t UsedRecords() const { return kSlotCount + count; }

    // Fills the first free preset record; the record index, or nothing when full.
    std::optional<std::size_t> AppendPresetRecord(std::string_view name, std::int32_t volume, std::uint32_t hotkey);
    void RemovePresetRecord(std::size_t position);
    // Presets at position and position + 1 change places, whole records.
    void SwapPresetRecords(std::size_t position);
    // What a first run starts from.
    void SetDefaults();

    // The file image: records 0 .. count + 4, 120 bytes each.
    std::vector<std::uint8_t> Image() const;
    // Takes the whole records of a file image, at most 33: the slots as
    // stored, each preset as AppendPresetRecord adds it. The table must be
    // all zero first.
    void LoadFromImage(const std::vector<std::uint8_t>& image);
};

}  // namespace quendrel
