// The right half of the configuration window: the four function hotkeys with
// their switches and steps, and the notification switch, seconds, font and
// colour, all inside one group box. Each control writes its slot field of the
// setting table at once.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "base/callback.h"
#include "controls/buttons_win32.h"
#include "controls/group_box_win32.h"
#include "controls/hotkey_control_win32.h"
#include "controls/spin_edit_win32.h"
#include "controls/tooltips_win32.h"
#include "controls/track_bar_win32.h"
#include "painted/flat_button_win32.h"
#include "table/setting_table.h"
#include "win32/handles_win32.h"

namespace quendrel {

class NotifyFontDialogs;
class Window;

class FunctionPanel {
public:
    // Control identifiers; all but the group's are its children.
    enum ControlId : int {
        kGroup = 1101,
        kNotifyBox,
        kUpBox,
        kUpStep,
        kUpStepLabel,
        kUpKey,
        kDownBox,
        kDownStep,
        kDownStepLabel,
        kDownKey,
        kMuteBox,
        kMuteKey,
        kCaptureBox,
        kCaptureKey,
        kNotifySeconds,
        kNotifySecondsSpin,
        kNotifySecondsLabel,
        kFontButton,
        kColorButton,
    };

    FunctionPanel(SettingTable& table, NotifyFontDialogs& dialogs) : table_(table), dialogs_(dialogs) {}
    FunctionPanel(const FunctionPanel&) = delete;
    FunctionPanel& operator=(const FunctionPanel&) = delete;

    void Create(Window& window, HFONT windowFont);

    // Copies the five function slots into the controls; once, at start-up.
    void ShowFunctionSettings();

    // Runs after a function key or a switch changed.
    Callback<void()> onHotkeysChanged;

    GroupBox group;
    CheckBox upBox, downBox, muteBox, captureBox, notifyBox;
    TrackBar upStep, downStep;
    Control upStepLabel, downStepLabel, notifySecondsLabel;
    HotkeyControl upKey, downKey, muteKey, captureKey;
    SpinEdit notifySeconds;
    FlatButton fontButton, colorButton;

private:
    // A switch writes its slot's flag and enables the controls that go with it.
    void OnSwitched(std::size_t slot, const CheckBox& box, std::initializer_list<const Control*> followers);
    void OnStepChanged(std::size_t slot, const TrackBar& step, const Control& label, const char* suffix);
    void OnKeyChanged(std::size_t slot, const HotkeyControl& key);
    void ShowFunction(CheckBox& box, TrackBar* step, HotkeyControl& key, const SettingRecord& record);

    // Each control's own handler.
    void OnUpSwitched() { OnSwitched(kUpSlot, upBox, {&upStep, &upStepLabel, &upKey}); }
    void OnDownSwitched() { OnSwitched(kDownSlot, downBox, {&downStep, &downStepLabel, &downKey}); }
    void OnMuteSwitched() { OnSwitched(kMuteSlot, muteBox, {&muteKey}); }
    void OnCaptureSwitched() { OnSwitched(kCaptureSlot, captureBox, {&captureKey}); }
    void OnNotifySwitched() {
        OnSwitched(kNotifySlot, notifyBox, {&notifySeconds, &notifySecondsLabel, &fontButton, &colorButton});
    }
    void OnUpStepChanged();
    void OnDownStepChanged();
    void OnUpKeyChanged() { OnKeyChanged(kUpSlot, upKey); }
    void OnDownKeyChanged() { OnKeyChanged(kDownSlot, downKey); }
    void OnMuteKeyChanged() { OnKeyChanged(kMuteSlot, muteKey); }
    void OnCaptureKeyChanged() { OnKeyChanged(kCaptureSlot, captureKey); }
    void OnSecondsChanged() { table_[kNotifySlot].value = notifySeconds.Value(); }
    void OnFontClick();
    void OnColorClick();

    SettingTable& table_;
    NotifyFontDialogs& dialogs_;
    HWND owner_ = nullptr;  // the dialogs' owner
    Control notifySecondsSpin_;
    Tooltips tips_;
    UniqueFont checkFont_;
};

}  // namespace quendrel
