// Any SndCols.ini image loads; the slots come through as stored, presets are
// switched on with names cut to 100 bytes, and saving then loading again
// reproduces the saved image byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "table/setting_table.h"

using namespace quendrel;

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// Record bytes of the input as the loaded table should hold them.
std::vector<std::uint8_t> Expected(const std::uint8_t* data, std::size_t size) {
    const std::size_t whole = std::min(size / kRecordSize, kRecordCount);
    std::vector<std::uint8_t> image(data, data + whole * kRecordSize);
    for (std::size_t i = kSlotCount; i < whole; ++i) {
        std::uint8_t* record = image.data() + i * kRecordSize;
        if (record[0] > kNameMax) record[0] = kNameMax;
        std::memset(record + offsetof(SettingRecord, enabled), 0xFF, 4);
    }
    // Fewer than five records: the missing slots stay zero.
    if (image.size() < kSlotCount * kRecordSize) image.resize(kSlotCount * kRecordSize, 0);
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingTable first;
    first.LoadFromImage(std::vector<std::uint8_t>(data, data + size));
    const std::vector<std::uint8_t> saved = first.Image();

    Check(first.count <= kMaxPresets);
    Check(saved.size() == (kSlotCount + first.count) * kRecordSize);
    Check(saved == Expected(data, size));
    for (std::size_t i = first.UsedRecords(); i < kRecordCount; ++i) {
        const SettingRecord& record = first[i];
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
        for (std::size_t b = 0; b < kRecordSize; ++b) Check(bytes[b] == 0);
    }

    SettingTable second;
    second.LoadFromImage(saved);
    Check(second.count == first.count);
    Check(second.Image() == saved);
    return 0;
}
