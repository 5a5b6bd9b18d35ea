#include "hotkeys/hotkey_registration_win32.h"

#include "base/hotkey_value.h"

namespace quendrel {

namespace {
// Far from the record indices: a press in the instant of a probe is no
// record's, and the dispatch ignores it.
constexpr int kProbeId = 0xBFFF;
}  // namespace

Registration HotkeyRegistration::Register(const SettingTable& table, std::size_t index) const {
    const std::uint16_t value = table[index].HotkeyValue();
    return RegisterHotKey(window_, static_cast<int>(index), HotkeyModifiers(value), HotkeyVirtualKey(value))
               ? Registration::Registered
               : Registration::Refused;
}

const HotkeyRegistration::Results& HotkeyRegistration::RegisterHotKeys(const SettingTable& table) {
    results_.fill(Registration::None);
    for (std::size_t i = 0; i < table.UsedRecords(); ++i)
        if (table[i].IsEnabled()) results_[i] = Register(table, i);
    return results_;
}

void HotkeyRegistration::UnregisterHotKeys(std::size_t usedRecords) {
    for (std::size_t i = 0; i < usedRecords; ++i) UnregisterHotKey(window_, static_cast<int>(i));
    results_.fill(Registration::None);
}

void HotkeyRegistration::Retry(const SettingTable& table, const std::vector<std::size_t>& indices) {
    for (std::size_t i : indices)
        if (i < table.UsedRecords() && results_[i] == Registration::Refused) results_[i] = Register(table, i);
}

std::vector<std::size_t> HotkeyRegistration::Refused() const {
    std::vector<std::size_t> refused;
    for (std::size_t i = 0; i < results_.size(); ++i)
        if (results_[i] == Registration::Refused) refused.push_back(i);
    return refused;
}

std::vector<std::size_t> HotkeyRegistration::Probe(const SettingTable& table) const {
    std::vector<std::size_t> taken;
    for (std::size_t i = 0; i < table.UsedRecords(); ++i) {
        const std::uint16_t value = table[i].HotkeyValue();
        if (!table[i].IsEnabled() || HotkeyVirtualKey(value) == 0) continue;
        if (RegisterHotKey(window_, kProbeId, HotkeyModifiers(value), HotkeyVirtualKey(value)))
            UnregisterHotKey(window_, kProbeId);
        else
            taken.push_back(i);
    }
    return taken;
}

}  // namespace quendrel
