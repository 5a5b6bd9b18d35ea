// The program as it stays resident: everything that acts on the settings
// while the configuration window is closed. It owns the volume actions
// (applier and its fade timer, the one gate and its queue), the hotkey
// registration and its conflict watch, and the tray icon with its menu and
// its wheel. It starts on the window where the system and other programs send
// it all (hotkeys, the tray icon's messages, a second start's action, the end
// of the session) and takes those messages before the window does.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "actions/actions.h"
#include "actions/volume_applier.h"
#include "hotkeys/hotkey_conflicts_win32.h"
#include "hotkeys/hotkey_registration_win32.h"
#include "resident/resident_view.h"
#include "table/settings.h"
#include "tray/tray_icon_win32.h"
#include "tray/tray_wheel_win32.h"
#include "win32/window_timer_win32.h"

namespace quendrel {

class AboutWindow;
class AutoStart;
class Mixer;
class NotificationWindow;
class NotifyProfile;
class SettingsFile;
class SoundDevices;
class Window;

class Resident final : public EditingHost, private ActionHost {
public:
    // What the resident works with; all outlive it.
    struct Parts {
        Settings& settings;
        Mixer& mixer;
        SoundDevices& devices;
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
    // icon, the settings from SndCols.ini and the hotkeys; on a first run the
    // defaults, and the view opens.
    void StartUp(Window& receiver, ResidentView& view);
    // The way out: the tray icon goes (nothing when quitting took it away
    // already), and neither the window nor the view is used again.
    void ShutDown();

    // An action from outside the window's messages (the first start's own).
    Verdict Submit(const Action& action) { return actions_.Submit(action); }

    void BeginEditing() override;
    void EndEditing() override;
    std::vector<std::wstring> UnusableHotkeys() const override { return conflicts_.Unusable(); }
    void Hold() override { applier_.OnApplyAtOnceChecked(); }
    void Hear(int percent) override;
    void Restore() override;

private:
    bool ReadFadeSetting() override;
    void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) override;
    void ShowNotification(const std::string& textCp932, std::int32_t seconds) override;
    void OpenWindow() override;
    std::string StoredName(const Utf16String& name) override;
    void TellOutputNotChosen(SwitchResult why, const std::wstring& deviceName) override;

    // A message of the receiving window; true when it was the resident's,
    // with its result.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnTrayMessage(LPARAM mouseMessage);
    // Whole notches of the wheel over the tray icon: each one what the up or
    // the down hotkey does, their boxes ticked or not.
    void OnWheel(int notches);
    void OnEndSession();
    void OnMenuOpen();
    void OnMenuAbout();
    void OnMenuQuit();
    // The table to SndCols.ini and the devices' settings to NotifyFont.ini;
    // the path of a file that could not be written, or nothing.
    std::optional<std::wstring> Save();
    void RegisterHotKeys();
    void UnregisterHotKeys();
    // The devices are watched while the window shows (its list and gauge
    // follow them) or while outputs that arrive take the volume; otherwise
    // nothing is registered with the system.
    void UpdateDeviceWatch();
    void OnOutputArrived(const std::wstring& id);
    void OnDefaultOutputChanged();
    std::wstring PresetCaption(std::size_t recordIndex) const;

    Parts parts_;
    SettingTable& table_;
    WindowTimer fadeTimer_{30};
    VolumeApplier applier_;
    Actions actions_;
    TrayIcon trayIcon_;
    TrayWheel wheel_;
    HotkeyRegistration hotkeys_;
    HotkeyConflictWatch conflicts_;
    Window* receiver_ = nullptr;
    ResidentView* view_ = nullptr;
    bool settingsUnreadable_ = false;
    bool watchingDevices_ = false;
};

}  // namespace quendrel
