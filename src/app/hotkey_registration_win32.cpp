#include "app/hotkey_registration_win32.h"

#include "base/hotkey_value.h"

namespace quendrel {

const HotkeyRegistration::Results& HotkeyRegistration::RegisterHotKeys(const SettingTable& table) {
    results_.fill(Registration::None);
    for (std::size_t i = 0; i < table.UsedRecords(); ++i) {
        const SettingRecord& record = table[i];
        if (!record.IsEnabled()) continue;
        const std::uint16_t value = record.HotkeyValue();
        results_[i] = RegisterHotKey(window_, static_cast<int>(i), HotkeyModifiers(value), HotkeyVirtualKey(value))
                          ? Registration::Registered
                          : Registration::Refused;
    }
    return results_;
}

void HotkeyRegistration::UnregisterHotKeys(std::size_t usedRecords) {
    for (std::size_t i = 0; i < usedRecords; ++i) UnregisterHotKey(window_, static_cast<int>(i));
    results_.fill(Registration::None);
}

}  // namespace quendrel
