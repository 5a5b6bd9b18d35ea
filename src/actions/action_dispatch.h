// What each action does: the hotkeys' own (the identifier is the index of
// the setting record whose key was pressed), and /volume and /open. Every
// volume an action sets goes through one step that applies it and shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "actions/action.h"
#include "actions/device_actions.h"
#include "actions/volume_applier.h"
#include "devices/sound_devices.h"
#include "mixer/mixer.h"
#include "table/settings.h"

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
    // A name from outside as the table stores names, in code page 932; empty
    // when a character has no exact form there, so that it matches nothing.
    virtual std::string StoredName(const Utf16String& name) = 0;
    // A preset could not choose its output device (DeviceActions tells it
    // once per start): a balloon at the tray icon, never a message box.
    virtual void TellOutputNotChosen(SwitchResult why, const std::wstring& deviceName) = 0;
};

class ActionDispatcher {
public:
    ActionDispatcher(Settings& settings, Mixer& mixer, VolumeApplier& applier, ActionHost& host, SoundDevices& devices)
        : table_(settings.table),
          mixer_(mixer),
          applier_(applier),
          host_(host),
          devices_(devices, settings.devices, Bind<&ActionHost::TellOutputNotChosen>(&host)) {}

    void Perform(const Action& action);
    // Whether the action can be performed now: the table has the record it
    // names (ticked, for a hotkey), the system the device or the microphone.
    Verdict Check(const Action& action) const;

private:
    std::optional<std::size_t> Record(const Action& action) const;
    void PerformRecord(std::size_t index);
    // Applies the volume (clamped to 0..100) and shows the name with it.
    void ApplyAndNotify(const std::string& nameCp932, std::int64_t volume, bool smooth);
    // The text, when the notification is switched on.
    void Notify(const std::string& textCp932);
    void Capture(int current);

    SettingTable& table_;
    Mixer& mixer_;
    VolumeApplier& applier_;
    ActionHost& host_;
    DeviceActions devices_;
    std::int32_t lastCaptured_ = 0;
};

}  // namespace quendrel
