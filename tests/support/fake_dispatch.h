// The actions' host as plain records, and the dispatch wired over fake
// devices as the resident wires it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "actions/action_dispatch.h"
#include "fake_devices.h"
#include "fake_fade.h"
#include "fake_mixer.h"

namespace quendrel::test {

struct FakeDispatchHost : ActionHost {
    SettingTable& table;
    explicit FakeDispatchHost(SettingTable& t) : table(t) {}

    bool fade = false;
    int fadeReads = 0;
    int opened = 0;
    struct Added {
        std::string name;
        std::int32_t volume;
        std::uint32_t hotkey;
    };
    std::vector<Added> added;
    std::vector<std::pair<std::string, std::int32_t>> shown;
    std::vector<std::pair<SwitchResult, std::wstring>> told;  // outputs a preset could not choose

    bool ReadFadeSetting() override {
        ++fadeReads;
        return fade;
    }
    void AddPreset(const std::string& name, std::int32_t volume, std::uint32_t hotkey) override {
        added.push_back({name, volume, hotkey});
        table.AppendPresetRecord(name, volume, hotkey);  // refuses the 29th, as the window does
    }
    void ShowNotification(const std::string& text, std::int32_t seconds) override { shown.emplace_back(text, seconds); }
    void OpenWindow() override { ++opened; }
    // ASCII alone has an exact form here.
    std::string StoredName(const Utf16String& name) override {
        for (auto unit : name)
            if (unit >= 0x80) return {};
        return {name.begin(), name.end()};
    }

    void TellOutputNotChosen(SwitchResult why, const std::wstring& deviceName) override {
        told.emplace_back(why, deviceName);
    }

    std::string LastText() const { return shown.empty() ? "<none>" : shown.back().first; }
};

template <typename DeviceMixer = FakeMixer>
struct DispatchRig {
    explicit DispatchRig(unsigned devices) : mixer(devices) { applier.SetView(&view); }

    Settings settings;
    SettingTable& table = settings.table;
    DeviceMixer mixer;
    FakeDevices devices;
    FakeTimer timer;
    FakeFadeView view;
    VolumeApplier applier{mixer, timer};
    FakeDispatchHost host{table};
    ActionDispatcher dispatcher{settings, mixer, applier, host, devices};

    // What the hotkey with this identifier does.
    void Hotkey(std::size_t id) {
        if (const auto action = HotkeyAction(id)) dispatcher.Perform(*action);
    }
};

}  // namespace quendrel::test
