// The band below both halves of the configuration window: the selected
// preset's output device in the middle column; the microphone's mute key and
// the switch for outputs that arrive in the right one. Each control writes
// the device settings at once. The devices are read when the window opens
// and when they change while it shows, never while it is hidden.
#pragma once

#include <windows.h>

#include <vector>

#include "base/callback.h"
#include "config_window/output_choices.h"
#include "controls/buttons_win32.h"
#include "controls/combo_box_win32.h"
#include "controls/group_box_win32.h"
#include "controls/hotkey_control_win32.h"
#include "controls/tooltips_win32.h"
#include "devices/sound_devices.h"
#include "win32/handles_win32.h"

namespace quendrel {

class Window;
struct Settings;

class DevicePanel {
public:
    // Control identifiers; the last three are the group's children.
    enum ControlId : int {
        kOutputLabel = 1201,
        kOutput,
        kFrame,
        kGroup,
        kMicrophoneBox,
        kMicrophoneKey,
        kArrivalBox,
    };
    // The band lies below what the window had before it, and the window is
    // this much taller (design pixels).
    static constexpr int kTop = 285;
    static constexpr int kHeight = 87;

    DevicePanel(Settings& settings, SoundDevices& devices) : settings_(settings), devices_(devices) {}
    DevicePanel(const DevicePanel&) = delete;
    DevicePanel& operator=(const DevicePanel&) = delete;

    // labelFont: the window's face, larger and bold.
    void Create(Window& window, HFONT windowFont, HFONT labelFont);

    // The switches and the microphone key as the settings hold them.
    void ShowDeviceSettings();
    // The devices as they are now: the outputs, whether the default can be
    // switched, whether a microphone has a mute.
    void ReadDevices();
    // The preset at the position (-1: none) is the one the left half shows.
    void ShowPreset(int position);

    // Runs after the microphone key or its switch changed.
    Callback<void()> onHotkeysChanged;

private:
    void OnOutputChosen();
    void OnMicrophoneSwitched();
    void OnMicrophoneKeyChanged();
    void OnArrivalSwitched();

    Settings& settings_;
    SoundDevices& devices_;
    std::vector<OutputDevice> outputs_;
    OutputChoices choices_;
    int position_ = -1;
    bool canSwitch_ = false;
    bool hasMicrophone_ = false;

    Control outputLabel_, frame_;
    ComboBox output_;
    GroupBox group_;
    CheckBox microphoneBox_, arrivalBox_;
    HotkeyControl microphoneKey_;
    Tooltips tips_;
    UniqueFont checkFont_;
};

}  // namespace quendrel
