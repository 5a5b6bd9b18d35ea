// What a global hotkey does (the identifier is the index of the setting
// record whose key was pressed), and what /volume does: every volume an
// action sets goes through one step that applies it and shows it.
#pragma once

#include <cstdint>
#include <string>

#include "actions/volume_applier.h"
#include "mixer/mixer.h"
#include "table/setting_table.h"

namespace quendrel {

// What the actions need beyond the table, the mixer and the applier.
class ActionHost {
public:
    virtual ~ActionHost() = default;
    // The smooth-change switch, read afresh.
    virtual bool ReadFadeSetting() = 0;
    // A captured preset into the table and the list; at 28 presets the
    // message and nothing added.
    virtual void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) = 0;
    // The notification window shows the text for seconds, in the font and
    // colour stored now.
    virtual void ShowNotification(const std::string& textCp932, std::int32_t seconds) = 0;
    // The configuration window opens.
    virtual void OpenWindow() = 0;
};

class HotkeyDispatcher {
public:
    HotkeyDispatcher(SettingTable& table, Mixer& mixer, VolumeApplier& applier, ActionHost& host)
        : table_(table), mixer_(mixer), applier_(applier), host_(host) {}

    void DispatchHotKey(unsigned id);
    // The volume as a preset would set it, shown as "音量 N%".
    void SetVolume(std::int64_t percent);

private:
    // Applies the volume (clamped to 0..100) and shows the name with it.
    void ApplyAndNotify(const std::string& nameCp932, std::int64_t volume, bool smooth);
    // The text, when the notification is switched on.
    void Notify(const std::string& textCp932);
    void Capture(int current);

    SettingTable& table_;
    Mixer& mixer_;
    VolumeApplier& applier_;
    ActionHost& host_;
    std::int32_t lastCaptured_ = 0;
};

}  // namespace quendrel
