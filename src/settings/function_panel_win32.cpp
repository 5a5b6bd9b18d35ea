#include "settings/function_panel_win32.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/form1_win32.h"
#include "notify/notify_font_dialogs_win32.h"
#include "settings/config_window_texts.h"
#include "win32/ui_win32.h"

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

const ControlRow kRows[] = {
    {"NotifyCMD", kIdNotifyCMD, L"Button", 392, 208, 209, 15, texts::kNotifyCmdCaption, kCheck},
    {"Up", kIdUp, L"Button", GX(16), GY(22), 57, 17, texts::kUpCaption, kCheck},
    {"UpSlider", kIdUpSlider, TRACKBAR_CLASSW, GX(71), GY(17), 105, 25, nullptr, kTrack},
    {"UpLBL", kIdUpLBL, L"Static", GX(184), GY(24), 60, 14, texts::kUpLabelFirst, kLabel},
    {"UpKey", kIdUpKey, HOTKEY_CLASSW, GX(120), GY(43), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
    {"Down", kIdDown, L"Button", GX(16), GY(78), 57, 17, texts::kDownCaption, kCheck},
    {"DownSlider", kIdDownSlider, TRACKBAR_CLASSW, GX(72), GY(74), 105, 25, nullptr, kTrack},
    {"DownLBL", kIdDownLBL, L"Static", GX(184), GY(80), 60, 14, texts::kDownLabelFirst, kLabel},
    {"DownKey", kIdDownKey, HOTKEY_CLASSW, GX(120), GY(102), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
    {"Mute", kIdMute, L"Button", GX(16), GY(136), 105, 17, texts::kMuteCaption, kCheck},
    {"MuteKey", kIdMuteKey, HOTKEY_CLASSW, GX(120), GY(134), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
    {"Capture", kIdCapture, L"Button", GX(16), GY(176), 113, 17, texts::kCaptureCaption, kCheck},
    {"CaptureKey", kIdCaptureKey, HOTKEY_CLASSW, GX(120), GY(176), 113, 17, nullptr, kKey, WS_EX_CLIENTEDGE},
    {"NotifyTick", kIdNotifyTick, L"Edit", GX(48), GY(224), 57, 21, "1",
     ES_LEFT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP | WS_DISABLED, WS_EX_CLIENTEDGE},
    // The buddy takes its place at the edit's right edge.
    {"NotifyTickSpin", kIdNotifyTickSpin, UPDOWN_CLASSW, 0, 0, 0, 0, nullptr,
     UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | WS_DISABLED},
    {"NotifyLBL", kIdNotifyLBL, L"Static", GX(112), GY(232), 125, 14, texts::kNotifySeconds, kLabel},
    {"NotifyFont", kIdNotifyFont, L"Button", GX(72), GY(251), 85, 24, texts::kNotifyFontCaption,
     BS_OWNERDRAW | WS_DISABLED},
    {"NotifyColor", kIdNotifyColor, L"Button", GX(157), GY(250), 85, 23, texts::kNotifyColorCaption,
     BS_OWNERDRAW | WS_DISABLED},
    // Last, so that it lies beneath everything it holds; transparent, so that
    // the window paints its inside.
    {"GroupBox2", kIdGroupBox2, L"Button", kGroupX, kGroupY, 249, 280, texts::kFunctionGroup, BS_GROUPBOX,
     WS_EX_TRANSPARENT},
};

std::string StepText(int position, const char* suffix) { return std::to_string(position) + suffix; }

}  // namespace

void FunctionPanel::Create(HWND parent, HFONT windowFont) {
    checkFont_ = MakeFont(texts::kCheckBoxFont, 12);
    std::vector<HWND> made;
    for (const ControlRow& row : kRows) {
        const bool check = (row.style & BS_TYPEMASK) == BS_AUTOCHECKBOX && lstrcmpW(row.className, L"Button") == 0;
        made.push_back(CreateControl(parent, row, check ? checkFont_.get() : windowFont));
    }
    NotifyCMD.Attach(made[0]);
    Up.Attach(made[1]);
    UpSlider.Attach(made[2]);
    UpLBL = made[3];
    UpKey.Attach(made[4]);
    Down.Attach(made[5]);
    DownSlider.Attach(made[6]);
    DownLBL = made[7];
    DownKey.Attach(made[8]);
    Mute.Attach(made[9]);
    MuteKey.Attach(made[10]);
    Capture.Attach(made[11]);
    CaptureKey.Attach(made[12]);
    NotifyTick.Attach(made[13]);
    HWND spin = made[14];
    NotifyLBL = made[15];
    NotifyFont.Attach(made[16]);
    NotifyColor.Attach(made[17]);
    GroupBox2 = made[18];

    UpSlider.Setup(0, 20, 5, 2);
    DownSlider.Setup(0, 20, 5, 2);
    for (HotkeyControl* key : {&UpKey, &DownKey, &MuteKey, &CaptureKey}) {
        key->Setup();
        SetControlCursor(key->hwnd(), IDC_IBEAM);
    }
    NotifyTick.Setup(spin, 1, 100, 1);
    NotifyFont.Setup();
    NotifyColor.Setup();

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

    for (CheckBox* box : {&Up, &Down, &Mute, &Capture, &NotifyCMD}) SetControlCursor(box->hwnd(), IDC_HAND);

    tips_.Create(parent);
    for (HWND control : {Up.hwnd(), UpSlider.hwnd(), UpKey.hwnd()}) tips_.Add(control, texts::kUpHint);
    for (HWND control : {Down.hwnd(), DownSlider.hwnd(), DownKey.hwnd()}) tips_.Add(control, texts::kDownHint);
    for (HWND control : {Mute.hwnd(), MuteKey.hwnd()}) tips_.Add(control, texts::kMuteHint);
    for (HWND control : {Capture.hwnd(), CaptureKey.hwnd()}) tips_.Add(control, texts::kCaptureHint);
    tips_.Add(NotifyCMD.hwnd(), texts::kNotifyCmdHint);
}

void FunctionPanel::SetEnabled(std::size_t slot, bool on) { form_.table[slot].enabled = on ? kEnabledOn : 0; }

void FunctionPanel::UpClick() {
    const bool on = Up.Checked();
    UpSlider.Enable(on);
    EnableWindow(UpLBL, on);
    UpKey.Enable(on);
    SetEnabled(kUpSlot, on);
}

void FunctionPanel::UpSliderChange() {
    SetText(UpLBL, StepText(UpSlider.Position(), texts::kUpSuffix));
    form_.table[kUpSlot].value = UpSlider.Position();
}

void FunctionPanel::UpKeyChange() { form_.table[kUpSlot].hotkey = UpKey.Value(); }

void FunctionPanel::DownClick() {
    const bool on = Down.Checked();
    DownSlider.Enable(on);
    EnableWindow(DownLBL, on);
    DownKey.Enable(on);
    SetEnabled(kDownSlot, on);
}

void FunctionPanel::DownSliderChange() {
    SetText(DownLBL, StepText(DownSlider.Position(), texts::kDownSuffix));
    form_.table[kDownSlot].value = DownSlider.Position();
}

void FunctionPanel::DownKeyChange() { form_.table[kDownSlot].hotkey = DownKey.Value(); }

void FunctionPanel::MuteClick() {
    MuteKey.Enable(Mute.Checked());
    SetEnabled(kMuteSlot, Mute.Checked());
}

void FunctionPanel::MuteKeyChange() { form_.table[kMuteSlot].hotkey = MuteKey.Value(); }

void FunctionPanel::CaptureClick() {
    CaptureKey.Enable(Capture.Checked());
    SetEnabled(kCaptureSlot, Capture.Checked());
}

void FunctionPanel::CaptureKeyChange() { form_.table[kCaptureSlot].hotkey = CaptureKey.Value(); }

void FunctionPanel::NotifyCMDClick() {
    const bool on = NotifyCMD.Checked();
    NotifyTick.Enable(on);
    EnableWindow(NotifyLBL, on);
    NotifyFont.Enable(on);
    NotifyColor.Enable(on);
    SetEnabled(kNotifySlot, on);
}

void FunctionPanel::NotifyTickChange() { form_.table[kNotifySlot].value = NotifyTick.Value(); }

void FunctionPanel::ShowFunctionSlot(CheckBox& box, TrackBar* slider, HotkeyControl& key, const SettingRecord& record) {
    box.SetChecked(record.IsEnabled());
    if (slider) slider->SetPosition(record.value);
    key.Set(record.HotkeyValue());
}

void FunctionPanel::ShowFunctionSettings() {
    SettingTable& table = form_.table;
    ShowFunctionSlot(Up, &UpSlider, UpKey, table[kUpSlot]);
    ShowFunctionSlot(Down, &DownSlider, DownKey, table[kDownSlot]);
    ShowFunctionSlot(Mute, nullptr, MuteKey, table[kMuteSlot]);
    ShowFunctionSlot(Capture, nullptr, CaptureKey, table[kCaptureSlot]);
    NotifyTick.SetValue(table[kNotifySlot].value);
    NotifyCMD.SetChecked(table[kNotifySlot].IsEnabled());
}

bool FunctionPanel::OnCommand(WORD /*id*/, WORD code, HWND control) {
    for (CheckBox* box : {&Up, &Down, &Mute, &Capture, &NotifyCMD}) {
        if (box->Is(control)) {
            box->OnCommand(code);
            return true;
        }
    }
    for (HotkeyControl* key : {&UpKey, &DownKey, &MuteKey, &CaptureKey}) {
        if (key->Is(control)) {
            key->OnCommand(code);
            return true;
        }
    }
    if (NotifyTick.Is(control)) {
        NotifyTick.OnCommand(code);
        return true;
    }
    if (code == BN_CLICKED && NotifyFont.Is(control)) {
        NotifyFontClick(form_.hwnd());
        return true;
    }
    if (code == BN_CLICKED && NotifyColor.Is(control)) {
        NotifyColorClick(form_.hwnd());
        return true;
    }
    return false;
}

bool FunctionPanel::OnScroll(HWND control) {
    for (TrackBar* slider : {&UpSlider, &DownSlider}) {
        if (slider->Is(control)) {
            slider->OnScroll();
            return true;
        }
    }
    return false;
}

}  // namespace quendrel
