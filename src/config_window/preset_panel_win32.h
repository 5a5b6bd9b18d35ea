// The left half of the configuration window: the preset list (COLList), its
// buttons, the selected preset's hotkey and volume, the system volume gauge
// and RefreshHalt. Every edit goes straight into the setting table.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "win32/controls_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {

class Mixer;
class VolumeApplier;
class Window;
struct SettingTable;

class PresetPanel {
public:
    // readFadeSetting: the smooth-change switch, read afresh at each use.
    PresetPanel(SettingTable& table, VolumeApplier& applier, Mixer& mixer, std::function<bool()> readFadeSetting)
        : table_(table), applier_(applier), mixer_(mixer), readFadeSetting_(std::move(readFadeSetting)) {}
    PresetPanel(const PresetPanel&) = delete;
    PresetPanel& operator=(const PresetPanel&) = delete;

    void Create(Window& window, HFONT windowFont);

    // Table half and list half; the message at 28 presets. The new item is
    // selected, with its caption editor open when edit is set.
    void AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey, bool edit);

    void NewClick();
    void DeltClick();
    void MoveUpClick();
    void MoveDownClick();
    void COLListKeyDown(WORD key);
    // The user accepted a caption edit of item j.
    void COLListEdited(int item, const std::wstring& text);
    void COLListChange();
    void COLHotkeyChange();
    // fromTrackBar: raised by COLVolume itself rather than by RefreshHaltClick.
    void COLVolumeChange(bool fromTrackBar);
    void RefreshHaltClick();
    void ShowSelectedPreset();
    void UpdatePresetButtons();

    // The list: selected index (-1 for none), items and their captions.
    int Selected() const { return COLList.Selected(); }
    int ItemCount() const { return COLList.ItemCount(); }
    std::wstring ItemText(int item) const { return COLList.ItemText(item); }
    void Select(int item) { COLList.Select(item); }

    // Runs after an edit that changes the table's hotkeys: a key, or a preset
    // added, deleted, moved or renamed.
    std::function<void()> onHotkeysChanged;

    Control Bevel1;
    FlatButton New, Delt, MoveUp, MoveDown;
    ReportList COLList;
    Control Label2;
    HotkeyControl COLHotkey;
    Control Label3;
    TrackBar COLVolume;
    Control Label4;
    Gauge Gauge1;
    Control Status;
    CheckBox RefreshHalt;

private:
    void HotkeysChanged() const {
        if (onHotkeysChanged) onHotkeysChanged();
    }

    SettingTable& table_;
    VolumeApplier& applier_;
    Mixer& mixer_;
    std::function<bool()> readFadeSetting_;
    Tooltips tips_;
    UniqueFont labelFont_;
};

}  // namespace quendrel
