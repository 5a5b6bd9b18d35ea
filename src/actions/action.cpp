#include "actions/action.h"

namespace quendrel {

std::optional<Action> HotkeyAction(std::size_t id) {
    static constexpr ActionKind kSlots[] = {ActionKind::kUp, ActionKind::kDown, ActionKind::kMute, ActionKind::kCapture,
                                            ActionKind::kNotifySlot};
    Action action;
    action.origin = ActionOrigin::kHotkey;
    if (id == kMicrophoneHotkeyId) {
        action.kind = ActionKind::kMicrophone;
        action.number = kMicrophoneToggle;
        return action;
    }
    if (id >= kRecordCount) return std::nullopt;
    if (id < kFirstPreset) {
        action.kind = kSlots[id];
    } else {
        action.kind = ActionKind::kPresetByPosition;
        action.number = static_cast<std::uint32_t>(id - kFirstPreset + 1);
    }
    return action;
}

bool ActsOnRecord(ActionKind kind) {
    switch (kind) {
    case ActionKind::kPresetByName:
    case ActionKind::kPresetByPosition:
    case ActionKind::kUp:
    case ActionKind::kDown:
    case ActionKind::kMute:
    case ActionKind::kCapture:
    case ActionKind::kNotifySlot:
        return true;
    default:
        return false;
    }
}

std::optional<std::size_t> ActionRecord(const Action& action, const SettingTable& table, std::string_view nameCp932) {
    switch (action.kind) {
    case ActionKind::kUp:
        return kUpSlot;
    case ActionKind::kDown:
        return kDownSlot;
    case ActionKind::kMute:
        return kMuteSlot;
    case ActionKind::kCapture:
        return kCaptureSlot;
    case ActionKind::kNotifySlot:
        return kNotifySlot;
    case ActionKind::kPresetByPosition:
        if (action.number < 1 || action.number > table.count) return std::nullopt;
        return kFirstPreset + action.number - 1;
    case ActionKind::kPresetByName:
        if (nameCp932.empty()) return std::nullopt;
        for (std::size_t position = 0; position < table.count; ++position)
            if (table.Preset(position).Name() == nameCp932) return kFirstPreset + position;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

}  // namespace quendrel
