// The left half of the configuration window: the preset list (COLList), its
// buttons, the selected preset's hotkey and volume, the system volume gauge
// and RefreshHalt. Every edit goes straight into the form's setting table.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "win32/control_panel_win32.h"
#include "win32/controls_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {

class TForm1;

class PresetPanel : public ControlPanel {
public:
    explicit PresetPanel(TForm1& form) : form_(form) {}
    PresetPanel(const PresetPanel&) = delete;
    PresetPanel& operator=(const PresetPanel&) = delete;

    void Create(HWND parent, HFONT windowFont);

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
    int Selected() const;
    int ItemCount() const;
    std::wstring ItemText(int item) const;
    void Select(int item);

    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnScroll(HWND control) override;
    bool OnColor(HDC dc, HWND control, HBRUSH& brush) override;

    HWND Bevel1 = nullptr;
    FlatButton New, Delt, MoveUp, MoveDown;
    HWND COLList = nullptr;
    HWND Label2 = nullptr;
    HotkeyControl COLHotkey;
    HWND Label3 = nullptr;
    TrackBar COLVolume;
    HWND Label4 = nullptr;
    Gauge Gauge1;
    HWND Status = nullptr;
    CheckBox RefreshHalt;

private:
    void SetItemText(int item, const std::wstring& text);
    void EditCaption(int item);

    TForm1& form_;
    Tooltips tips_;
    UniqueFont labelFont_;
};

}  // namespace quendrel
