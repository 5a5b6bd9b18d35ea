// The right half of the configuration window: the four function hotkeys with
// their steps, and the notification switch, seconds, font and colour. Each
// control writes its slot field of the setting table at once.
#pragma once

#include <windows.h>

#include <functional>

#include "table/setting_table.h"
#include "win32/controls_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {

class NotifyFontDialogs;
class Window;

class FunctionPanel {
public:
    FunctionPanel(SettingTable& table, NotifyFontDialogs& dialogs) : table_(table), dialogs_(dialogs) {}
    FunctionPanel(const FunctionPanel&) = delete;
    FunctionPanel& operator=(const FunctionPanel&) = delete;

    void Create(Window& window, HFONT windowFont);

    void UpClick();
    void UpSliderChange();
    void UpKeyChange();
    void DownClick();
    void DownSliderChange();
    void DownKeyChange();
    void MuteClick();
    void MuteKeyChange();
    void CaptureClick();
    void CaptureKeyChange();
    void NotifyCMDClick();
    void NotifyTickChange();

    // Copies the five function slots into the controls; once, at creation.
    void ShowFunctionSettings();
    void ShowFunctionSlot(CheckBox& box, TrackBar* slider, HotkeyControl& key, const SettingRecord& record);

    // Runs after a function key or a switch changed.
    std::function<void()> onHotkeysChanged;

    Control GroupBox2;
    CheckBox Up, Down, Mute, Capture, NotifyCMD;
    TrackBar UpSlider, DownSlider;
    Control UpLBL, DownLBL, NotifyLBL;
    HotkeyControl UpKey, DownKey, MuteKey, CaptureKey;
    SpinEdit NotifyTick;
    FlatButton NotifyFont, NotifyColor;

private:
    void SetEnabled(std::size_t slot, bool on);
    void SetHotkey(std::size_t slot, const HotkeyControl& key);
    void HotkeysChanged() const;

    SettingTable& table_;
    NotifyFontDialogs& dialogs_;
    Control notifyTickSpin_;
    Tooltips tips_;
    UniqueFont checkFont_;
};

}  // namespace quendrel
