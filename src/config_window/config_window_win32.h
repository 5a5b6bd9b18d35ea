// The configuration window (class "TForm1"), the application's main window.
// It starts hidden and shows on request; closing it saves the table and only
// hides it. Its native window also receives the global hotkeys, the tray
// icon's messages and the command-line actions of a second start.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "actions/action_queue.h"
#include "actions/hotkey_dispatch.h"
#include "actions/volume_applier.h"
#include "config_window/function_panel_win32.h"
#include "hotkeys/hotkey_conflicts_win32.h"
#include "hotkeys/hotkey_registration_win32.h"
#include "presets/preset_panel_win32.h"
#include "table/setting_table.h"
#include "tray/tray_icon_win32.h"
#include "tray/tray_menu_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_timer_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class AboutWindow;
class AutoStart;
class Mixer;
class NotificationWindow;
class NotifyFontDialogs;
class NotifyProfile;
class SettingsFile;

class ConfigWindow : public Window, private DispatchHost {
public:
    // What the window works with; all outlive it.
    struct Parts {
        Mixer& mixer;
        const NotifyProfile& profile;
        const AutoStart& autoStart;
        const SettingsFile& settingsFile;
        AboutWindow& about;
        NotificationWindow& notification;
        NotifyFontDialogs& fontDialogs;
        ShellNotify shellNotify;  // empty: the shell's
    };

    explicit ConfigWindow(const Parts& parts);
    ~ConfigWindow() override;

    // Builds the window and its controls, then starts up: the tray icon, the
    // table from SndCols.ini (or the defaults and the open window on a first
    // run), the hotkeys.
    bool Create(HWND applicationWindow);

    // Withdraws the hotkeys and shows the window.
    void Open();
    // Saves the table, registers the hotkeys again and hides the window.
    void Close();
    // A hotkey's or a command-line action's work: now, or after those before it.
    void Perform(ActionQueue::Work work) { actions_.Perform(std::move(work)); }
    void ShowAbout();
    // Takes the tray icon away and ends the message loop.
    void Quit();
    // What the tray menu's other items do.
    TrayMenuActions MenuActions();

    void RegisterHotKeys();
    void UnregisterHotKeys();

    // Key preview: the window sees key presses before the focused control.
    // True when the key was handled.
    bool PreviewKey(const MSG& message);

    // A WM_COPYDATA: true when it was the program's own, with the result.
    std::function<bool(const COPYDATASTRUCT& data, LRESULT& result)> onCopyData;

    const Parts& parts() const { return parts_; }
    SettingTable& table() { return table_; }
    PresetPanel& presetPanel() { return presetPanel_; }
    FunctionPanel& functionPanel() { return functionPanel_; }
    VolumeApplier& applier() { return applier_; }
    HotkeyDispatcher& dispatcher() { return dispatcher_; }
    TrayIcon& trayIcon() { return trayIcon_; }
    const HotkeyRegistration& hotkeys() const { return hotkeys_; }
    const HotkeyConflictWatch& conflicts() const { return conflicts_; }
    // Start-up is over: the table is there to act on.
    bool started() const { return started_; }
    // The fade switch and the notification, as a hotkey uses them.
    DispatchHost& dispatchHost() { return *this; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StartUp();
    // The table to SndCols.ini, as closing the window saves it; false when
    // the file could not be written.
    bool Save();
    void OnEndSession();
    void OnKeyDown(WPARAM key);
    void OnTrayMessage(LPARAM mouseMessage);
    void OnHotKey(WPARAM id);

    // What the hotkey dispatch needs of the window.
    bool ReadFadeSetting() override;
    void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) override;
    bool NotifyEnabled() override;
    void ShowNotification(const std::string& textCp932, std::int32_t seconds) override;

    Parts parts_;
    SettingTable table_;
    WindowTimer fadeTimer_{1, 30};
    // The left and right halves of the window.
    PresetPanel presetPanel_;
    FunctionPanel functionPanel_;
    VolumeApplier applier_;
    HotkeyDispatcher dispatcher_;
    ActionQueue actions_;
    TrayIcon trayIcon_;
    HotkeyRegistration hotkeys_;
    HotkeyConflictWatch conflicts_;
    UniqueFont font_;
    bool settingsUnreadable_ = false;
    bool started_ = false;
};

}  // namespace quendrel
