#include "controls/report_list_win32.h"

#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

void ReportList::OnAttached() { Subclass(); }

bool ReportList::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_KEYDOWN) return onKeyDown(static_cast<WORD>(wParam));
    // An empty list draws nothing of the focus itself.
    if ((message == WM_SETFOCUS || message == WM_KILLFOCUS) && ItemCount() == 0) InvalidateRect(hwnd_, nullptr, TRUE);
    if (message != WM_NOTIFY) return false;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
    case HDN_DIVIDERDBLCLICKW:
    case HDN_DIVIDERDBLCLICKA:
        result = TRUE;  // refused: the column keeps its width
        return true;
    default:
        return false;
    }
}

void ReportList::Setup(std::string_view headingUtf8, int columnWidth, COLORREF text, COLORREF background) {
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB,
                 LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    SendMessageW(hwnd_, LVM_SETTEXTCOLOR, 0, text);
    SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, background);
    SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, background);
    std::wstring heading = Widen(headingUtf8);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = Scale(columnWidth);
    column.pszText = heading.data();
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

int ReportList::Selected() const {
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int ReportList::ItemCount() const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }

void ReportList::SetItemText(int item, const std::wstring& text) {
    std::wstring copy = text;
    LVITEMW change{};
    change.iSubItem = 0;
    change.pszText = copy.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

int ReportList::Append(const std::wstring& text) {
    std::wstring caption = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount();
    item.pszText = caption.data();
    return static_cast<int>(SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ReportList::Delete(int item) { SendMessageW(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(item), 0); }

void ReportList::Select(int item) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = item >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    if (item >= 0) SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}

void ReportList::EditCaption(int item) {
    SetFocus(hwnd_);
    SendMessageW(hwnd_, LVM_EDITLABELW, static_cast<WPARAM>(item), 0);
}

void ReportList::FinishEdit() {
    if (HWND editor = Editor()) SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
}

HWND ReportList::Editor() const { return reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETEDITCONTROL, 0, 0)); }

bool ReportList::OnNotify(NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
    case LVN_ITEMCHANGED:
        onChange();
        return true;
    case NM_CUSTOMDRAW: {
        // Unfocused, the list marks its selection in the button-face colour,
        // which is its own background: draw it as focused, and leave the
        // focus mark to the list while it has the focus.
        auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (draw.nmcd.uItemState & CDIS_SELECTED)) {
            draw.nmcd.uItemState &=
                ~static_cast<UINT>(GetFocus() == hwnd_ ? CDIS_SELECTED : CDIS_SELECTED | CDIS_FOCUS);
            draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            result = CDRF_DODEFAULT;
        } else if (draw.nmcd.dwDrawStage == CDDS_POSTPAINT && ItemCount() == 0 && ShowsFocus(hwnd_)) {
            // Below the column heading, around where the items would be.
            RECT client{}, heading{};
            GetClientRect(hwnd_, &client);
            GetWindowRect(reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0)), &heading);
            client.top += heading.bottom - heading.top;
            DrawFocusMark(draw.nmcd.hdc, client);
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
        onEdited(info.item.iItem, info.item.pszText);
        result = TRUE;  // the item keeps the text as typed
        return true;
    }
    default:
        return false;
    }
}

bool IsListCaptionEditor(HWND window) {
    if (!window) return false;
    HWND parent = GetParent(window);
    if (!parent) return false;
    wchar_t name[32] = {};
    GetClassNameW(parent, name, 32);
    if (lstrcmpiW(name, WC_LISTVIEWW) != 0) return false;
    return reinterpret_cast<HWND>(SendMessageW(parent, LVM_GETEDITCONTROL, 0, 0)) == window;
}

}  // namespace quendrel
