#include "presets/preset_panel_win32.h"

#include <commctrl.h>

#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "mixer/mixer.h"
#include "mixer/mixer_scale.h"
#include "presets/preset_texts.h"
#include "table/settings.h"
#include "table/table_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

constexpr COLORREF kLabelColour = RGB(40, 40, 120);
constexpr COLORREF kListText = RGB(0, 0, 255);
constexpr COLORREF kGaugeBar = RGB(0, 0, 255);

constexpr DWORD kFlat = BS_OWNERDRAW;
constexpr DWORD kTrack = TBS_HORZ | TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

}  // namespace

void PresetPanel::Create(Window& window, HFONT windowFont, HFONT label) {
    // The left half as designed (client pixels at 96 DPI). Earlier rows lie
    // above later ones, so the bevel goes last.
    CreateControls(
        window, windowFont, WS_CLIPSIBLINGS,
        {
            {&createButton, kCreate, L"Button", 8, 8, 65, 25, texts::kCreateCaption, kFlat},
            {&deleteButton, kDelete, L"Button", 72, 8, 65, 25, texts::kDeleteCaption, kFlat | WS_DISABLED},
            {&moveUpButton, kMoveUp, L"Button", 136, 8, 65, 25, texts::kMoveUpCaption, kFlat | WS_DISABLED},
            {&moveDownButton, kMoveDown, L"Button", 200, 8, 65, 25, texts::kMoveDownCaption, kFlat | WS_DISABLED},
            {&presetList, kList, WC_LISTVIEWW, 8, 40, 189, 233, nullptr,
             LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_NOSORTHEADER | WS_TABSTOP,
             WS_EX_CLIENTEDGE},
            {&hotkeyLabel, kHotkeyLabel, L"Static", 208, 48, 158, 17, texts::kHotkeyLabel, kLabel, 0, label},
            {&presetHotkey, kHotkey, HOTKEY_CLASSW, 216, 72, 137, 19, nullptr, WS_TABSTOP | WS_DISABLED,
             WS_EX_CLIENTEDGE},
            {&volumeLabel, kVolumeLabel, L"Static", 208, 120, 158, 17, texts::kVolumeLabel, kLabel, 0, label},
            {&presetVolume, kVolume, TRACKBAR_CLASSW, 216, 136, 137, 23, nullptr, kTrack | WS_DISABLED},
            {&systemVolumeLabel, kSystemVolumeLabel, L"Static", 208, 180, 153, 17, texts::kSystemVolumeLabel,
             SS_RIGHT | SS_NOPREFIX, 0, label},
            {&systemVolume, kSystemVolume, PROGRESS_CLASSW, 223, 204, 129, 17, nullptr, 0},
            {&statusLabel, kStatus, L"Static", 208, 225, 156, 14, nullptr, SS_RIGHT | SS_NOPREFIX},
            {&applyAtOnce, kApplyAtOnce, L"Button", 213, 254, 141, 21, texts::kApplyAtOnceCaption,
             BS_AUTOCHECKBOX | WS_TABSTOP},
            // Transparent: the window paints what lies inside the frame.
            {&bevel, kBevel, L"Static", 9, 9, 360, 270, nullptr, SS_ETCHEDFRAME, WS_EX_TRANSPARENT},
        });

    createButton.Setup(L"GLYPH_NEW");
    deleteButton.Setup(L"GLYPH_DELETE");
    moveUpButton.Setup(L"GLYPH_UP");
    moveDownButton.Setup(L"GLYPH_DOWN");
    createButton.onClick = Bind<&PresetPanel::OnCreateClick>(this);
    deleteButton.onClick = Bind<&PresetPanel::OnDeleteClick>(this);
    moveUpButton.onClick = Bind<&PresetPanel::OnMoveUpClick>(this);
    moveDownButton.onClick = Bind<&PresetPanel::OnMoveDownClick>(this);

    presetList.Setup(texts::kListColumn, 180, kListText, GetSysColor(COLOR_BTNFACE));
    presetList.onChange = Bind<&PresetPanel::OnPresetSelected>(this);
    presetList.onKeyDown = Bind<&PresetPanel::OnListKeyDown>(this);
    presetList.onEdited = Bind<&PresetPanel::OnPresetRenamed>(this);

    for (Control* text : {&hotkeyLabel, &volumeLabel, &systemVolumeLabel})
        text->SetColors(kLabelColour, GetSysColorBrush(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));

    presetHotkey.Setup(HotkeyControl::kPresetKeyRules);
    presetHotkey.onChange = Bind<&PresetPanel::OnHotkeyChanged>(this);
    presetVolume.Setup(0, 100, 5, 20);
    presetVolume.onChange = Bind<&PresetPanel::OnVolumeMoved>(this);
    systemVolume.Setup(kGaugeBar);
    applyAtOnce.onClick = Bind<&PresetPanel::OnApplyAtOnceClick>(this);

    for (FlatButton* button : {&createButton, &deleteButton, &moveUpButton, &moveDownButton})
        button->SetPointer(IDC_HAND);
    presetList.SetPointer(IDC_HAND);
    presetVolume.SetPointer(IDC_HAND);
    applyAtOnce.SetPointer(IDC_HAND);
    presetHotkey.SetPointer(IDC_IBEAM);

    // What screen readers read: the heading over the list, the text beside
    // each control.
    presetList.SetAccessibleName(texts::kListColumn);
    presetHotkey.SetAccessibleLabel(hotkeyLabel);
    presetVolume.SetAccessibleLabel(volumeLabel);
    systemVolume.SetAccessibleLabel(systemVolumeLabel);

    tips_.Create(window.hwnd());
    tips_.Add({&createButton}, texts::kCreateHint);
    tips_.Add({&deleteButton}, texts::kDeleteHint);
    tips_.Add({&moveUpButton}, texts::kMoveUpHint);
    tips_.Add({&moveDownButton}, texts::kMoveDownHint);
    tips_.Add({&presetHotkey}, texts::kHotkeyHint);
    tips_.Add({&presetVolume}, texts::kVolumeHint);
    tips_.Add({&applyAtOnce}, texts::kApplyAtOnceHint);
}

