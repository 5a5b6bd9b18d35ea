// TForm1: the configuration window. Its native window also receives the
// global hotkeys and the tray icon's messages, through MainWindowHook.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "actions/hotkey_dispatch.h"
#include "actions/volume_applier.h"
#include "notify/notify_counter.h"
#include "settings/function_panel_win32.h"
#include "settings/preset_panel_win32.h"
#include "settings/setting_table.h"
#include "win32/control_panel_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;

constexpr UINT kTrayMessage = WM_USER + 1;  // 1025
constexpr UINT kTrayIconId = 4;
constexpr UINT_PTR kTimer1 = 1;  // smooth change, 30 ms
constexpr UINT_PTR kTimer2 = 2;  // notification, 1 s

class TForm1 : public Window, private FadeTimer, private FadeView, private DispatchHost {
public:
    explicit TForm1(Mixer& mixer);
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

    void AddTrayIcon();
    void DeleteTrayIcon();
    // Takes the hook off again; the program does it before destroying the window.
    void RemoveHook();

    // Key preview: the window sees key presses before the focused control.
    // True when the key was handled.
    bool PreviewKey(const MSG& message);

    // The preset list's AddPreset (edit flag for the caption editor); the
    // message at 28 presets.
    void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey, bool edit);

    void Timer1Timer();
    void Timer2Timer();

    SettingTable table;
    Mixer& mixer;
    VolumeApplier applier{mixer, *this, *this};
    HotkeyDispatcher dispatcher{table, mixer, applier, *this};
    NotifyCounter notifyCounter;
    // Controls of the fade's view; set by the preset panel when it exists.
    HWND Status = nullptr;
    HWND Gauge1 = nullptr;
    // The left and right halves of the window.
    PresetPanel presets{*this};
    FunctionPanel functions{*this};

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
    bool RouteToPanels(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    NOTIFYICONDATAW TrayIconData{};
    UniqueFont font_;
    std::vector<ControlPanel*> panels_;
    bool settingsUnreadable_ = false;
    bool trayIconShown_ = false;
    bool started_ = false;
    bool timer1Running_ = false;
    bool timer2Running_ = false;
};

// One program-wide reference to each window, set before its creation code runs.
extern TForm1* Form1;

}  // namespace quendrel
