#include "actions/action_dispatch.h"

#include "actions/action_texts.h"
#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "mixer/mixer_scale.h"
#include "table/table_texts.h"

namespace quendrel {

void ActionDispatcher::Perform(const Action& action) {
    switch (action.kind) {
    case ActionKind::kOpen:
        return host_.OpenWindow();
    case ActionKind::kVolume:
        return ApplyAndNotify(texts::kVolumeWord, action.number, host_.ReadFadeSetting());
    case ActionKind::kDevice:
        return devices_.ChooseOutput(action);
    case ActionKind::kMicrophone:
        if (const auto muted = devices_.SwitchMicrophone(action.number))
            Notify(*muted ? texts::kMicrophoneOff : texts::kMicrophoneOn);
        return;
    default:
        // Looked up now, in its turn: an action before it may have added presets.
        if (const auto record = Record(action)) PerformRecord(*record);
    }
}

Verdict ActionDispatcher::Check(const Action& action) const {
    if (ActsOnRecord(action.kind)) return Record(action) ? Verdict::kAccepted : Verdict::kNoRecord;
    return devices_.Check(action);
}

std::optional<std::size_t> ActionDispatcher::Record(const Action& action) const {
    const auto record =
        ActionRecord(action, table_, action.kind == ActionKind::kPresetByName ? host_.StoredName(action.name) : "");
    if (record && action.origin == ActionOrigin::kHotkey && !table_[*record].IsEnabled()) return std::nullopt;
    return record;
}

void ActionDispatcher::PerformRecord(std::size_t index) {
    // Device 0 is read only where the action starts from it: a preset does not.
    const auto current = [this] { return std::int64_t{ClampPercent(mixer_.GetMasterVolume(0))}; };
    SettingRecord& record = table_[index];
    switch (index) {
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
        // The sound goes to the preset's device first; its volume is set
        // whether or not that could be.
        devices_.ChoosePresetOutput(index - kFirstPreset);
        return ApplyAndNotify(record.Name(), record.value, host_.ReadFadeSetting());
    }
}

void ActionDispatcher::ApplyAndNotify(const std::string& nameCp932, std::int64_t volume, bool smooth) {
    // Volumes from the file or from a sum with the step are clamped before
    // they reach the mixer, and the notification shows the volume applied,
    // not the stored one: a preset stored as 150 sets and shows 100.
    const int applied = ClampPercent(volume);
    applier_.ApplyVolume(applied, smooth);
    Notify(nameCp932 + " " + FormatDecimal(applied) + "%");
}

void ActionDispatcher::Notify(const std::string& textCp932) {
    if (table_[kNotifySlot].IsEnabled()) host_.ShowNotification(textCp932, table_[kNotifySlot].value);
}

void ActionDispatcher::Capture(int current) {
    // Starts at 0, so a first capture at 0 adds nothing.
    if (current == lastCaptured_) return;
    host_.AddPreset(texts::kCapturedPresetName, current, NextPresetHotkey(table_.count));
    // Whether AddPreset refused a 29th preset or not, the capture counts.
    table_[kCaptureSlot].SetName(texts::kCapturedSlotName);
    lastCaptured_ = current;
}

}  // namespace quendrel
