// The program body: single instance, the application window, the settings,
// the resident and the three windows wired together, the message loop.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "about/about_window_win32.h"
#include "app/instance_lock_win32.h"
#include "base/callback.h"
#include "cli/command_line.h"
#include "config_window/config_window_win32.h"
#include "devices/sound_devices.h"
#include "notify/notification_window_win32.h"
#include "notify/notify_font_dialogs_win32.h"
#include "profile/notify_profile_win32.h"
#include "resident/resident_win32.h"
#include "table/settings.h"
#include "table/settings_file_win32.h"
#include "tray/autostart_win32.h"
#include "win32/com_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;

// What the program works with from outside. Empty fields take the real
// thing; tests give their own.
struct ProgramEnvironment {
    std::unique_ptr<Mixer> mixer;           // the system's backend
    std::unique_ptr<SoundDevices> devices;  // the system's, beside the mixer
    std::wstring dataFolder;                // the executable's folder
    std::wstring executablePath;            // the running executable (the autostart value names it)
    std::wstring runKey;                    // AutoStart::kRunKey
    CommonDialogs* dialogs = nullptr;       // ChooseFontW, ChooseColorW
    TrayShell* shell = nullptr;             // Shell_NotifyIconW
    MonitorFinder* findMonitor = nullptr;   // SystemMonitor
    // Runs between the look for a running instance and the creation of the
    // mutex: the moment at which a second start can slip in.
    Callback<void()> afterInstanceLook;
    // From the command line: performed once start-up is done. With one, a
    // second start shows no message; its caller forwards the action.
    std::optional<Action> action;
};

// The toolkit's hidden application window (class "TApplication"): owner of
// the three windows, no taskbar button.
class ApplicationWindow : public Window {
public:
    bool Create();
};

class Program {
public:
    explicit Program(ProgramEnvironment environment = {});
    ~Program();

    // Start-up up to the message loop; false when another instance runs
    // (after its message, unless there is an action to forward).
    bool Start();
    int RunMessageLoop();
    // The way out after the loop: the windows go, the mutex is released.
    void Shutdown();

private:
    ComApartment com_;  // first in, last out: outlives every COM pointer
    ProgramEnvironment environment_;
    NotifyProfile profile_;
    AutoStart autoStart_;
    SettingsFile settingsFile_;
    Settings settings_;
    InstanceLock instance_;
    ApplicationWindow application_;
    std::unique_ptr<NotificationWindow> notification_;
    std::unique_ptr<NotifyFontDialogs> fontDialogs_;
    std::unique_ptr<AboutWindow> aboutWindow_;
    std::unique_ptr<Resident> resident_;
    std::unique_ptr<ConfigWindow> configWindow_;
};

// Whole run, as WinMain does it.
int RunQuendrel();

}  // namespace quendrel
