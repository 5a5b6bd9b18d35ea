#include "actions/hotkey_dispatch.h"

#include <optional>

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
    const auto current = [this] { return ClampPercent(mixer_.GetMasterVolume(0)); };
    SettingRecord& record = table_[id];
    // Volumes from the file or from a sum with the step are clamped before
    // they reach the mixer, and the notification shows the volume applied,
    // not the stored one: a preset stored as 150 sets and shows 100.
    std::optional<int> shown;

    switch (id) {
    case kUpSlot:
        shown = ClampPercent(std::int64_t{current()} + record.value);
        applier_.ApplyVolume(*shown, false);
        break;
    case kDownSlot:
        shown = ClampPercent(std::int64_t{current()} - record.value);
        applier_.ApplyVolume(*shown, false);
        break;
    case kMuteSlot: {
        const bool muted = mixer_.GetMasterMute(0) == 0;
        applier_.SetMuteOnAllDevices(muted);
        record.SetName(std::string(texts::kMuteStatePrefix) + (muted ? texts::kMuteTrue : texts::kMuteFalse));
        break;
    }
    case kCaptureSlot:
        Capture(current());
        break;
    case kNotifySlot:
        break;
    default:
        shown = ClampPercent(record.value);
        applier_.ApplyVolume(*shown, host_.ReadFadeSetting());
        break;
    }

    if (!host_.NotifyEnabled()) return;
    std::string text = record.Name();
    if (shown) text += " " + FormatDecimal(*shown) + "%";
    host_.ShowNotification(text, table_[kNotifySlot].value);
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
