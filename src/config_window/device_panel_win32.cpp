#include "config_window/device_panel_win32.h"

#include <string>

#include "config_window/config_window_texts.h"
#include "presets/preset_texts.h"
#include "table/settings.h"
#include "table/table_texts.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

constexpr COLORREF kLabelColour = RGB(40, 40, 120);  // as the left half's labels
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;

}  // namespace

void DevicePanel::Create(Window& window, HFONT windowFont, HFONT labelFont) {
    checkFont_ = MakeFont(texts::kCheckBoxFont, 12);
    HFONT check = checkFont_.get();
    GroupBox* in = &group_;
    // Framed as the two halves above it: the middle column under the preset's
    // controls, the right one a group of its own. The label before its box,
    // as screen readers look for it; the frame below what it frames.
    CreateControls(
        window, windowFont, WS_CLIPSIBLINGS,
        {
            {&outputLabel_, kOutputLabel, L"Static", 208, kTop + 24, 158, 17, texts::kOutputLabel,
             SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, labelFont},
            // The height is the open list's.
            {&output_, kOutput, L"ComboBox", 216, kTop + 44, 137, 200, nullptr,
             CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_DISABLED},
            {&frame_, kFrame, L"Static", 9, kTop + 9, 360, 72, nullptr, SS_ETCHEDFRAME, WS_EX_TRANSPARENT},
            {&group_, kGroup, L"Button", 377, kTop + 1, 249, 82, texts::kDeviceGroup, BS_GROUPBOX | WS_CLIPCHILDREN},
            {&microphoneBox_, kMicrophoneBox, L"Button", 16, 18, 209, 17, texts::kMicrophoneFunction, kCheck, 0, check,
             in},
            {&microphoneKey_, kMicrophoneKey, HOTKEY_CLASSW, 120, 39, 113, 17, nullptr, WS_TABSTOP | WS_DISABLED,
             WS_EX_CLIENTEDGE, nullptr, in},
            {&arrivalBox_, kArrivalBox, L"Button", 16, 60, 225, 15, texts::kArrivalCaption, kCheck, 0, check, in},
        });
    group_.HoldChildren(GetSysColorBrush(COLOR_BTNFACE));
    outputLabel_.SetColors(kLabelColour, GetSysColorBrush(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    microphoneKey_.Setup();
    microphoneKey_.SetPointer(IDC_IBEAM);
    output_.SetPointer(IDC_HAND);
    microphoneBox_.SetPointer(IDC_HAND);
    arrivalBox_.SetPointer(IDC_HAND);

    // Bound once the controls hold their first values.
    output_.onChange = Bind<&DevicePanel::OnOutputChosen>(this);
    microphoneBox_.onClick = Bind<&DevicePanel::OnMicrophoneSwitched>(this);
    microphoneKey_.onChange = Bind<&DevicePanel::OnMicrophoneKeyChanged>(this);
    arrivalBox_.onClick = Bind<&DevicePanel::OnArrivalSwitched>(this);

    // What screen readers read: the label beside the list, the key after the
    // function it starts, as the other functions' keys.
    output_.SetAccessibleLabel(outputLabel_);
    microphoneKey_.SetAccessibleName(std::string(texts::kMicrophoneFunction) + " " + texts::kHotkeyLabel);

    tips_.Create(window.hwnd());
    tips_.Add({&output_}, texts::kOutputHint);
    tips_.Add({&microphoneBox_, &microphoneKey_}, texts::kMicrophoneHint);
    tips_.Add({&arrivalBox_}, texts::kArrivalHint);
}

void DevicePanel::ShowDeviceSettings() {
    const DeviceSettings& devices = settings_.devices;
    microphoneBox_.SetChecked(devices.microphone);
    microphoneKey_.Set(devices.microphoneKey);
    arrivalBox_.SetChecked(devices.arrival);
}

void DevicePanel::ReadDevices() {
    outputs_ = devices_.Outputs();
    canSwitch_ = devices_.CanSwitch();
    hasMicrophone_ = devices_.HasMicrophoneMute();
    // Where the system cannot do it the controls stay, greyed, saying why.
    tips_.SetDisabledHint(output_, canSwitch_ ? "" : texts::kCannotSwitchHint);
    tips_.SetDisabledHint(microphoneBox_, hasMicrophone_ ? "" : texts::kNoMicrophoneHint);
    tips_.SetDisabledHint(microphoneKey_, hasMicrophone_ ? "" : texts::kNoMicrophoneHint);
    microphoneBox_.Enable(hasMicrophone_);
    microphoneKey_.Enable(hasMicrophone_ && microphoneBox_.Checked());
    ShowPreset(position_);
}

void DevicePanel::ShowPreset(int position) {
    position_ = position;
    // Without a preset the box shows nothing; it still shows the preset's
    // choice where it cannot be changed.
    const bool preset = position >= 0 && position < static_cast<int>(settings_.table.count);
    if (preset) {
        choices_ = ListOutputChoices(outputs_, settings_.devices.presets[static_cast<std::size_t>(position)]);
        output_.SetItems(choices_.labels);
    }
    output_.Select(preset ? static_cast<int>(choices_.chosen) : -1);
    output_.Enable(preset && canSwitch_);
}

void DevicePanel::OnOutputChosen() {
    const int item = output_.Selected();
    if (position_ < 0 || item < 0 || static_cast<std::size_t>(item) >= choices_.devices.size()) return;
    settings_.devices.presets[static_cast<std::size_t>(position_)] = choices_.devices[static_cast<std::size_t>(item)];
}

void DevicePanel::OnMicrophoneSwitched() {
    settings_.devices.microphone = microphoneBox_.Checked();
    microphoneKey_.Enable(hasMicrophone_ && settings_.devices.microphone);
    onHotkeysChanged();
}

void DevicePanel::OnMicrophoneKeyChanged() {
    settings_.devices.microphoneKey = microphoneKey_.Value();
    onHotkeysChanged();
}

void DevicePanel::OnArrivalSwitched() { settings_.devices.arrival = arrivalBox_.Checked(); }

}  // namespace quendrel
