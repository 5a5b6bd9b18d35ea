// Hotkeys that cannot act, told to the user. After a registration pass a
// tray balloon names those that other programs hold, when they are news, and
// they are tried again every 5 seconds until they register. While the
// configuration window is open its status bar names every unusable hotkey:
// probed when it opens and again after each edit of keys, switches or list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/status_bar_win32.h"
#include "hotkeys/hotkey_conflicts.h"
#include "hotkeys/hotkey_registration_win32.h"
#include "table/setting_table.h"
#include "tray/tray_icon_win32.h"
#include "win32/window_timer_win32.h"

namespace quendrel {

class Window;

// The system's name of a virtual key, as the hotkey control writes it.
std::wstring SystemKeyName(std::uint8_t virtualKey);

class HotkeyConflictWatch {
public:
    HotkeyConflictWatch(const SettingTable& table, HotkeyRegistration& hotkeys, TrayIcon& tray,
                        PresetCaptionFunction caption)
        : table_(table), hotkeys_(hotkeys), tray_(tray), caption_(std::move(caption)) {}
    HotkeyConflictWatch(const HotkeyConflictWatch&) = delete;
    HotkeyConflictWatch& operator=(const HotkeyConflictWatch&) = delete;

    // The status bar, hidden; the retry timer on the window.
    void Create(Window& window, HFONT font);

    // After RegisterHotKeys: the balloon when due; retries while needed.
    void AfterRegistration();
    // Before UnregisterHotKeys: nothing is retried while withdrawn.
    void BeforeWithdrawal();
    // The window opens (its hotkeys withdrawn) and closes.
    void Opened();
    void Closed();
    // A key, a switch or the preset list changed; only the open window tells.
    void Edited();

    // It runs only while a hotkey is held elsewhere.
    const WindowTimer& retryTimer() const { return retryTimer_; }
    const StatusBar& statusBar() const { return statusBar_; }

private:
    std::vector<std::wstring> Entries(const std::vector<std::size_t>& indices) const;
    void ShowStatus();
    void SetRetrying(bool on);
    void OnRetryTick();

    const SettingTable& table_;
    HotkeyRegistration& hotkeys_;
    TrayIcon& tray_;
    PresetCaptionFunction caption_;
    ConflictReport report_;
    StatusBar statusBar_;
    WindowTimer retryTimer_{3, 5000};
    std::vector<std::size_t> heldElsewhere_;  // of the last pass or retry
    bool open_ = false;
};

}  // namespace quendrel
