// TForm1: the configuration window. Its native window also receives the
// global hotkeys and the tray icon's messages, through MainWindowHook.
#pragma once

#include <windows.h>

#include <string>

#include "actions/hotkey_dispatch.h"
#include "actions/volume_applier.h"
#include "hotkeys/hotkey_conflicts_win32.h"
#include "hotkeys/hotkey_registration_win32.h"
#include "tray/tray_icon_win32.h"
#include "notify/notify_counter.h"
#include "config_window/function_panel_win32.h"
#include "config_window/preset_panel_win32.h"
#include "table/setting_table.h"
#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class AutoStart;
class Mixer;
class NotifyFontDialogs;
class NotifyProfile;
class SettingsFile;
class TForm2;
class TForm3;

constexpr UINT kTrayMessage = WM_USER + 1;  // 1025
constexpr UINT kTrayIconId = 4;
constexpr UINT_PTR kTimer1 = 1;  // smooth change, 30 ms
constexpr UINT_PTR kTimer2 = 2;  // notification, 1 s

// What the configuration window works with; all outlive it.
struct TForm1Parts {
    Mixer& mixer;
    const NotifyProfile& profile;
    const AutoStart& autoStart;
    const SettingsFile& settingsFile;
    TForm2& about;
    TForm3& notification;
    NotifyFontDialogs& fontDialogs;
    ShellNotify shellNotify;  // empty: the shell's
};

class TForm1 : public Window, private FadeTimer, private FadeView, private DispatchHost {
public:
    explicit TForm1(const TForm1Parts& parts);
    ~TForm1() override;

    // Builds the window and its controls, installs the hook, runs FormCreate.
    bool Create(HWND applicationWindow);

    void FormCreate();
    void ShowConfigWindow();
    void FormClose();
    void FormKeyDown(WPARAM key);
    void OpenClick();
    void About1Click();
    void Close1Click();

    void RegisterHotKeys();
    void UnregisterHotKeys();

    // Takes the hook off again; the program does it before destroying the window.
    void RemoveHook();

    // Key preview: the window sees key presses before the focused control.
    // True when the key was handled.
    bool PreviewKey(const MSG& message);

    void Timer1Timer();
    void Timer2Timer();

    const TForm1Parts& parts() const { return parts_; }
    TrayIcon& trayIcon() { return trayIcon_; }
    const HotkeyRegistration& hotkeys() const { return hotkeys_; }
    // Start-up is over: the table is there to act on.
    bool started() const { return started_; }
    // The fade switch and the notification, as a hotkey uses them.
    DispatchHost& dispatchHost() { return *this; }
    const HotkeyConflictWatch& conflicts() const { return conflicts_; }

    SettingTable table;
    VolumeApplier applier;
    HotkeyDispatcher dispatcher;
    NotifyCounter notifyCounter;
    // The left and right halves of the window.
    PresetPanel presets;
    FunctionPanel functions;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Timer1 as the fade's timer.
    void Start() override;
    void Stop() override;
    bool Running() const override { return timer1Running_; }
    // Status and Gauge1 as the fade's view.
    void SetStatus(std::string_view utf8) override;
    void SetGauge(int percent) override;
    // What the hotkey dispatch needs of the window.
    bool ReadFadeSetting() override;
    void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) override;
    bool NotifyEnabled() override;
    void ShowNotification(const std::string& textCp932, std::int32_t seconds) override;

    static LRESULT CALLBACK MainWindowHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnTrayMessage(LPARAM mouseMessage);
    void OnHotKey(WPARAM id);

    TForm1Parts parts_;
    TrayIcon trayIcon_;
    HotkeyRegistration hotkeys_;
    HotkeyConflictWatch conflicts_;
    UniqueFont font_;
    bool settingsUnreadable_ = false;
    bool started_ = false;
    bool timer1Running_ = false;
    bool timer2Running_ = false;
};

// One program-wide reference to each window, set before its creation code runs.
// A declaration (set in its .cpp): clang-tidy 14 takes it for a definition.
extern TForm1* Form1;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace quendrel
