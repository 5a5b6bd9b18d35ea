// Sound devices as plain values: the outputs, whether the default can be
// switched, the microphones' mute, and the events a test fires by hand.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "devices/sound_devices.h"

namespace quendrel::test {

class FakeDevices : public SoundDevices {
public:
    struct VolumeSet {
        std::wstring id;
        std::optional<unsigned> percent;
        std::optional<bool> muted;
        bool operator==(const VolumeSet& o) const { return id == o.id && percent == o.percent && muted == o.muted; }
    };

    std::vector<OutputDevice> outputs;
    bool canSwitch = true;
    bool hasMicrophone = true;
    bool microphoneMuted = false;
    std::vector<std::wstring> madeDefault;  // every MakeDefault that succeeded
    std::vector<VolumeSet> volumesSet;
    DeviceEvents events;  // while watched
    bool watching = false;
    int changes = 0;  // DevicesChanged calls

    std::vector<OutputDevice> Outputs() override { return outputs; }
    bool CanSwitch() override { return canSwitch; }
    SwitchResult MakeDefault(const std::wstring& id) override {
        if (!canSwitch) return SwitchResult::kCannotSwitch;
        bool found = false;
        for (OutputDevice& output : outputs) {
            found = found || output.id == id;
            output.isDefault = output.id == id;
        }
        if (!found) return SwitchResult::kNoSuchDevice;
        madeDefault.push_back(id);
        return SwitchResult::kDone;
    }
    bool SetOutputVolume(const std::wstring& id, std::optional<unsigned> percent, std::optional<bool> muted) override {
        volumesSet.push_back({id, percent, muted});
        return true;
    }
    bool HasMicrophoneMute() override { return hasMicrophone; }
    std::optional<bool> ToggleMicrophoneMute() override { return SetMicrophoneMute(!microphoneMuted); }
    std::optional<bool> SetMicrophoneMute(bool muted) override {
        if (!hasMicrophone) return std::nullopt;
        return microphoneMuted = muted;
    }
    void Watch(DeviceEvents watched) override {
        events = watched;
        watching = true;
    }
    void StopWatching() override {
        events = {};
        watching = false;
    }
    void DevicesChanged() override { ++changes; }
};

}  // namespace quendrel::test
