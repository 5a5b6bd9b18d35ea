#include "hotkeys/hotkey_registration_win32.h"

#include <algorithm>

#include "base/hotkey_value.h"

namespace quendrel {

namespace {
// Far from the record indices: a press in the instant of a probe is no
// record's, and the dispatch ignores it.
constexpr int kProbeId = 0xBFFF;
}  // namespace

Registration HotkeyRegistration::Register(const ProgramHotkey& key) const {
    return RegisterHotKey(window_, static_cast<int>(key.id), HotkeyModifiers(key.value), HotkeyVirtualKey(key.value))
               ? Registration::Registered
               : Registration::Refused;
}

void HotkeyRegistration::RegisterHotKeys(const ProgramHotkeys& keys) {
    results_.fill(Registration::None);
    for (const ProgramHotkey& key : keys)
        if (key.enabled && key.id < results_.size()) results_[key.id] = Register(key);
}

void HotkeyRegistration::UnregisterHotKeys() {
    for (std::size_t id = 0; id < results_.size(); ++id) UnregisterHotKey(window_, static_cast<int>(id));
    results_.fill(Registration::None);
}

void HotkeyRegistration::Retry(const ProgramHotkeys& keys, const std::vector<std::size_t>& ids) {
    for (const ProgramHotkey& key : keys)
        if (key.id < results_.size() && results_[key.id] == Registration::Refused &&
            std::find(ids.begin(), ids.end(), key.id) != ids.end())
            results_[key.id] = Register(key);
}

std::vector<std::size_t> HotkeyRegistration::Refused() const {
    std::vector<std::size_t> refused;
    for (std::size_t i = 0; i < results_.size(); ++i)
        if (results_[i] == Registration::Refused) refused.push_back(i);
    return refused;
}

std::vector<std::size_t> HotkeyRegistration::Probe(const ProgramHotkeys& keys) const {
    std::vector<std::size_t> taken;
    for (const ProgramHotkey& key : keys) {
        if (!key.enabled || HotkeyVirtualKey(key.value) == 0) continue;
        if (RegisterHotKey(window_, kProbeId, HotkeyModifiers(key.value), HotkeyVirtualKey(key.value)))
            UnregisterHotKey(window_, kProbeId);
        else
            taken.push_back(key.id);
    }
    return taken;
}

}  // namespace quendrel
