// The setting table's key combinations as global hotkeys of the configuration
// window: registered from the table, withdrawn all at once, and the outcome
// of each registration kept.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "table/setting_table.h"

namespace quendrel {

enum class Registration : unsigned char {
    None,  // not enabled, or not registered since the last withdrawal
    Registered,
    Refused,  // the system refused it: taken elsewhere, or by a lower index
};

class HotkeyRegistration {
public:
    using Results = std::array<Registration, kRecordCount>;

    void SetWindow(HWND window) { window_ = window; }

    // Every enabled record 0 .. count + 4 in ascending order, its identifier
    // its index; a record whose value is 0 is registered as well.
    const Results& RegisterHotKeys(const SettingTable& table);
    // Identifiers 0 .. usedRecords - 1, enabled or not.
    void UnregisterHotKeys(std::size_t usedRecords);

    // Tries again those of the indices whose registration was refused; one
    // that is registered already is never registered twice.
    void Retry(const SettingTable& table, const std::vector<std::size_t>& indices);
    // The indices refused since the last withdrawal, ascending.
    std::vector<std::size_t> Refused() const;
    // The enabled records with a key whose combination is taken now: each is
    // registered and at once withdrawn. Tells only while the table's own
    // hotkeys are withdrawn.
    std::vector<std::size_t> Probe(const SettingTable& table) const;

private:
    Registration Register(const SettingTable& table, std::size_t index) const;

    HWND window_ = nullptr;
    Results results_{};
};

}  // namespace quendrel
