#include "actions/device_actions.h"

#include "devices/output_list.h"

namespace quendrel {
namespace {

// The name a command line gives, as the system's device names are held.
std::wstring WideOf(Utf16View text) {
    if constexpr (sizeof(wchar_t) == sizeof(Utf16Char)) {
        return std::wstring(text.begin(), text.end());
    } else {
        std::wstring wide;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char32_t unit = text[i];
            const bool pair =
                unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
            if (pair) {
                wide += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
                ++i;
            } else {
                wide += static_cast<wchar_t>(unit);
            }
        }
        return wide;
    }
}

std::optional<std::size_t> NamedOutput(const std::vector<OutputDevice>& outputs, const Action& action) {
    return FindOutput(outputs, WideOf(action.name));
}

}  // namespace

Verdict DeviceActions::Check(const Action& action) const {
    switch (action.kind) {
    case ActionKind::kDevice:
        if (!NamedOutput(devices_.Outputs(), action)) return Verdict::kNoRecord;
        return devices_.CanSwitch() ? Verdict::kAccepted : Verdict::kUnsupported;
    case ActionKind::kMicrophone:
        if (action.number > kMicrophoneOff) return Verdict::kNoRecord;
        return devices_.HasMicrophoneMute() ? Verdict::kAccepted : Verdict::kUnsupported;
    default:
        return Verdict::kAccepted;
    }
}

void DeviceActions::ChoosePresetOutput(std::size_t position) {
    if (position >= settings_.presets.size() || !settings_.presets[position]) return;
    const StoredDevice& device = *settings_.presets[position];
    const SwitchResult result = devices_.MakeDefault(device.id);
    bool& told = result == SwitchResult::kCannotSwitch ? cannotSwitchTold_ : absentTold_;
    if (result == SwitchResult::kDone || told) return;
    told = true;
    tell_(result, device.name);
}

void DeviceActions::ChooseOutput(const Action& action) {
    // Looked up again in its turn: the list may have changed since it was
    // accepted. Nothing to tell: the command line had its answer.
    const auto outputs = devices_.Outputs();
    if (const auto found = NamedOutput(outputs, action)) devices_.MakeDefault(outputs[*found].id);
}

std::optional<bool> DeviceActions::SwitchMicrophone(std::uint32_t change) {
    switch (change) {
    case kMicrophoneOn:
        return devices_.SetMicrophoneMute(false);
    case kMicrophoneOff:
        return devices_.SetMicrophoneMute(true);
    default:
        return devices_.ToggleMicrophoneMute();
    }
}

}  // namespace quendrel
