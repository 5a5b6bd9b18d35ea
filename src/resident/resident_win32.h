// The program as it stays resident: the setting table and everything that
// acts on it while the configuration window is closed. It owns the table, the
// volume actions (applier and its fade timer, dispatcher, queue), the hotkey
// registration and its conflict watch, and the tray icon with its menu and
// its wheel. The
// configuration window ("TForm1") is where the system and other programs send
// it all (hotkeys, the tray icon's messages, a second start's action, the end
// of the session); the window hands each on to OnMessage and, while it is
// open, edits the table.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "actions/actions.h"
#include "hotkeys/hotkey_conflicts_win32.h"
#include "hotkeys/hotkey_registration_win32.h"
#include "table/setting_table.h"
#include "tray/tray_icon_win32.h"
#include "tray/tray_menu_win32.h"
#include "tray/tray_wheel_win32.h"
#include "win32/window_timer_win32.h"

namespace quendrel {

class AboutWindow;
class AutoStart;
class Mixer;
class NotificationWindow;
class NotifyProfile;
class SettingsFile;
class Window;

// What the configuration window does for the resident.
class ResidentView {
public:
    virtual ~ResidentView() = default;
    // The table is there, loaded or the defaults: the window shows it.
    virtual void ShowTable() = 0;
    // A capture added the preset at this position: the list follows.
    virtual void PresetAdded(std::size_t position) = 0;
    // The preset's caption as the list shows it: the text the user typed.
    virtual std::wstring PresetCaption(std::size_t position) const = 0;
    // The window opens for editing.
    virtual void Open() = 0;
};

class Resident final : private ActionHost {
public:
    // What the resident works with; all outlive it.
    struct Parts {
        Mixer& mixer;
        const NotifyProfile& profile;
        const AutoStart& autoStart;
        const SettingsFile& settingsFile;
        AboutWindow& about;
        NotificationWindow& notification;
        TrayShell* shell;  // null: the system's
    };

    explicit Resident(const Parts& parts);
    Resident(const Resident&) = delete;
    Resident& operator=(const Resident&) = delete;

    // On the window that receives its messages and runs its timers: the tray
    // icon, the table from SndCols.ini and the hotkeys; on a first run the
    // defaults, and the window opens.
    void StartUp(Window& receiver, ResidentView& view);

    // A message of the receiving window; true when it was the resident's,
    // with its result.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The window opens: the hotkeys are withdrawn while it edits the table.
    void BeginEditing();
    // The window closes: the table is saved (a failure is told) and the
    // hotkeys are registered again.
    void EndEditing();
    // Every hotkey that cannot act, "name (key)" each; while editing.
    std::vector<std::wstring> UnusableHotkeys() const { return conflicts_.Unusable(); }

    void ShowAbout();
    // Takes the tray icon away and ends the message loop.
    void Quit();
    // Takes the tray icon away; nothing when it is gone already.
    void RemoveTrayIcon() { trayIcon_.Delete(); }
    // What the tray menu's other items do.
    TrayMenuActions MenuActions();

    const Parts& parts() const { return parts_; }
    SettingTable& table() { return table_; }
    Actions& actions() { return actions_; }
    const HotkeyRegistration& hotkeys() const { return hotkeys_; }

private:
    bool ReadFadeSetting() override;
    void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) override;
    void ShowNotification(const std::string& textCp932, std::int32_t seconds) override;
    void OpenWindow() override;

    void OnTrayMessage(LPARAM mouseMessage);
    // Whole notches of the wheel over the tray icon: each one what the up or
    // the down hotkey does (their boxes ticked or not), as /up and /down.
    void OnWheel(int notches);
    void OnEndSession();
    // The table to SndCols.ini; false when the file could not be written.
    bool Save();
    void RegisterHotKeys();
    void UnregisterHotKeys();
    std::wstring PresetCaption(std::size_t recordIndex) const;

    Parts parts_;
    SettingTable table_;
    WindowTimer fadeTimer_{30};
    Actions actions_;
    TrayIcon trayIcon_;
    TrayWheel wheel_;
    HotkeyRegistration hotkeys_;
    HotkeyConflictWatch conflicts_;
    Window* receiver_ = nullptr;
    ResidentView* view_ = nullptr;
    bool settingsUnreadable_ = false;
};

}  // namespace quendrel
