// The left half of the configuration window: the preset list, its buttons,
// the selected preset's hotkey and volume, the system volume gauge and the
// "apply at once" box. Every edit goes straight into the settings, the list
// showing each preset's caption as they keep it. It is also where the volume
// actions show their status and the fade.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/volume_applier.h"
#include "base/callback.h"
#include "controls/buttons_win32.h"
#include "controls/hotkey_control_win32.h"
#include "controls/report_list_win32.h"
#include "controls/tooltips_win32.h"
#include "controls/track_bar_win32.h"
#include "painted/flat_button_win32.h"
#include "painted/gauge_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {

class Mixer;
class Window;
struct Settings;

class PresetPanel {
public:
    // Control identifiers.
    enum ControlId : int {
        kCreate = 1001,
        kDelete,
        kMoveUp,
        kMoveDown,
        kList,
        kHotkeyLabel,
        kHotkey,
        kVolumeLabel,
        kVolume,
        kSystemVolumeLabel,
        kSystemVolume,
        kStatus,
        kApplyAtOnce,
        kBevel,
    };

    PresetPanel(Settings& settings, LiveVolume& liveVolume, Mixer& mixer)
        : settings_(settings), liveVolume_(liveVolume), mixer_(mixer) {}
    PresetPanel(const PresetPanel&) = delete;
    PresetPanel& operator=(const PresetPanel&) = delete;

    // labelFont: the window's face, larger and bold.
    void Create(Window& window, HFONT windowFont, HFONT labelFont);

    // The list as the table holds it, the last preset selected.
    void ShowPresets();
    // The preset at the position joined the table: it joins the list,
    // selected, with its caption editor open when edit is set.
    void ShowAdded(int position, bool edit);

    void OnCreateClick();
    void OnDeleteClick();
    void OnMoveUpClick();
    void OnMoveDownClick();
    // F2 edits the caption, Delete deletes, Insert creates, Ctrl+Up and
    // Ctrl+Down move the preset; true when the key was one of them.
    bool OnListKeyDown(WORD key);
    // The user accepted a caption edit of the item.
    void OnPresetRenamed(int item, const std::wstring& text);
    void OnPresetSelected();
    void OnHotkeyChanged();
    // fromTrackBar: the user moved the volume bar, rather than the "apply at
    // once" box asking for it.
    void OnVolumeChanged(bool fromTrackBar);
    void OnApplyAtOnceClick();
    void ShowSelectedPreset();
    void UpdatePresetButtons();
    // The gauge shows device 0 as it is now: its volume, and grey when muted.
    void ShowSystemVolume();
    // What the volume actions do: the status line, and the gauge during a fade.
    void ShowStatus(std::string_view utf8);
    void ShowGauge(int percent);

    // The list: selected index (-1 for none), items.
    int Selected() const { return presetList.Selected(); }
    int ItemCount() const { return presetList.ItemCount(); }
    void Select(int item) { presetList.Select(item); }

    // Runs after an edit that changes the table's hotkeys: a key, or a preset
    // added, deleted, moved or renamed.
    Callback<void()> onHotkeysChanged;
    // Runs once the selected preset (or none) is shown: the selection changed,
    // a preset was added, deleted or moved, or the window opened.
    Callback<void()> onPresetShown;

    Control bevel;
    FlatButton createButton, deleteButton, moveUpButton, moveDownButton;
    ReportList presetList;
    Control hotkeyLabel;
    HotkeyControl presetHotkey;
    Control volumeLabel;
    TrackBar presetVolume;
    Control systemVolumeLabel;
    Gauge systemVolume;
    Control statusLabel;
    CheckBox applyAtOnce;

private:
    void OnVolumeMoved() { OnVolumeChanged(true); }
    // The presets at upper and upper + 1 change places in the settings and the list.
    void MovePreset(int upper);

    Settings& settings_;
    LiveVolume& liveVolume_;
    Mixer& mixer_;
    Tooltips tips_;
};

}  // namespace quendrel
