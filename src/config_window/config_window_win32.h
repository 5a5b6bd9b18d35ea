// The configuration window (class "TForm1"), the application's main window:
// the view that edits the settings it is handed while it is shown. It starts
// hidden and shows on request; closing it saves the table and only hides it.
// What the program asks of it is ResidentView; what it asks of the program,
// EditingHost.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "config_window/device_panel_win32.h"
#include "config_window/function_panel_win32.h"
#include "controls/status_bar_win32.h"
#include "presets/preset_panel_win32.h"
#include "resident/resident_view.h"
#include "table/settings.h"
#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;
class NotifyFontDialogs;
class SoundDevices;

class ConfigWindow : public Window, public ResidentView {
public:
    ConfigWindow(Settings& settings, EditingHost& host, Mixer& mixer, SoundDevices& devices,
                 NotifyFontDialogs& fontDialogs);
    ~ConfigWindow() override;

    // Builds the window and its controls, hidden.
    bool Create(HWND applicationWindow);

    void ShowTable() override;
    void PresetAdded(std::size_t position) override;
    // Withdraws the hotkeys and shows the window.
    void Open() override;
    void DevicesChanged() override;
    void SetStatus(std::string_view utf8) override { presetPanel_.ShowStatus(utf8); }
    void SetGauge(int percent) override { presetPanel_.ShowGauge(percent); }

    // Key preview: the window sees key presses before the focused control.
    // True when the key was handled.
    bool PreviewKey(const MSG& message);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Saves the table, registers the hotkeys again and hides the window.
    void Close();
    // A key, a switch or the preset list changed: the open window tells
    // which hotkeys cannot act.
    void OnHotkeysEdited();
    void ShowUnusableHotkeys();
    void OnKeyDown(WPARAM key);
    void OnPresetShown() { devicePanel_.ShowPreset(presetPanel_.Selected()); }

    // The gauge follows device 0, whichever device that is now.
    void WatchSystemVolume();

    EditingHost& host_;
    Mixer& mixer_;
    // The left and right halves of the window, the sound devices' band below
    // them, and its status bar.
    PresetPanel presetPanel_;
    FunctionPanel functionPanel_;
    DevicePanel devicePanel_;
    StatusBar statusBar_;
    UniqueFont font_, labelFont_;
};

}  // namespace quendrel
