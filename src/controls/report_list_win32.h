// A list view in report style with one fixed column and captions edited in
// place: the preset list.
#pragma once

#include <string>
#include <string_view>

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// The selection stays visible without the focus; with the focus the list
// marks its focused item, or itself while it is empty. Keys typed in the
// caption editor are the editor's.
class ReportList : public Control {
public:
    Callback<void()> onChange;  // any change of an item
    // A key pressed while the list has the focus; true when it was taken, and
    // the list does nothing more with it.
    Callback<bool(WORD key)> onKeyDown;
    Callback<void(int item, const std::wstring& text)> onEdited;  // an accepted caption edit

    void Setup(std::string_view headingUtf8, int columnWidth, COLORREF text, COLORREF background);
    // The selected index, or -1.
    int Selected() const;
    int ItemCount() const;
    void SetItemText(int item, const std::wstring& text);
    // The new item's index.
    int Append(const std::wstring& text);
    void Delete(int item);
    void Select(int item);
    // Opens the caption editor on the item (the list takes the focus).
    void EditCaption(int item);
    HWND Editor() const;
    // Ends an open caption edit, keeping the text, as when the list loses the
    // focus to another control.
    void FinishEdit();

    bool OnNotify(NMHDR& header, LRESULT& result) override;

protected:
    void OnAttached() override;

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// True when the window is a list view's in-place caption editor: its keys
// belong to the editor.
bool IsListCaptionEditor(HWND window);

}  // namespace quendrel
