#include "config_window/preset_panel_win32.h"

#include <commctrl.h>

#include "actions/volume_applier.h"
#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "mixer/mixer.h"
#include "mixer/mixer_scale.h"
#include "config_window/config_window_texts.h"
#include "table/setting_table.h"
#include "table/setting_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

enum : int {
    kIdNew = 1001,
    kIdDelt,
    kIdMoveUp,
    kIdMoveDown,
    kIdList,
    kIdLabel2,
    kIdHotkey,
    kIdLabel3,
    kIdVolume,
    kIdLabel4,
    kIdGauge,
    kIdStatus,
    kIdRefreshHalt,
    kIdBevel,
};

constexpr COLORREF kLabelColour = RGB(40, 40, 120);
constexpr COLORREF kListText = RGB(0, 0, 255);
constexpr COLORREF kGaugeBar = RGB(0, 0, 255);

constexpr DWORD kFlat = BS_OWNERDRAW;
constexpr DWORD kTrack = TBS_HORZ | TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

}  // namespace

void PresetPanel::Create(Window& window, HFONT windowFont) {
    labelFont_ = MakeFont(texts::kConfigFont, 16, FW_BOLD);
    HFONT label = labelFont_.get();
    // The left half as designed (client pixels at 96 DPI). Earlier rows lie
    // above later ones, so the bevel goes last.
    CreateControls(
        window, windowFont, WS_CLIPSIBLINGS,
        {
            {&New, kIdNew, L"Button", 8, 8, 65, 25, texts::kNewCaption, kFlat},
            {&Delt, kIdDelt, L"Button", 72, 8, 65, 25, texts::kDeltCaption, kFlat | WS_DISABLED},
            {&MoveUp, kIdMoveUp, L"Button", 136, 8, 65, 25, texts::kMoveUpCaption, kFlat | WS_DISABLED},
            {&MoveDown, kIdMoveDown, L"Button", 200, 8, 65, 25, texts::kMoveDownCaption, kFlat | WS_DISABLED},
            {&COLList, kIdList, WC_LISTVIEWW, 8, 40, 189, 233, nullptr,
             LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_NOSORTHEADER | WS_TABSTOP,
             WS_EX_CLIENTEDGE},
            {&Label2, kIdLabel2, L"Static", 208, 48, 158, 17, texts::kHotkeyLabel, kLabel, 0, label},
            {&COLHotkey, kIdHotkey, HOTKEY_CLASSW, 216, 72, 137, 19, nullptr, WS_TABSTOP | WS_DISABLED,
             WS_EX_CLIENTEDGE},
            {&Label3, kIdLabel3, L"Static", 208, 120, 158, 17, texts::kVolumeLabel, kLabel, 0, label},
            {&COLVolume, kIdVolume, TRACKBAR_CLASSW, 216, 136, 137, 23, nullptr, kTrack | WS_DISABLED},
            {&Label4, kIdLabel4, L"Static", 208, 180, 153, 17, texts::kSystemVolumeLabel, SS_RIGHT | SS_NOPREFIX, 0,
             label},
            {&Gauge1, kIdGauge, PROGRESS_CLASSW, 223, 204, 129, 17, nullptr, 0},
            {&Status, kIdStatus, L"Static", 208, 225, 156, 14, nullptr, SS_RIGHT | SS_NOPREFIX},
            {&RefreshHalt, kIdRefreshHalt, L"Button", 213, 254, 141, 21, texts::kRefreshHaltCaption,
             BS_AUTOCHECKBOX | WS_TABSTOP},
            // Transparent: the window paints what lies inside the frame.
            {&Bevel1, kIdBevel, L"Static", 9, 9, 360, 270, nullptr, SS_ETCHEDFRAME, WS_EX_TRANSPARENT},
        });

    New.Setup(L"GLYPH_NEW");
    Delt.Setup(L"GLYPH_DELETE");
    MoveUp.Setup(L"GLYPH_UP");
    MoveDown.Setup(L"GLYPH_DOWN");
    // The buttons leave the focus where it was; a caption being edited is
    // finished first, as it was when a click took the focus away from it.
    const auto afterEdit = [this](void (PresetPanel::*click)()) {
        return [this, click] {
            COLList.FinishEdit();
            (this->*click)();
        };
    };
    New.onClick = afterEdit(&PresetPanel::NewClick);
    Delt.onClick = afterEdit(&PresetPanel::DeltClick);
    MoveUp.onClick = afterEdit(&PresetPanel::MoveUpClick);
    MoveDown.onClick = afterEdit(&PresetPanel::MoveDownClick);

    COLList.Setup(texts::kListColumn, 180, kListText, GetSysColor(COLOR_BTNFACE));
    COLList.onChange = [this] { COLListChange(); };
    COLList.onKeyDown = [this](WORD key) { COLListKeyDown(key); };
    COLList.onEdited = [this](int item, const std::wstring& text) { COLListEdited(item, text); };

    for (Control* text : {&Label2, &Label3, &Label4})
        text->SetColors(kLabelColour, GetSysColorBrush(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));

    COLHotkey.Setup(HotkeyControl::kPresetKeyRules);
    COLHotkey.onChange = [this] { COLHotkeyChange(); };
    COLVolume.Setup(0, 100, 5, 20);
    COLVolume.onChange = [this] { COLVolumeChange(true); };
    Gauge1.Setup(kGaugeBar);
    RefreshHalt.onClick = [this] { RefreshHaltClick(); };

    for (FlatButton* button : {&New, &Delt, &MoveUp, &MoveDown}) button->SetPointer(IDC_HAND);
    COLList.SetPointer(IDC_HAND);
    COLVolume.SetPointer(IDC_HAND);
    RefreshHalt.SetPointer(IDC_HAND);
    COLHotkey.SetPointer(IDC_IBEAM);

    tips_.Create(window.hwnd());
    tips_.Add({&New}, texts::kNewHint);
    tips_.Add({&Delt}, texts::kDeltHint);
    tips_.Add({&MoveUp}, texts::kMoveUpHint);
    tips_.Add({&MoveDown}, texts::kMoveDownHint);
    tips_.Add({&COLHotkey}, texts::kHotkeyHint);
    tips_.Add({&COLVolume}, texts::kVolumeHint);
    tips_.Add({&RefreshHalt}, texts::kRefreshHaltHint);
}

