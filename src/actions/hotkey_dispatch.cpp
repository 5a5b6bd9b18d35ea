#include "actions/hotkey_dispatch.h"

#include "actions/action_texts.h"
#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "mixer/mixer_scale.h"
#include "table/table_texts.h"

namespace quendrel {

void HotkeyDispatcher::DispatchHotKey(unsigned id) {
    if (id >= kRecordCount) return;
    // A record past the last preset is empty; only a stray message can name
    // it, and applying its volume 0 would silence the machine.
    if (id >= table_.UsedRecords()) return;

    // Device 0 is read only where the action starts from it: a preset does not.
    const auto current = [this] { return std::int64_t{ClampPercent(mixer_.GetMasterVolume(0))}; };
    SettingRecord& record = table_[id];
    switch (id) {
    case kUpSlot:
        return ApplyAndNotify(record.Name(), current() + record.value, false);
    case kDownSlot:
        return ApplyAndNotify(record.Name(), current() - record.value, false);
    case kMuteSlot: {
        const bool muted = mixer_.GetMasterMute(0) == 0;
        applier_.SetMuteOnAllDevices(muted);
        record.SetName(std::string(texts::kMuteStatePrefix) + (muted ? texts::kMuteTrue : texts::kMuteFalse));
        return Notify(record.Name());
    }
    case kCaptureSlot:
        Capture(static_cast<int>(current()));
        return Notify(record.Name());
    case kNotifySlot:
        return Notify(record.Name());
    default:
        return ApplyAndNotify(record.Name(), record.value, host_.ReadFadeSetting());
    }
}

void HotkeyDispatcher::SetVolume(std::int64_t percent) {
    ApplyAndNotify(texts::kVolumeWord, percent, host_.ReadFadeSetting());
}

void HotkeyDispatcher::ApplyAndNotify(const std::string& nameCp932, std::int64_t volume, bool smooth) {
    // Volumes from the file or from a sum with the step are clamped before
    // they reach the mixer, and the notification shows the volume applied,
    // not the stored one: a preset stored as 150 sets and shows 100.
    const int applied = ClampPercent(volume);
    applier_.ApplyVolume(applied, smooth);
    Notify(nameCp932 + " " + FormatDecimal(applied) + "%");
}

void HotkeyDispatcher::Notify(const std::string& textCp932) {
    if (table_[kNotifySlot].IsEnabled()) host_.ShowNotification(textCp932, table_[kNotifySlot].value);
}

void HotkeyDispatcher::Capture(int current) {
    // Starts at 0, so a first capture at 0 adds nothing.
    if (current == lastCaptured_) return;
    host_.AddPreset(texts::kCapturedPresetName, current, NextPresetHotkey(table_.count));
    // Whether AddPreset refused a 29th preset or not, the capture counts.
    table_[kCaptureSlot].SetName(texts::kCapturedSlotName);
    lastCaptured_ = current;
}

}  // namespace quendrel
