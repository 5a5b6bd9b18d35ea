// The program's key combinations (the setting table's and the microphone
// key) as global hotkeys of the configuration window: registered in
// ascending order of identifier, withdrawn all at once, and the outcome of
// each registration kept.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "hotkeys/hotkey_conflicts.h"

namespace quendrel {

enum class Registration : unsigned char {
    None,  // not enabled, or not registered since the last withdrawal
    Registered,
    Refused,  // the system refused it: taken elsewhere, or by a lower index
};

class HotkeyRegistration {
public:
    using Results = std::array<Registration, kMicrophoneHotkeyId + 1>;

    void SetWindow(HWND window) { window_ = window; }

    // Every enabled one in the order given; a value of 0 is registered as
    // well.
    void RegisterHotKeys(const ProgramHotkeys& keys);
    // Every identifier there is, enabled or not.
    void UnregisterHotKeys();

    // Tries again those of the identifiers whose registration was refused;
    // one that is registered already is never registered twice.
    void Retry(const ProgramHotkeys& keys, const std::vector<std::size_t>& ids);
    // The identifiers refused since the last withdrawal, ascending.
    std::vector<std::size_t> Refused() const;
    // The enabled ones with a key whose combination is taken now: each is
    // registered and at once withdrawn. Tells only while the program's own
    // hotkeys are withdrawn.
    std::vector<std::size_t> Probe(const ProgramHotkeys& keys) const;

private:
    Registration Register(const ProgramHotkey& key) const;

    HWND window_ = nullptr;
    Results results_{};
};

}  // namespace quendrel
