// What a global hotkey does: the identifier is the index of the setting
// record whose key was pressed.
#pragma once

#include <cstdint>
#include <string>

#include "actions/volume_applier.h"
#include "mixer/mixer.h"
#include "table/setting_table.h"

namespace quendrel {

// What a dispatch needs beyond the table, the mixer and the applier.
class DispatchHost {
public:
    virtual ~DispatchHost() = default;
    // The smooth-change switch, read afresh.
    virtual bool ReadFadeSetting() = 0;
    // The window's AddPreset with caption editing off; at 28 presets it shows
    // its message and adds nothing.
    virtual void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) = 0;
    // Whether the notification is switched on.
    virtual bool NotifyEnabled() = 0;
    // The notification window shows the text for seconds, in the font and
    // colour stored now.
    virtual void ShowNotification(const std::string& textCp932, std::int32_t seconds) = 0;
};

class HotkeyDispatcher {
public:
    HotkeyDispatcher(SettingTable& table, Mixer& mixer, VolumeApplier& applier, DispatchHost& host)
        : table_(table), mixer_(mixer), applier_(applier), host_(host) {}

    void DispatchHotKey(unsigned id);

    std::int32_t LastCapturedVolume() const { return lastCaptured_; }

private:
    void Capture(int current);

    SettingTable& table_;
    Mixer& mixer_;
    VolumeApplier& applier_;
    DispatchHost& host_;
    std::int32_t lastCaptured_ = 0;
};

}  // namespace quendrel