void PresetPanel::ShowPresets() {
    for (int position = 0; position < settings_.table.count; ++position) ShowAdded(position, false);
}

void PresetPanel::ShowAdded(int position, bool edit) {
    const int added = presetList.Append(settings_.captions[static_cast<std::size_t>(position)]);
    // Selected before the editor opens: selecting afterwards could end the edit.
    presetList.Select(added);
    if (edit) presetList.EditCaption(added);
    onHotkeysChanged();
}

// The buttons leave the focus where it was; a caption being edited is
// finished first, as it was when a click took the focus away from it.

void PresetPanel::OnCreateClick() {
    presetList.FinishEdit();
    const auto index = settings_.AddPreset(texts::kNewPresetName, FromCp932(texts::kNewPresetName), 20,
                                           NextPresetHotkey(settings_.table.count));
    if (!index) return ShowMessage(texts::kTooManyPresets);
    ShowAdded(static_cast<int>(*index - kFirstPreset), true);
}

void PresetPanel::OnDeleteClick() {
    presetList.FinishEdit();
    const int p = Selected();
    if (p < 0) return;
    presetList.Delete(p);
    settings_.RemovePreset(static_cast<std::size_t>(p));
    const int count = ItemCount();
    if (count > 0) Select(p < count ? p : p - 1);
    ShowSelectedPreset();
    onHotkeysChanged();
}

void PresetPanel::OnMoveUpClick() {
    presetList.FinishEdit();
    const int p = Selected();
    if (p < 1) return;
    MovePreset(p - 1);
    Select(p - 1);
    ShowSelectedPreset();
    onHotkeysChanged();
}

