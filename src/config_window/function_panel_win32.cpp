#include "config_window/function_panel_win32.h"

#include <commctrl.h>

#include <string>

#include "base/decimal.h"
#include "notify/notify_font_dialogs_win32.h"
#include "config_window/config_window_texts.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

enum : int {
    kIdNotifyCMD = 1101,
    kIdUp,
    kIdUpSlider,
    kIdUpLBL,
    kIdUpKey,
    kIdDown,
    kIdDownSlider,
    kIdDownLBL,
    kIdDownKey,
    kIdMute,
    kIdMuteKey,
    kIdCapture,
    kIdCaptureKey,
    kIdNotifyTick,
    kIdNotifyTickSpin,
    kIdNotifyLBL,
    kIdNotifyFont,
    kIdNotifyColor,
    kIdGroupBox2,
};

// GroupBox2's controls are placed in its client pixels; they are the window's
// children, so that their notifications reach it.
constexpr int kGroupX = 377, kGroupY = 1;
constexpr int GX(int x) { return kGroupX + x; }
constexpr int GY(int y) { return kGroupY + y; }

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kTrack = TBS_HORZ | TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP | WS_DISABLED;
constexpr DWORD kKey = WS_TABSTOP | WS_DISABLED;
constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_DISABLED;

std::string StepText(int position, const char* suffix) { return FormatDecimal(position) + suffix; }

}  // namespace

