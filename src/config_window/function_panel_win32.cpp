#include "config_window/function_panel_win32.h"

#include <commctrl.h>

#include <string>

#include "base/decimal.h"
#include "config_window/config_window_texts.h"
#include "notify/notify_font_dialogs_win32.h"
#include "presets/preset_texts.h"
#include "table/table_texts.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

// "2% 上げる".
void ShowStep(const TrackBar& step, const Control& label, const char* suffix) {
    SetText(label.hwnd(), FormatDecimal(step.Position()) + suffix);
}

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kTrack = TBS_HORZ | TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP | WS_DISABLED;
constexpr DWORD kKey = WS_TABSTOP | WS_DISABLED;
constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_DISABLED;

}  // namespace

void FunctionPanel::Create(Window& window, HFONT windowFont) {
    checkFont_ = MakeFont(texts::kCheckBoxFont, 12);
    HFONT check = checkFont_.get();
    // The group's controls are its children, placed in its client pixels.
    GroupBox* in = &group;
    CreateControls(
        window, windowFont, WS_CLIPSIBLINGS,
        {
            {&group, kGroup, L"Button", 377, 1, 249, 280, texts::kFunctionGroup, BS_GROUPBOX | WS_CLIPCHILDREN},
            // Top to bottom, left to right: the keyboard's order too.
            {&upBox, kUpBox, L"Button", 16, 22, 57, 17, texts::kStepCaption, kCheck, 0, check, in},
            {&upStep, kUpStep, TRACKBAR_CLASSW, 71, 17, 105, 25, nullptr, kTrack, 0, nullptr, in},
            {&upStepLabel, kUpStepLabel, L"Static", 184, 24, 60, 14, nullptr, kLabel, 0, nullptr, in},
            {&upKey, kUpKey, HOTKEY_CLASSW, 120, 43, 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE, nullptr, in},
            {&downBox, kDownBox, L"Button", 16, 78, 57, 17, texts::kStepCaption, kCheck, 0, check, in},
            {&downStep, kDownStep, TRACKBAR_CLASSW, 72, 74, 105, 25, nullptr, kTrack, 0, nullptr, in},
            {&downStepLabel, kDownStepLabel, L"Static", 184, 80, 60, 14, nullptr, kLabel, 0, nullptr, in},
            {&downKey, kDownKey, HOTKEY_CLASSW, 120, 102, 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE, nullptr, in},
            {&muteBox, kMuteBox, L"Button", 16, 136, 105, 17, texts::kMuteFunction, kCheck, 0, check, in},
            {&muteKey, kMuteKey, HOTKEY_CLASSW, 120, 134, 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE, nullptr, in},
            {&captureBox, kCaptureBox, L"Button", 16, 176, 113, 17, texts::kCaptureFunction, kCheck, 0, check, in},
            {&captureKey, kCaptureKey, HOTKEY_CLASSW, 120, 176, 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE, nullptr, in},
            {&notifyBox, kNotifyBox, L"Button", 15, 207, 209, 15, texts::kNotifyBoxCaption, kCheck, 0, check, in},
            // The label before its box, as screen readers look for it.
            {&notifySecondsLabel, kNotifySecondsLabel, L"Static", 112, 232, 125, 14, texts::kNotifySeconds, kLabel, 0,
             nullptr, in},
            {&notifySeconds, kNotifySeconds, L"Edit", 48, 224, 57, 21, "1",
             ES_LEFT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP | WS_DISABLED, WS_EX_CLIENTEDGE, nullptr, in},
            // The buddy takes its place at the edit's right edge.
            {&notifySecondsSpin_, kNotifySecondsSpin, UPDOWN_CLASSW, 0, 0, 0, 0, nullptr,
             UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | WS_DISABLED, 0, nullptr, in},
            {&fontButton, kFontButton, L"Button", 72, 251, 85, 24, texts::kFontButtonCaption,
             BS_OWNERDRAW | WS_TABSTOP | WS_DISABLED, 0, nullptr, in},
            {&colorButton, kColorButton, L"Button", 157, 250, 85, 23, texts::kColorButtonCaption,
             BS_OWNERDRAW | WS_TABSTOP | WS_DISABLED, 0, nullptr, in},
        });
    group.HoldChildren(GetSysColorBrush(COLOR_BTNFACE));

    upStep.Setup(0, 20, 5, 2);
    downStep.Setup(0, 20, 5, 2);
    ShowStep(upStep, upStepLabel, texts::kUpSuffix);
    ShowStep(downStep, downStepLabel, texts::kDownSuffix);
    for (HotkeyControl* key : {&upKey, &downKey, &muteKey, &captureKey}) {
        key->Setup();
        key->SetPointer(IDC_IBEAM);
    }
    notifySeconds.Setup(notifySecondsSpin_.hwnd(), 1, 100, 1);
    fontButton.Setup();
    colorButton.Setup();
    owner_ = window.hwnd();
    fontButton.onClick = Bind<&FunctionPanel::OnFontClick>(this);
    colorButton.onClick = Bind<&FunctionPanel::OnColorClick>(this);

    // Bound once the controls hold their first values: setting those up must
    // not reach the table.
    upBox.onClick = Bind<&FunctionPanel::OnUpSwitched>(this);
    downBox.onClick = Bind<&FunctionPanel::OnDownSwitched>(this);
    muteBox.onClick = Bind<&FunctionPanel::OnMuteSwitched>(this);
    captureBox.onClick = Bind<&FunctionPanel::OnCaptureSwitched>(this);
    notifyBox.onClick = Bind<&FunctionPanel::OnNotifySwitched>(this);
    upStep.onChange = Bind<&FunctionPanel::OnUpStepChanged>(this);
    downStep.onChange = Bind<&FunctionPanel::OnDownStepChanged>(this);
    upKey.onChange = Bind<&FunctionPanel::OnUpKeyChanged>(this);
    downKey.onChange = Bind<&FunctionPanel::OnDownKeyChanged>(this);
    muteKey.onChange = Bind<&FunctionPanel::OnMuteKeyChanged>(this);
    captureKey.onChange = Bind<&FunctionPanel::OnCaptureKeyChanged>(this);
    notifySeconds.onChange = Bind<&FunctionPanel::OnSecondsChanged>(this);

    for (CheckBox* box : {&upBox, &downBox, &muteBox, &captureBox, &notifyBox}) box->SetPointer(IDC_HAND);

    // What screen readers read: what a sighted user reads for each control.
    // The up and down boxes are named by their function (their caption is
    // the same), the keys after the function they start.
    upBox.SetAccessibleName(texts::kUpFunction);
    downBox.SetAccessibleName(texts::kDownFunction);
    upStep.SetAccessibleLabel(upStepLabel);
    downStep.SetAccessibleLabel(downStepLabel);
    const std::string keySuffix = std::string(" ") + texts::kHotkeyLabel;
    upKey.SetAccessibleName(texts::kUpFunction + keySuffix);
    downKey.SetAccessibleName(texts::kDownFunction + keySuffix);
    muteKey.SetAccessibleName(texts::kMuteFunction + keySuffix);
    captureKey.SetAccessibleName(texts::kCaptureFunction + keySuffix);
    notifySeconds.SetAccessibleLabel(notifySecondsLabel);
    notifySecondsSpin_.SetAccessibleLabel(notifySecondsLabel);

    tips_.Create(window.hwnd());
    tips_.Add({&upBox, &upStep, &upKey}, texts::kUpHint);
    tips_.Add({&downBox, &downStep, &downKey}, texts::kDownHint);
    tips_.Add({&muteBox, &muteKey}, texts::kMuteHint);
    tips_.Add({&captureBox, &captureKey}, texts::kCaptureHint);
    tips_.Add({&notifyBox}, texts::kNotifyBoxHint);
}

