// The configuration window (class "TForm1"), the application's main window:
// the view that edits the resident's setting table while it is shown. It
// starts hidden and shows on request; closing it saves the table and only
// hides it. Its native window is also where the hotkeys, the tray icon's
// messages and a second start's actions arrive: it hands them on to the
// resident.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "config_window/function_panel_win32.h"
#include "controls/status_bar_win32.h"
#include "presets/preset_panel_win32.h"
#include "resident/resident_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;
class NotifyFontDialogs;
class NotifyProfile;

class ConfigWindow : public Window, private ResidentView {
public:
    ConfigWindow(Resident& resident, Mixer& mixer, const NotifyProfile& profile, NotifyFontDialogs& fontDialogs);
    ~ConfigWindow() override;

    // Builds the window and its controls, then the resident starts up on it.
    bool Create(HWND applicationWindow);

    // Withdraws the hotkeys and shows the window.
    void Open() override;
    // Saves the table, registers the hotkeys again and hides the window.
    void Close();

    // Key preview: the window sees key presses before the focused control.
    // True when the key was handled.
    bool PreviewKey(const MSG& message);

    PresetPanel& presetPanel() { return presetPanel_; }
    FunctionPanel& functionPanel() { return functionPanel_; }
    const StatusBar& statusBar() const { return statusBar_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowTable() override;
    void PresetAdded(std::size_t position) override;
    std::wstring PresetCaption(std::size_t position) const override;

    // A key, a switch or the preset list changed: the open window tells
    // which hotkeys cannot act.
    void OnHotkeysEdited();
    void ShowUnusableHotkeys();
    void OnKeyDown(WPARAM key);

    Resident& resident_;
    Mixer& mixer_;
    // The left and right halves of the window, and its status bar.
    PresetPanel presetPanel_;
    FunctionPanel functionPanel_;
    StatusBar statusBar_;
    UniqueFont font_, labelFont_;
    bool editing_ = false;
};

}  // namespace quendrel
