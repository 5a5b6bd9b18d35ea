// Every hotkey identifier, dispatched over a fuzzed setting table against the
// fake mixer with fade timer ticks in between: the mixer only ever gets 0..100,
// records keep names of at most 100 bytes, the table keeps its shape.
//
// Input: a flags byte (devices, fade, notification, failing devices), one
// starting level byte per device, a 16-bit image length, the image, then
// pairs of (identifier, fade timer ticks).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fake_dispatch.h"
#include "mixer/mixer_scale.h"
#include "table/setting_table.h"

using namespace quendrel;

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// The mixer port promises callers clamp: anything above 100 is a fault.
struct CheckingMixer : test::FakeMixer {
    using test::FakeMixer::FakeMixer;
    void SetMasterVolume(unsigned device, unsigned percent) override {
        Check(percent <= 100);
        Check(device < units.size());
        test::FakeMixer::SetMasterVolume(device, percent);
    }
    void SetMasterMute(unsigned device, bool muted) override {
        Check(device < units.size());
        test::FakeMixer::SetMasterMute(device, muted);
    }
};

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool More() const { return at < size; }
    std::uint8_t Byte() { return at < size ? data[at++] : 0; }
};

const SettingRecord kZero{};

void CheckTable(const SettingTable& table) {
    Check(table.count <= kMaxPresets);
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const SettingRecord& record = table[i];
        Check(record.Name().size() <= kNameMax);
        if (i >= kFirstPreset && i < table.UsedRecords()) Check(record.nameLength <= kNameMax);
        if (i >= table.UsedRecords()) Check(std::memcmp(&record, &kZero, kRecordSize) == 0);
    }
}

void CheckMixer(const CheckingMixer& mixer) {
    for (const auto& write : mixer.log)
        if (write.kind == test::FakeMixer::Kind::Volume)
            Check(write.value <= 65500 && write.value % kUnitsPerPercent == 0);
    for (std::uint32_t units : mixer.units) Check(units <= 65535);
}

// Readable devices all at percent after a direct change.
void CheckLevels(const CheckingMixer& mixer, int percent) {
    for (unsigned d = 0; d < mixer.units.size(); ++d)
        if (!mixer.failing.count(d)) Check(mixer.units[d] == PercentToUnits(static_cast<unsigned>(percent)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    const std::uint8_t flags = in.Byte();
    const unsigned devices = (flags & 3u) % 3u + 1u;

    test::DispatchRig<CheckingMixer> rig(devices);
    SettingTable& table = rig.table;
    CheckingMixer& mixer = rig.mixer;
    test::FakeTimer& timer = rig.timer;
    VolumeApplier& applier = rig.applier;
    test::FakeDispatchHost& host = rig.host;
    ActionDispatcher& dispatcher = rig.dispatcher;

    host.fade = (flags & 4u) != 0;
    for (unsigned d = 0; d < devices; ++d) {
        if (flags & (16u << d)) mixer.failing.insert(d);
        mixer.units[d] = in.Byte() * 257u;  // 0..65535, the mixer's full range
    }

    std::size_t length = in.Byte();
    length |= static_cast<std::size_t>(in.Byte()) << 8;
    length %= (kRecordCount + 2) * kRecordSize;
    if (length > size - in.at) length = size - in.at;
    table.LoadFromImage(std::vector<std::uint8_t>(data + in.at, data + in.at + length));
    in.at += length;
    table[kNotifySlot].enabled = (flags & 8u) != 0 ? kEnabledOn : 0;
    CheckTable(table);

    // Long sequences only slow the fuzzer down; 64 presses are enough to fill the table by capture.
    for (int step = 0; step < 64 && in.More(); ++step) {
        const unsigned id = in.Byte() % (kRecordCount + 7);  // a few stray identifiers too
        const unsigned ticks = in.Byte() % 128u;
        // A hotkey acts only for its ticked record.
        const bool used = id < table.UsedRecords() && table[id].IsEnabled();
        const int current = ClampPercent(mixer.GetMasterVolume(0));
        const std::int32_t stored = used ? table[id].value : 0;

        if (const auto action = HotkeyAction(id)) dispatcher.Perform(*action);
        for (const auto& shown : host.shown) Check(shown.first.size() <= kNameMax + std::string(" 100%").size());
        host.shown.clear();
        CheckTable(table);
        CheckMixer(mixer);
        if (used && id == kUpSlot) CheckLevels(mixer, ClampPercent(std::int64_t{current} + stored));
        if (used && id == kDownSlot) CheckLevels(mixer, ClampPercent(std::int64_t{current} - stored));
        if (used && id >= kFirstPreset && !host.fade) CheckLevels(mixer, ClampPercent(stored));

        // Every step of the fade is a write, checked within 0..100 per cent.
        for (unsigned t = 0; t < ticks && timer.Running(); ++t) applier.FadeStep();
        CheckMixer(mixer);
        mixer.log.clear();
    }
    return 0;
}