void PresetPanel::AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey, bool edit) {
    const auto index = table_.AppendPresetRecord(nameCp932, volume, hotkey);
    if (!index) {
        ShowMessage(texts::kTooManyPresets);
        return;
    }
    // The caption is the stored name, so cut like it.
    const int added = COLList.Append(FromCp932(table_[*index].Name()));
    // Selected before the editor opens: selecting afterwards could end the edit.
    COLList.Select(added);
    if (edit) COLList.EditCaption(added);
    HotkeysChanged();
}

void PresetPanel::NewClick() { AddPreset(texts::kNewPresetName, 20, NextPresetHotkey(table_.count), true); }

void PresetPanel::DeltClick() {
    const int p = Selected();
    if (p < 0) return;
    COLList.Delete(p);
    table_.RemovePresetRecord(static_cast<std::size_t>(p));
    const int count = ItemCount();
    if (count > 0) Select(p < count ? p : p - 1);
    ShowSelectedPreset();
    HotkeysChanged();
}

void PresetPanel::MoveUpClick() {
    const int p = Selected();
    if (p < 1) return;
    table_.SwapPresetRecords(static_cast<std::size_t>(p - 1));
    const std::wstring upper = ItemText(p - 1), lower = ItemText(p);
    COLList.SetItemText(p - 1, lower);
    COLList.SetItemText(p, upper);
    Select(p - 1);
    ShowSelectedPreset();
    HotkeysChanged();
}

void PresetPanel::MoveDownClick() {
    const int p = Selected();
    if (p < 0 || p + 1 >= ItemCount()) return;
    table_.SwapPresetRecords(static_cast<std::size_t>(p));
    const std::wstring upper = ItemText(p), lower = ItemText(p + 1);
    COLList.SetItemText(p, lower);
    COLList.SetItemText(p + 1, upper);
    Select(p + 1);
    ShowSelectedPreset();
    HotkeysChanged();
}

void PresetPanel::COLListKeyDown(WORD key) {
    if (key == VK_F2) {
        const int p = Selected();
        if (p >= 0) COLList.EditCaption(p);
    } else if (key == VK_DELETE) {
        DeltClick();
    }
}

void PresetPanel::COLListEdited(int item, const std::wstring& text) {
    if (item < 0 || item >= table_.count) return;
    table_.Preset(static_cast<std::size_t>(item)).SetName(ToCp932(text));
    // The list takes the text only after this returns; whoever is told
    // reads the new caption.
    COLList.SetItemText(item, text);
    HotkeysChanged();
}

void PresetPanel::COLListChange() { ShowSelectedPreset(); }

void PresetPanel::COLHotkeyChange() {
    const int p = Selected();
    if (p < 0) return;
    table_.Preset(static_cast<std::size_t>(p)).hotkey = COLHotkey.Value();
    HotkeysChanged();
}

void PresetPanel::COLVolumeChange(bool fromTrackBar) {
    const int p = Selected();
    const int position = COLVolume.Position();
    if (p >= 0) table_.Preset(static_cast<std::size_t>(p)).value = position;
    if (p >= 0 && RefreshHalt.Checked()) {
        applier_.ApplyVolume(position, readFadeSetting_());
        if (fromTrackBar) SetText(Status.hwnd(), texts::kStatusAutoChanging);
    }
    SetText(Label3.hwnd(), texts::kVolumeOutput + FormatDecimal(position) + "%");
    Gauge1.SetValue(ClampPercent(mixer_.GetMasterVolume(0)));
}

void PresetPanel::RefreshHaltClick() {
    if (RefreshHalt.Checked())
        applier_.OnRefreshHaltChecked();
    else
        applier_.OnRefreshHaltUnchecked(readFadeSetting_());
    COLVolumeChange(false);
}

void PresetPanel::ShowSelectedPreset() {
    const int p = Selected();
    if (p >= 0) {
        const SettingRecord& record = table_.Preset(static_cast<std::size_t>(p));
        COLHotkey.Set(record.HotkeyValue());
        COLVolume.SetPosition(record.value);
    }
    UpdatePresetButtons();
}

void PresetPanel::UpdatePresetButtons() {
    const int p = Selected();
    const int count = ItemCount();
    const bool selected = count > 0 && p >= 0;
    Delt.Enable(selected);
    COLHotkey.Enable(selected);
    COLVolume.Enable(selected);
    MoveUp.Enable(p >= 1);
    MoveDown.Enable(p >= 0 && p < count - 1);
}

}  // namespace quendrel
