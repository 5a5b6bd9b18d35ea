// A mixer of N devices holding raw units, with a log of every write call.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "mixer/mixer.h"
#include "mixer/mixer_scale.h"

namespace quendrel::test {

class FakeMixer : public Mixer {
public:
    enum class Kind { Volume, Mute };
    struct Write {
        Kind kind;
        unsigned device;
        std::uint32_t value;  // units for a volume, 0/1 for a mute
        bool operator==(const Write& o) const { return kind == o.kind && device == o.device && value == o.value; }
    };

    explicit FakeMixer(unsigned devices) : units(devices, 0), mute(devices, 0) {}

    // A failing device reads 0 and ignores writes; its calls are still logged.
    std::set<unsigned> failing;
    std::vector<std::uint32_t> units;
    std::vector<std::uint32_t> mute;
    // What DescribeDevices answers; empty: "Fake N" with version 1.0 for each device.
    std::vector<DeviceDescription> descriptions;
    std::vector<Write> log;
    int volumeReads = 0;

    void SetPercent(unsigned device, unsigned percent) { units.at(device) = PercentToUnits(percent); }
    unsigned Percent(unsigned device) const { return UnitsToPercent(units.at(device)); }
    std::vector<std::uint32_t> VolumeWrites() const {
        std::vector<std::uint32_t> values;
        for (const auto& w : log)
            if (w.kind == Kind::Volume) values.push_back(w.value);
        return values;
    }

    unsigned DeviceCount() override { return static_cast<unsigned>(units.size()); }
    unsigned GetMasterVolume(unsigned device) override {
        ++volumeReads;
        return Readable(device) ? UnitsToPercent(units[device]) : 0;
    }
    void SetMasterVolume(unsigned device, unsigned percent) override {
        log.push_back({Kind::Volume, device, PercentToUnits(percent)});
        if (Readable(device)) units[device] = PercentToUnits(percent);
    }
    std::uint32_t GetMasterMute(unsigned device) override { return Readable(device) ? mute[device] : 0; }
    void SetMasterMute(unsigned device, bool muted) override {
        log.push_back({Kind::Mute, device, muted ? 1u : 0u});
        if (Readable(device)) mute[device] = muted ? 1 : 0;
    }

    // Device 0's watcher while one is registered; Changed() tells it, as the
    // system would.
    Callback<void()> watcher;
    void WatchDevice0(Callback<void()> changed) override { watcher = changed; }
    void StopWatching() override { watcher = {}; }
    void Changed() const { watcher(); }

    std::vector<DeviceDescription> DescribeDevices() override {
        if (!descriptions.empty()) return descriptions;
        std::vector<DeviceDescription> made;
        for (unsigned d = 0; d < units.size(); ++d) made.push_back({L"Fake " + std::wstring(1, L'0' + d % 10), 0x0100});
        return made;
    }

private:
    bool Readable(unsigned device) const { return device < units.size() && !failing.count(device); }
};

}  // namespace quendrel::test