void FunctionPanel::OnUpStepChanged() { OnStepChanged(kUpSlot, upStep, upStepLabel, texts::kUpSuffix); }

void FunctionPanel::OnDownStepChanged() { OnStepChanged(kDownSlot, downStep, downStepLabel, texts::kDownSuffix); }

void FunctionPanel::OnFontClick() { dialogs_.OnFontClick(owner_); }

void FunctionPanel::OnColorClick() { dialogs_.OnColorClick(owner_); }

void FunctionPanel::OnSwitched(std::size_t slot, const CheckBox& box, std::initializer_list<const Control*> followers) {
    const bool on = box.Checked();
    for (const Control* follower : followers) follower->Enable(on);
    table_[slot].enabled = on ? kEnabledOn : 0;
    onHotkeysChanged();
}

void FunctionPanel::OnStepChanged(std::size_t slot, const TrackBar& step, const Control& label, const char* suffix) {
    ShowStep(step, label, suffix);
    table_[slot].value = step.Position();
}

void FunctionPanel::OnKeyChanged(std::size_t slot, const HotkeyControl& key) {
    table_[slot].hotkey = key.Value();
    onHotkeysChanged();
}

void FunctionPanel::ShowFunction(CheckBox& box, TrackBar* step, HotkeyControl& key, const SettingRecord& record) {
    box.SetChecked(record.IsEnabled());
    if (step) step->SetPosition(record.value);
    key.Set(record.HotkeyValue());
}

void FunctionPanel::ShowFunctionSettings() {
    ShowFunction(upBox, &upStep, upKey, table_[kUpSlot]);
    ShowFunction(downBox, &downStep, downKey, table_[kDownSlot]);
    ShowFunction(muteBox, nullptr, muteKey, table_[kMuteSlot]);
    ShowFunction(captureBox, nullptr, captureKey, table_[kCaptureSlot]);
    notifySeconds.SetValue(table_[kNotifySlot].value);
    notifyBox.SetChecked(table_[kNotifySlot].IsEnabled());
}

}  // namespace quendrel