void FunctionPanel::Create(Window& window, HFONT windowFont) {
    checkFont_ = MakeFont(texts::kCheckBoxFont, 12);
    HFONT check = checkFont_.get();
    CreateControls(
        window, windowFont, WS_CLIPSIBLINGS,
        {
            {&NotifyCMD, kIdNotifyCMD, L"Button", 392, 208, 209, 15, texts::kNotifyCmdCaption, kCheck, 0, check},
            {&Up, kIdUp, L"Button", GX(16), GY(22), 57, 17, texts::kUpCaption, kCheck, 0, check},
            {&UpSlider, kIdUpSlider, TRACKBAR_CLASSW, GX(71), GY(17), 105, 25, nullptr, kTrack},
            {&UpLBL, kIdUpLBL, L"Static", GX(184), GY(24), 60, 14, texts::kUpLabelFirst, kLabel},
            {&UpKey, kIdUpKey, HOTKEY_CLASSW, GX(120), GY(43), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
            {&Down, kIdDown, L"Button", GX(16), GY(78), 57, 17, texts::kDownCaption, kCheck, 0, check},
            {&DownSlider, kIdDownSlider, TRACKBAR_CLASSW, GX(72), GY(74), 105, 25, nullptr, kTrack},
            {&DownLBL, kIdDownLBL, L"Static", GX(184), GY(80), 60, 14, texts::kDownLabelFirst, kLabel},
            {&DownKey, kIdDownKey, HOTKEY_CLASSW, GX(120), GY(102), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
            {&Mute, kIdMute, L"Button", GX(16), GY(136), 105, 17, texts::kMuteCaption, kCheck, 0, check},
            {&MuteKey, kIdMuteKey, HOTKEY_CLASSW, GX(120), GY(134), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
            {&Capture, kIdCapture, L"Button", GX(16), GY(176), 113, 17, texts::kCaptureCaption, kCheck, 0, check},
            {&CaptureKey, kIdCaptureKey, HOTKEY_CLASSW, GX(120), GY(176), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
            {&NotifyTick, kIdNotifyTick, L"Edit", GX(48), GY(224), 57, 21, "1",
             ES_LEFT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP | WS_DISABLED, WS_EX_CLIENTEDGE},
            // The buddy takes its place at the edit's right edge.
            {&notifyTickSpin_, kIdNotifyTickSpin, UPDOWN_CLASSW, 0, 0, 0, 0, nullptr,
             UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | WS_DISABLED},
            {&NotifyLBL, kIdNotifyLBL, L"Static", GX(112), GY(232), 125, 14, texts::kNotifySeconds, kLabel},
            {&NotifyFont, kIdNotifyFont, L"Button", GX(72), GY(251), 85, 24, texts::kNotifyFontCaption,
             BS_OWNERDRAW | WS_DISABLED},
            {&NotifyColor, kIdNotifyColor, L"Button", GX(157), GY(250), 85, 23, texts::kNotifyColorCaption,
             BS_OWNERDRAW | WS_DISABLED},
            // Last, so that it lies beneath everything it holds; transparent, so
            // that the window paints its inside.
            {&GroupBox2, kIdGroupBox2, L"Button", kGroupX, kGroupY, 249, 280, texts::kFunctionGroup, BS_GROUPBOX,
             WS_EX_TRANSPARENT},
        });

    UpSlider.Setup(0, 20, 5, 2);
    DownSlider.Setup(0, 20, 5, 2);
    for (HotkeyControl* key : {&UpKey, &DownKey, &MuteKey, &CaptureKey}) {
        key->Setup();
        key->SetPointer(IDC_IBEAM);
    }
    NotifyTick.Setup(notifyTickSpin_.hwnd(), 1, 100, 1);
    NotifyFont.Setup();
    NotifyColor.Setup();
    HWND owner = window.hwnd();
    NotifyFont.onClick = [this, owner] { dialogs_.NotifyFontClick(owner); };
    NotifyColor.onClick = [this, owner] { dialogs_.NotifyColorClick(owner); };

    // Bound once the controls hold their first values: setting those up must
    // not reach the table.
    Up.onClick = [this] { UpClick(); };
    UpSlider.onChange = [this] { UpSliderChange(); };
    UpKey.onChange = [this] { UpKeyChange(); };
    Down.onClick = [this] { DownClick(); };
    DownSlider.onChange = [this] { DownSliderChange(); };
    DownKey.onChange = [this] { DownKeyChange(); };
    Mute.onClick = [this] { MuteClick(); };
    MuteKey.onChange = [this] { MuteKeyChange(); };
    Capture.onClick = [this] { CaptureClick(); };
    CaptureKey.onChange = [this] { CaptureKeyChange(); };
    NotifyCMD.onClick = [this] { NotifyCMDClick(); };
    NotifyTick.onChange = [this] { NotifyTickChange(); };

    for (CheckBox* box : {&Up, &Down, &Mute, &Capture, &NotifyCMD}) box->SetPointer(IDC_HAND);

    tips_.Create(window.hwnd());
    tips_.Add({&Up, &UpSlider, &UpKey}, texts::kUpHint);
    tips_.Add({&Down, &DownSlider, &DownKey}, texts::kDownHint);
    tips_.Add({&Mute, &MuteKey}, texts::kMuteHint);
    tips_.Add({&Capture, &CaptureKey}, texts::kCaptureHint);
    tips_.Add({&NotifyCMD}, texts::kNotifyCmdHint);
}

void FunctionPanel::SetEnabled(std::size_t slot, bool on) {
    table_[slot].enabled = on ? kEnabledOn : 0;
    HotkeysChanged();
}

void FunctionPanel::SetHotkey(std::size_t slot, const HotkeyControl& key) {
    table_[slot].hotkey = key.Value();
    HotkeysChanged();
}

void FunctionPanel::HotkeysChanged() const {
    if (onHotkeysChanged) onHotkeysChanged();
}

void FunctionPanel::UpClick() {
    const bool on = Up.Checked();
    UpSlider.Enable(on);
    UpLBL.Enable(on);
    UpKey.Enable(on);
    SetEnabled(kUpSlot, on);
}

void FunctionPanel::UpSliderChange() {
    SetText(UpLBL.hwnd(), StepText(UpSlider.Position(), texts::kUpSuffix));
    table_[kUpSlot].value = UpSlider.Position();
}

void FunctionPanel::UpKeyChange() { SetHotkey(kUpSlot, UpKey); }

void FunctionPanel::DownClick() {
    const bool on = Down.Checked();
    DownSlider.Enable(on);
    DownLBL.Enable(on);
    DownKey.Enable(on);
    SetEnabled(kDownSlot, on);
}

void FunctionPanel::DownSliderChange() {
    SetText(DownLBL.hwnd(), StepText(DownSlider.Position(), texts::kDownSuffix));
    table_[kDownSlot].value = DownSlider.Position();
}

void FunctionPanel::DownKeyChange() { SetHotkey(kDownSlot, DownKey); }

void FunctionPanel::MuteClick() {
    MuteKey.Enable(Mute.Checked());
    SetEnabled(kMuteSlot, Mute.Checked());
}

void FunctionPanel::MuteKeyChange() { SetHotkey(kMuteSlot, MuteKey); }

void FunctionPanel::CaptureClick() {
    CaptureKey.Enable(Capture.Checked());
    SetEnabled(kCaptureSlot, Capture.Checked());
}

void FunctionPanel::CaptureKeyChange() { SetHotkey(kCaptureSlot, CaptureKey); }

void FunctionPanel::NotifyCMDClick() {
    const bool on = NotifyCMD.Checked();
    NotifyTick.Enable(on);
    NotifyLBL.Enable(on);
    NotifyFont.Enable(on);
    NotifyColor.Enable(on);
    SetEnabled(kNotifySlot, on);
}

void FunctionPanel::NotifyTickChange() { table_[kNotifySlot].value = NotifyTick.Value(); }

void FunctionPanel::ShowFunctionSlot(CheckBox& box, TrackBar* slider, HotkeyControl& key, const SettingRecord& record) {
    box.SetChecked(record.IsEnabled());
    if (slider) slider->SetPosition(record.value);
    key.Set(record.HotkeyValue());
}

void FunctionPanel::ShowFunctionSettings() {
    ShowFunctionSlot(Up, &UpSlider, UpKey, table_[kUpSlot]);
    ShowFunctionSlot(Down, &DownSlider, DownKey, table_[kDownSlot]);
    ShowFunctionSlot(Mute, nullptr, MuteKey, table_[kMuteSlot]);
    ShowFunctionSlot(Capture, nullptr, CaptureKey, table_[kCaptureSlot]);
    NotifyTick.SetValue(table_[kNotifySlot].value);
    NotifyCMD.SetChecked(table_[kNotifySlot].IsEnabled());
}

}  // namespace quendrel
