#include "settings/preset_panel_win32.h"

#include <commctrl.h>

#include <vector>

#include "actions/action_texts.h"
#include "app/app_texts.h"
#include "app/form1_win32.h"
#include "base/hotkey_value.h"
#include "mixer/mixer.h"
#include "mixer/mixer_scale.h"
#include "notify/notify_profile_win32.h"
#include "settings/config_window_texts.h"
#include "settings/setting_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

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

// The left half as designed (client pixels at 96 DPI). Earlier rows lie above
// later ones, so the bevel goes last.
const ControlRow kRows[] = {
    {"New", kIdNew, L"Button", 8, 8, 65, 25, texts::kNewCaption, kFlat},
    {"Delt", kIdDelt, L"Button", 72, 8, 65, 25, texts::kDeltCaption, kFlat | WS_DISABLED},
    {"MoveUp", kIdMoveUp, L"Button", 136, 8, 65, 25, texts::kMoveUpCaption, kFlat | WS_DISABLED},
    {"MoveDown", kIdMoveDown, L"Button", 200, 8, 65, 25, texts::kMoveDownCaption, kFlat | WS_DISABLED},
    {"COLList", kIdList, WC_LISTVIEWW, 8, 40, 189, 233, nullptr,
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_NOSORTHEADER | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {"Label2", kIdLabel2, L"Static", 208, 48, 158, 17, texts::kHotkeyLabel, kLabel},
    {"COLHotkey", kIdHotkey, HOTKEY_CLASSW, 216, 72, 137, 19, nullptr, WS_TABSTOP | WS_DISABLED, WS_EX_CLIENTEDGE},
    {"Label3", kIdLabel3, L"Static", 208, 120, 158, 17, texts::kVolumeLabel, kLabel},
    {"COLVolume", kIdVolume, TRACKBAR_CLASSW, 216, 136, 137, 23, nullptr, kTrack | WS_DISABLED},
    {"Label4", kIdLabel4, L"Static", 208, 180, 153, 17, texts::kSystemVolumeLabel, SS_RIGHT | SS_NOPREFIX},
    {"Gauge1", kIdGauge, PROGRESS_CLASSW, 223, 204, 129, 17, nullptr, 0},
    {"Status", kIdStatus, L"Static", 208, 225, 156, 14, nullptr, SS_RIGHT | SS_NOPREFIX},
    {"RefreshHalt", kIdRefreshHalt, L"Button", 213, 254, 141, 21, texts::kRefreshHaltCaption,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    // Transparent: the window paints what lies inside the frame.
    {"Bevel1", kIdBevel, L"Static", 9, 9, 360, 270, nullptr, SS_ETCHEDFRAME, WS_EX_TRANSPARENT},
};

}  // namespace

void PresetPanel::Create(HWND parent, HFONT windowFont) {
    labelFont_ = MakeFont(texts::kConfigFont, 16, FW_BOLD);
    std::vector<HWND> made;
    for (const ControlRow& row : kRows) {
        const bool label = row.id == kIdLabel2 || row.id == kIdLabel3 || row.id == kIdLabel4;
        made.push_back(CreateControl(parent, row, label ? labelFont_.get() : windowFont));
    }
    New.Attach(made[0]);
    Delt.Attach(made[1]);
    MoveUp.Attach(made[2]);
    MoveDown.Attach(made[3]);
    COLList = made[4];
    Label2 = made[5];
    COLHotkey.Attach(made[6]);
    Label3 = made[7];
    COLVolume.Attach(made[8]);
    Label4 = made[9];
    Gauge1.Attach(made[10]);
    Status = made[11];
    RefreshHalt.Attach(made[12]);
    Bevel1 = made[13];

    New.Setup(L"GLYPH_NEW");
    Delt.Setup(L"GLYPH_DELETE");
    MoveUp.Setup(L"GLYPH_UP");
    MoveDown.Setup(L"GLYPH_DOWN");

    SendMessageW(COLList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB,
                 LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    SendMessageW(COLList, LVM_SETTEXTCOLOR, 0, kListText);
    SendMessageW(COLList, LVM_SETBKCOLOR, 0, GetSysColor(COLOR_BTNFACE));
    SendMessageW(COLList, LVM_SETTEXTBKCOLOR, 0, GetSysColor(COLOR_BTNFACE));
    std::wstring heading = Widen(texts::kListColumn);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = Scale(180);
    column.pszText = heading.data();
    SendMessageW(COLList, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    FixListViewColumns(COLList);

    COLHotkey.Setup(HotkeyControl::kPresetKeyRules);
    COLHotkey.onChange = [this] { COLHotkeyChange(); };
    COLVolume.Setup(0, 100, 5, 20);
    COLVolume.onChange = [this] { COLVolumeChange(true); };
    Gauge1.Setup(kGaugeBar);
    RefreshHalt.onClick = [this] { RefreshHaltClick(); };

    for (HWND hand :
         {New.hwnd(), Delt.hwnd(), MoveUp.hwnd(), MoveDown.hwnd(), COLList, COLVolume.hwnd(), RefreshHalt.hwnd()})
        SetControlCursor(hand, IDC_HAND);
    SetControlCursor(COLHotkey.hwnd(), IDC_IBEAM);

    tips_.Create(parent);
    tips_.Add(New.hwnd(), texts::kNewHint);
    tips_.Add(Delt.hwnd(), texts::kDeltHint);
    tips_.Add(MoveUp.hwnd(), texts::kMoveUpHint);
    tips_.Add(MoveDown.hwnd(), texts::kMoveDownHint);
    tips_.Add(COLHotkey.hwnd(), texts::kHotkeyHint);
    tips_.Add(COLVolume.hwnd(), texts::kVolumeHint);
    tips_.Add(RefreshHalt.hwnd(), texts::kRefreshHaltHint);
}

// List ------------------------------------------------------------------------

int PresetPanel::Selected() const {
    return static_cast<int>(SendMessageW(COLList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int PresetPanel::ItemCount() const { return static_cast<int>(SendMessageW(COLList, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring PresetPanel::ItemText(int item) const {
    // Captions may be longer than any record name: the user types them.
    std::wstring text(256, L'\0');
    for (;;) {
        LVITEMW request{};
        request.iSubItem = 0;
        request.pszText = text.data();
        request.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(
            SendMessageW(COLList, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&request)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

void PresetPanel::SetItemText(int item, const std::wstring& text) {
    std::wstring copy = text;
    LVITEMW change{};
    change.iSubItem = 0;
    change.pszText = copy.data();
    SendMessageW(COLList, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

void PresetPanel::Select(int item) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = item >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(COLList, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    if (item >= 0) SendMessageW(COLList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}

void PresetPanel::EditCaption(int item) {
    SetFocus(COLList);
    SendMessageW(COLList, LVM_EDITLABELW, static_cast<WPARAM>(item), 0);
}

// Handlers --------------------------------------------------------------------

void PresetPanel::AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey, bool edit) {
    const auto index = form_.table.AppendPresetRecord(nameCp932, volume, hotkey);
    if (!index) {
        ShowMessage(texts::kTooManyPresets);
        return;
    }
    // The caption is the stored name, so cut like it.
    std::wstring caption = FromCp932(form_.table[*index].Name());
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount();
    item.pszText = caption.data();
    const int added = static_cast<int>(SendMessageW(COLList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    // Selected before the editor opens: selecting afterwards could end the edit.
    Select(added);
    if (edit) EditCaption(added);
}

void PresetPanel::NewClick() { AddPreset(texts::kNewPresetName, 20, NextPresetHotkey(form_.table.count), true); }

void PresetPanel::DeltClick() {
    const int p = Selected();
    if (p < 0) return;
    SendMessageW(COLList, LVM_DELETEITEM, static_cast<WPARAM>(p), 0);
    form_.table.RemovePresetRecord(static_cast<std::size_t>(p));
    const int count = ItemCount();
    if (count > 0) Select(p < count ? p : p - 1);
    ShowSelectedPreset();
}

void PresetPanel::MoveUpClick() {
    const int p = Selected();
    if (p < 1) return;
    form_.table.SwapPresetRecords(static_cast<std::size_t>(p - 1));
    const std::wstring upper = ItemText(p - 1), lower = ItemText(p);
    SetItemText(p - 1, lower);
    SetItemText(p, upper);
    Select(p - 1);
    ShowSelectedPreset();
}

void PresetPanel::MoveDownClick() {
    const int p = Selected();
    if (p < 0 || p + 1 >= ItemCount()) return;
    form_.table.SwapPresetRecords(static_cast<std::size_t>(p));
    const std::wstring upper = ItemText(p), lower = ItemText(p + 1);
    SetItemText(p, lower);
    SetItemText(p + 1, upper);
    Select(p + 1);
    ShowSelectedPreset();
}

void PresetPanel::COLListKeyDown(WORD key) {
    // Keys typed into the caption editor are the editor's.
    if (SendMessageW(COLList, LVM_GETEDITCONTROL, 0, 0) != 0) return;
    if (key == VK_F2) {
        const int p = Selected();
        if (p >= 0) EditCaption(p);
    } else if (key == VK_DELETE) {
        DeltClick();
    }
}

void PresetPanel::COLListEdited(int item, const std::wstring& text) {
    if (item < 0 || item >= form_.table.count) return;
    form_.table.Preset(static_cast<std::size_t>(item)).SetName(ToCp932(text));
}

void PresetPanel::COLListChange() { ShowSelectedPreset(); }

void PresetPanel::COLHotkeyChange() {
    const int p = Selected();
    if (p < 0) return;
    form_.table.Preset(static_cast<std::size_t>(p)).hotkey = COLHotkey.Value();
}

void PresetPanel::COLVolumeChange(bool fromTrackBar) {
    const int p = Selected();
    const int position = COLVolume.Position();
    if (p >= 0) form_.table.Preset(static_cast<std::size_t>(p)).value = position;
    if (p >= 0 && RefreshHalt.Checked()) {
        form_.applier.ApplyVolume(position, ReadFadeSetting());
        if (fromTrackBar) SetText(Status, texts::kStatusAutoChanging);
    }
    SetText(Label3, std::string(texts::kVolumeOutput) + std::to_string(position) + "%");
    Gauge1.SetValue(ClampPercent(form_.mixer.GetMasterVolume(0)));
}

void PresetPanel::RefreshHaltClick() {
    if (RefreshHalt.Checked())
        form_.applier.OnRefreshHaltChecked();
    else
        form_.applier.OnRefreshHaltUnchecked(ReadFadeSetting());
    COLVolumeChange(false);
}

void PresetPanel::ShowSelectedPreset() {
    const int p = Selected();
    if (p >= 0) {
        const SettingRecord& record = form_.table.Preset(static_cast<std::size_t>(p));
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

// Routing ---------------------------------------------------------------------

bool PresetPanel::OnCommand(WORD /*id*/, WORD code, HWND control) {
    if (RefreshHalt.Is(control)) {
        RefreshHalt.OnCommand(code);
    } else if (COLHotkey.Is(control)) {
        COLHotkey.OnCommand(code);
    } else if (New.Is(control) || Delt.Is(control) || MoveUp.Is(control) || MoveDown.Is(control)) {
        if (code != BN_CLICKED) return true;
        if (New.Is(control)) NewClick();
        if (Delt.Is(control)) DeltClick();
        if (MoveUp.Is(control)) MoveUpClick();
        if (MoveDown.Is(control)) MoveDownClick();
    } else {
        return false;
    }
    return true;
}

bool PresetPanel::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != COLList) return false;
    result = 0;
    switch (header.code) {
    case LVN_ITEMCHANGED:
        COLListChange();
        return true;
    case LVN_KEYDOWN:
        COLListKeyDown(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
        return true;
    case NM_CUSTOMDRAW: {
        // Unfocused, the list marks its selection in the button-face
        // colour, which is its own background: draw it as focused.
        auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW;
        } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (draw.nmcd.uItemState & CDIS_SELECTED)) {
            draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
            draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            result = CDRF_DODEFAULT;
        }
        return true;
    }
    case LVN_BEGINLABELEDITW:
        result = FALSE;  // every caption may be edited
        return true;
    case LVN_ENDLABELEDITW: {
        const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
        // No text: the edit was cancelled.
        if (!info.item.pszText) return true;
        COLListEdited(info.item.iItem, info.item.pszText);
        result = TRUE;  // the item keeps the text as typed
        return true;
    }
    default:
        return false;
    }
}

bool PresetPanel::OnScroll(HWND control) {
    if (!COLVolume.Is(control)) return false;
    COLVolume.OnScroll();
    return true;
}

bool PresetPanel::OnColor(HDC dc, HWND control, HBRUSH& brush) {
    if (control != Label2 && control != Label3 && control != Label4) return false;
    SetTextColor(dc, kLabelColour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    brush = GetSysColorBrush(COLOR_BTNFACE);
    return true;
}

}  // namespace quendrel