void PresetPanel::OnMoveDownClick() {
    presetList.FinishEdit();
    const int p = Selected();
    if (p < 0 || p + 1 >= ItemCount()) return;
    MovePreset(p);
    Select(p + 1);
    ShowSelectedPreset();
    onHotkeysChanged();
}

void PresetPanel::MovePreset(int upper) {
    settings_.SwapPresets(static_cast<std::size_t>(upper));
    for (int item : {upper, upper + 1})
        presetList.SetItemText(item, settings_.captions[static_cast<std::size_t>(item)]);
}

bool PresetPanel::OnListKeyDown(WORD key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (key == VK_F2) {
        const int p = Selected();
        if (p >= 0) presetList.EditCaption(p);
    } else if (key == VK_DELETE) {
        OnDeleteClick();
    } else if (key == VK_INSERT) {
        OnCreateClick();
    } else if (key == VK_UP && control) {
        OnMoveUpClick();
    } else if (key == VK_DOWN && control) {
        OnMoveDownClick();
    } else {
        return false;
    }
    return true;
}

void PresetPanel::OnPresetRenamed(int item, const std::wstring& text) {
    if (item < 0 || item >= settings_.table.count) return;
    // The list keeps the text as typed; the record, what code page 932 makes of it.
    settings_.RenamePreset(static_cast<std::size_t>(item), ToCp932(text), text);
    onHotkeysChanged();
}

void PresetPanel::OnPresetSelected() { ShowSelectedPreset(); }

void PresetPanel::OnHotkeyChanged() {
    const int p = Selected();
    if (p < 0) return;
    settings_.table.Preset(static_cast<std::size_t>(p)).hotkey = presetHotkey.Value();
    onHotkeysChanged();
}

void PresetPanel::OnVolumeChanged(bool fromTrackBar) {
    const int p = Selected();
    const int position = presetVolume.Position();
    if (p >= 0) settings_.table.Preset(static_cast<std::size_t>(p)).value = position;
    if (p >= 0 && applyAtOnce.Checked()) {
        liveVolume_.Hear(position);
        if (fromTrackBar) SetText(statusLabel.hwnd(), texts::kStatusAutoChanging);
    }
    SetText(volumeLabel.hwnd(), texts::kVolumeOutput + FormatDecimal(position) + "%");
    ShowSystemVolume();
}

void PresetPanel::ShowSystemVolume() {
    systemVolume.SetValue(ClampPercent(mixer_.GetMasterVolume(0)));
    systemVolume.SetMuted(mixer_.GetMasterMute(0) != 0);
}

void PresetPanel::OnApplyAtOnceClick() {
    if (applyAtOnce.Checked())
        liveVolume_.Hold();
    else
        liveVolume_.Restore();
    OnVolumeChanged(false);
}

void PresetPanel::ShowSelectedPreset() {
    const int p = Selected();
    if (p >= 0) {
        const SettingRecord& record = settings_.table.Preset(static_cast<std::size_t>(p));
        presetHotkey.Set(record.HotkeyValue());
        presetVolume.SetPosition(record.value);
    }
    UpdatePresetButtons();
    onPresetShown();
}

void PresetPanel::UpdatePresetButtons() {
    const int p = Selected();
    const int count = ItemCount();
    const bool selected = count > 0 && p >= 0;
    deleteButton.Enable(selected);
    presetHotkey.Enable(selected);
    presetVolume.Enable(selected);
    moveUpButton.Enable(p >= 1);
    moveDownButton.Enable(p >= 0 && p < count - 1);
}

void PresetPanel::ShowStatus(std::string_view utf8) {
    if (statusLabel.hwnd()) SetText(statusLabel.hwnd(), utf8);
}

void PresetPanel::ShowGauge(int percent) {
    if (systemVolume.hwnd()) systemVolume.SetValue(percent);
}

}  // namespace quendrel
