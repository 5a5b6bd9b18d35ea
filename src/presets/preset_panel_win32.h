// The left half of the configuration window: the preset list, its buttons,
// the selected preset's hotkey and volume, the system volume gauge and the
// "apply at once" box. Every edit goes straight into the setting table. It
// is also where the volume applier shows its status and the fade.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

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
class NotifyProfile;
class Window;
struct SettingTable;

class PresetPanel final : public FadeView {
public:
    // The profile gives the smooth-change switch, read afresh at each use.
    PresetPanel(SettingTable& table, VolumeApplier& applier, Mixer& mixer, const NotifyProfile& profile)
        : table_(table), applier_(applier), mixer_(mixer), profile_(profile) {}
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

    // The list: selected index (-1 for none), items and their captions.
    int Selected() const { return presetList.Selected(); }
    int ItemCount() const { return presetList.ItemCount(); }
    std::wstring ItemText(int item) const { return presetList.ItemText(item); }
    void Select(int item) { presetList.Select(item); }

    // Runs after an edit that changes the table's hotkeys: a key, or a preset
    // added, deleted, moved or renamed.
    Callback<void()> onHotkeysChanged;

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
    // The applier's view: the status line and the gauge.
    void SetStatus(std::string_view utf8) override;
    void SetGauge(int percent) override;
    void OnVolumeMoved() { OnVolumeChanged(true); }

    SettingTable& table_;
    VolumeApplier& applier_;
    Mixer& mixer_;
    const NotifyProfile& profile_;
    Tooltips tips_;
};

}  // namespace quendrel
