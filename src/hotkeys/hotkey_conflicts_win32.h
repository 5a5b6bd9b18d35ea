// Hotkeys that cannot act, told to the user. After a registration pass a
// tray balloon names those that other programs hold, when they are news, and
// they are tried again every 5 seconds until they register. While the
// configuration window is open it asks for every unusable hotkey, to show in
// its status bar.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "hotkeys/hotkey_conflicts.h"
#include "hotkeys/hotkey_registration_win32.h"
#include "table/settings.h"
#include "tray/tray_icon_win32.h"
#include "win32/window_timer_win32.h"

namespace quendrel {

class Window;

// The system's name of a virtual key, as the hotkey control writes it.
std::wstring SystemKeyName(std::uint8_t virtualKey);

class HotkeyConflictWatch {
public:
    HotkeyConflictWatch(const Settings& settings, HotkeyRegistration& hotkeys, TrayIcon& tray,
                        PresetCaptionFunction caption)
        : settings_(settings), hotkeys_(hotkeys), tray_(tray), caption_(caption) {}
    HotkeyConflictWatch(const HotkeyConflictWatch&) = delete;
    HotkeyConflictWatch& operator=(const HotkeyConflictWatch&) = delete;

    // The retry timer on the window.
    void Attach(Window& window);

    // After RegisterHotKeys: the balloon when due; retries while needed.
    void AfterRegistration();
    // Before UnregisterHotKeys: nothing is retried while withdrawn.
    void BeforeWithdrawal();
    // Every hotkey that cannot act, "name (key)" each, probed now: only
    // while the table's own hotkeys are withdrawn does a refusal mean
    // another program holds it.
    std::vector<std::wstring> Unusable() const;

private:
    std::vector<std::wstring> Entries(const std::vector<std::size_t>& ids, const ProgramHotkeys& keys) const;
    void SetRetrying(bool on);
    void OnRetryTick();

    const Settings& settings_;
    HotkeyRegistration& hotkeys_;
    TrayIcon& tray_;
    PresetCaptionFunction caption_;
    ConflictReport report_;
    WindowTimer retryTimer_{5000};
    std::vector<std::size_t> heldElsewhere_;  // of the last pass or retry
};

}  // namespace quendrel
