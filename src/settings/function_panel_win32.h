// The right half of the configuration window: the four function hotkeys with
// their steps, and the notification switch, seconds, font and colour. Each
// control writes its slot field of the form's setting table at once.
#pragma once

#include <windows.h>

#include "settings/setting_table.h"
#include "win32/control_panel_win32.h"
#include "win32/controls_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {

class TForm1;

class FunctionPanel : public ControlPanel {
public:
    explicit FunctionPanel(TForm1& form) : form_(form) {}
    FunctionPanel(const FunctionPanel&) = delete;
    FunctionPanel& operator=(const FunctionPanel&) = delete;

    void Create(HWND parent, HFONT windowFont);

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

    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnScroll(HWND control) override;

    HWND GroupBox2 = nullptr;
    CheckBox Up, Down, Mute, Capture, NotifyCMD;
    TrackBar UpSlider, DownSlider;
    HWND UpLBL = nullptr, DownLBL = nullptr, NotifyLBL = nullptr;
    HotkeyControl UpKey, DownKey, MuteKey, CaptureKey;
    SpinEdit NotifyTick;
    FlatButton NotifyFont, NotifyColor;

private:
    void SetEnabled(std::size_t slot, bool on);

    TForm1& form_;
    Tooltips tips_;
    UniqueFont checkFont_;
};

}  // namespace quendrel
